#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"
#include <functional>
#include <vector>

class CitizenActor;
class FlyingMob;
class GameMob;
class GameObject;
class Player;

// Owns every actor that moves on its own: the player, the walking NPCs and
// the flying robots. It makes them, updates them once a frame, takes them out
// of the game together with every reference to them, and answers the spatial
// and role questions of the NPCs, the police, the droids, the bullets and the
// HUD (MobManagerQueries.cpp).
class MobManager : public Singleton<MobManager>
{
public:
    // How each kind of actor is made: the NPC roles and the robot classes
    // register their own (an NPC comes from the city map's spawners with its
    // citizen record); the spawners below file and place what these return.
    // A kind whose maker is not registered is not spawned (null).
    struct ActorMakers
    {
        // A citizen with a fresh random record, or a contact with a contact record.
        std::function<GameMob*(bool contact, cocos2d::Vec2 position)> citizen;
        std::function<GameMob*(GameMob* principal, cocos2d::Vec2 position)> bodyguard;
        std::function<GameMob*(cocos2d::Vec2 position)> hunter;
        // The argument of the flyer and the blimp is their destination side.
        std::function<FlyingMob*(int destinationSide)> flyer;
        std::function<FlyingMob*(int destinationSide)> blimp;
        std::function<FlyingMob*()> policeDroid;
        std::function<FlyingMob*()> cleanerDroid;
    };

    // Spawning (MobManager.cpp).
    GameMob* spawnMob(int kind, GameMob* principal, cocos2d::Vec2 position);
    FlyingMob* spawnFlyer(int side);
    FlyingMob* spawnAdBlimp(int side);
    FlyingMob* spawnPoliceDroid(cocos2d::Vec2 position);
    FlyingMob* spawnCleanerDroid(cocos2d::Vec2 position);
    // A walking NPC made elsewhere (the hunter dispatch, the contracts) joins
    // the ground mobs; the manager owns it from now on.
    void addGroundMob(GameMob* mob);
    // The run's player; the manager owns it and destroys the one it replaces.
    void setPlayer(Player* newPlayer);

    void update(float dt);
    void removeMob(GameObject* mob);
    void clear();
    void forgetObject(const GameObject* object);
    void releaseCleanerTarget(const GameObject* object);

    // Queries (MobManagerQueries.cpp).
    // The first living walker the object overlaps, passing over the ignored
    // one (a bullet's own shooter, whose shape it leaves).
    GameMob* segmentHitTest(const GameObject* object, const GameObject* ignored = nullptr) const;
    GameMob* nearestContact() const;
    GameMob* findByCitizenId(int citizenId) const;
    GameMob* findCarrierOf(const GameObject* object) const;
    GameMob* findBodyNear(cocos2d::Vec2 point, float radius) const;
    GameObject* pickMobInRadius(bool bodiesOnly, const std::vector<int>* excludedIds, bool livingOnly,
                                cocos2d::Vec2 point, float radius) const;
    GameObject* findThreatFor(int kind, int soughtId, const GameObject* looker, cocos2d::Vec2 point,
                              float radius) const;
    bool isThreatCandidate(const GameMob* candidate, int kind, int soughtId, const GameObject* looker,
                           cocos2d::Vec2 point, float radius) const;
    void flashbangAt(cocos2d::Vec2 point, float radius);
    void explosionAt(cocos2d::Vec2 point, float radius, float damage);
    // The actor worth pointing out to the player, given the marker's current
    // target; null when there is none.
    GameMob* findNotableMob(GameMob* current) const;
    bool isContactNearPlayer() const;
    void moveBodyguardsOf(int citizenId, cocos2d::Vec2 point);
    void bodyguardsKnowPlayer(int citizenId);
    bool isBodyguardFarFrom(const GameMob* principal) const;
    void alertBodyguardsOf(int citizenId, cocos2d::Vec2 point);
    int countLivingContacts() const;
    // Hunters alive now; counted from the list, so that a hunter leaving the
    // game in any way leaves the count right.
    int countLivingHunters() const;

    // The citizen side of a ground mob, or null for one that has none.
    static CitizenActor* citizenOf(GameObject* mob);
    static const CitizenActor* citizenOf(const GameObject* mob);

    std::vector<GameObject*> pendingRemovals;
    std::vector<GameMob*> groundMobs;
    std::vector<GameMob*> contacts;
    Player* player = nullptr;
    GameMob* lastHunter = nullptr;
    std::vector<FlyingMob*> flyingMobs;
    ActorMakers makers;

private:
    friend class Singleton<MobManager>;
    MobManager() = default;

    void updateGroundMob(GameMob* mob, float dt);
    void queueRemoval(GameObject* mob);
    void removeQueued();
    FlyingMob* placeFlyingMob(FlyingMob* mob, cocos2d::Vec2 position);
    FlyingMob* spawnFromEdge(const std::function<FlyingMob*(int)>& make, int side);
    void forgetMobEverywhere(GameObject* mob);
    void destroyPlayer();
    std::vector<GameMob*> bodyguardsOf(int citizenId) const;

    // While the update runs, removals wait for the end of the pass.
    bool updating = false;
};
