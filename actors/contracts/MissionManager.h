#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <cstdint>
#include <vector>

class Contract;
class ContractActors;
class GameMob;
class GameObject;

// The contract dealer's board and the accepted contract: makes and prices
// contracts as the board empties, turns the accepted one into a target in
// the city, and pays or fails it.
class MissionManager : public Singleton<MissionManager>
{
public:
    // Seconds a board stands before it is replaced.
    static constexpr float kBoardLifetime = 15.0f;
    // Condition draws before a contract settles for being plain after all.
    static constexpr int kMaxConditionDraws = 100;

    // Once a frame, except while the dealer's window is open: replaces a
    // stale board and fills it to the unlocked slot count.
    void update(float dt);
    void generateContract();
    bool hasPlainContract() const;
    void clearContracts();

    // The board entry becomes the accepted contract and its target walks the
    // city. An index off the board changes nothing; a target that finds no
    // place in the city leaves the job on the board, and the player is told.
    void acceptContract(int index);
    // Lets the accepted contract's living target go about its day, leaving
    // the zone in time; the contract is freed.
    void abandonContract();
    // Reason 0: the target left the area; any other: its body was found.
    void failContract(int reason);
    // Pays the accepted contract and frees it.
    void completeContract();

    // The actor manager removes a mob: when it is the accepted contract's
    // target the contract fails, and counts as failed while the player lives.
    void onMobRemoved(GameMob* mob);
    // The killed steal target's package takes its place as the target.
    void setTargetPackage(GameObject* package);
    // A placed object leaves the map: a package that was the target is
    // forgotten, so the tracker never points at it; the job stays accepted.
    void forgetObject(GameObject* object);
    // A new run, or the level is reloaded: the accepted contract is dropped
    // without a failure, the board cleared and the count zeroed.
    void resetRun();

    // The NPC and police side of accepting; not owned. Null until registered.
    void setActors(ContractActors* newActors) { actors = newActors; }

    const std::vector<Contract*>& board() const { return contracts; }
    Contract* acceptedContract() const { return accepted; }
    // The accepted contract's target in the city (a person or a package).
    GameObject* target() const;
    // The accepted contract's target citizen id, -1 without one; and whether
    // that contract gives the target a tracker.
    int targetCitizenId() const;
    bool targetHasTracker() const;
    int32_t completedCount() const { return completed; }

private:
    friend class Singleton<MissionManager>;
    MissionManager() = default;

    void drawConditions(Contract& contract) const;
    // Needs the registered actors; false when the target could not be placed.
    bool spawnTarget(Contract& contract);
    void spawnBodyguard(Contract& contract, GameMob* principal, cocos2d::Vec2 position);
    void releaseEscort();
    // Frees the accepted contract; its living target stays with its NPC.
    void dropAccepted();
    void refreshHud();

    int32_t completed = 0;
    float refreshTimer = 0.0f;
    std::vector<Contract*> contracts;
    Contract* accepted = nullptr;
    ContractActors* actors = nullptr;
};
