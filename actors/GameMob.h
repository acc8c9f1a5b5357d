#pragma once
#include "actors/GameObject.h"
#include "actors/WeaponsPlatform.h"
#include <deque>
#include <string>
#include <vector>

struct PathNode;
struct PathRequest;

enum MobKind : int32_t
{
    MobPoliceDroid = 0,
    MobCitizen = 1,
    MobContact = 2,
    MobBodyguard = 3,
    MobPlayer = 4,
    MobHunter = 5,
};

// One point of a walking path: the centre of a cell, in map pixels.
struct PathPoint
{
    int32_t kind = 0;
    cocos2d::Vec2 point;
};

// A walking person: the base of the player and of every pedestrian. It has
// health and dies with remains, walks with a collision step that slides along
// walls, follows a path that the Pather sends it and repairs the next leg with
// small detours, raises, lowers and fires its weapon, and may carry a body.
// The hooks that the player and the NPC roles give meaning to are virtual.
class GameMob : public GameObject, public WeaponsPlatform
{
public:
    // Step directions of moveStep and moveInDirection.
    enum Step : int32_t { Left = 1, Right = 2, Ahead = 3, Back = 4 };
    // Results of moveTowards.
    enum Walk : int32_t { Blocked = 0, Moving = 1, Arrived = 2 };
    // The animation ids that every walking definition shares.
    enum Animation : int32_t
    {
        AnimStand = 0,
        AnimWalk = 1,
        AnimWalkArmed = 2,
        AnimFireLowered = 4,
        AnimFireRaised = 5,
        AnimDieA = 7,
        AnimDieB = 8,
        AnimSmoke = 11,
        AnimRaise = 13,
        AnimLower = 14,
        AnimStandArmed = 18,
    };

    explicit GameMob(int definitionId);
    // A mob of a definition at hand (the editor's previews and tests pass one
    // that is not in GameData).
    GameMob(ObjectDef* definition, bool buildSpritesNow);
    ~GameMob() override;

    void setPosition(cocos2d::Vec2 position) override;
    bool isVisibleBody() const override;
    bool canSee(cocos2d::Vec2 point, bool ignoreViewCone) const override;
    bool canHear(cocos2d::Vec2 point, float loudness) const override;
    void update(float dt) override;

    // Turns to the target and takes one step: Blocked, Moving or Arrived (within 2 pixels).
    virtual int moveTowards(float dt, cocos2d::Vec2 target);
    // Called once, when health falls below 1.
    virtual void onKilled() {}
    // A police scan of this mob begins and ends; the roles give them meaning.
    virtual void onScanStart() {}
    virtual void onScanEnd(const std::string& message) { (void)message; }
    // The Pather's answer: the goal node, linked to the start through parent.
    virtual void setPath(PathNode* goal);
    virtual void pathFailed();
    virtual bool findPath(cocos2d::Vec2 goalCell, bool deferred);
    // Repairs the first leg of the path; false when a new path had to be requested.
    virtual bool validatePath();
    // Tries the four detours round whatever blocks the way to the point.
    virtual bool canWalkTo(cocos2d::Vec2 point);
    virtual bool tryDetour(cocos2d::Vec2 target, bool side);
    virtual bool tryDetourAround(cocos2d::Vec2 target, bool side);
    // Caught by a flash-bang; the roles give it meaning.
    virtual void onFlashbang(float duration) { (void)duration; }
    // What the police ask of a walking witness; the NPC roles give them
    // meaning. A crime seen at the point (culprit null for explosions), a
    // person standing still for a while who notices nothing, and the culprit
    // of a report still on its way to the police.
    virtual void onSawCrime(int severity, cocos2d::Vec2 point, GameMob* culprit)
    {
        (void)severity;
        (void)point;
        (void)culprit;
    }
    virtual bool isStandingStill() const { return false; }
    virtual const GameMob* pendingReportCulprit() const { return nullptr; }

    void takeDamage(int damageType, float damage, float heading);
    bool tryMove(bool checkSegment, cocos2d::Vec2 delta);
    bool moveStep(int forward, int sideways, bool checkSegment, float dt);
    bool moveInDirection(int vertical, int horizontal, float dt);
    bool moveAlong(bool checkSegment, cocos2d::Vec2 direction, float dt);
    void raiseWeapon();
    void lowerWeapon();
    bool canFire() const;
    void attack(float aim);
    void puffSmoke();
    // Puts an object of the definition at the mob's feet; null on an upper level.
    GameObject* dropObjectNearby(ObjectDef* definition);

    bool hasBodyguards = false;
    bool frozen = false;
    bool checkNextLeg = true;
    bool weaponRaised = false;
    int32_t health = 100;
    int32_t targetZone = -1;
    float walkSpeed = 16.0f;
    bool running = false;
    bool despawnFlag = false;
    int32_t mobKind = 0;
    cocos2d::Sprite* thoughtBubble = nullptr;
    GameObject* carriedBody = nullptr;
    std::string name;
    bool waitingForPath = false;
    PathRequest* pathRequest = nullptr;
    std::deque<PathPoint> path;
    std::vector<cocos2d::Vec2> blockedCells;

private:
    void followPath(float dt);
    void stopWalking();
    void moveTo(cocos2d::Vec2 point);
    void slideAlongWalls(cocos2d::Vec2 oldPosition, cocos2d::Vec2 delta);
    bool stepRound(GameObject* obstacle);
    void leaveRemains(float heading);
    void scatterBodyParts(float heading);
    void playAtMob(const std::string& sound);
    bool holdsShowableWeapon() const;
};
