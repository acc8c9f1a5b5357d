#pragma once
#include "actors/GameObject.h"
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

// A GameObject that walks: the player and the pedestrians. This is the part
// of it that the city map and the path finder use: the mob kind, the path
// request protocol with the Pather and the cells a mob refuses to enter.
class GameMob : public GameObject
{
public:
    explicit GameMob(int definitionId);
    // A mob of a definition at hand (the editor's previews and tests pass one
    // that is not in GameData).
    GameMob(ObjectDef* definition, bool buildSpritesNow);
    ~GameMob() override;

    void setPosition(cocos2d::Vec2 position) override;
    bool isVisibleBody() const override;
    bool canSee(cocos2d::Vec2 point, bool ignoreViewCone) const override;
    bool canHear(cocos2d::Vec2 point, float loudness) const override;

    virtual void onKilled() {}
    virtual void onScanStart() {}
    virtual void onScanEnd(const std::string& message) { (void)message; }
    // The Pather's answer: the goal node, linked to the start through parent.
    virtual void setPath(PathNode* goal);
    virtual void pathFailed();
    virtual bool findPath(cocos2d::Vec2 goalCell, bool deferred);
    virtual void onFlashbang(float duration) { (void)duration; }

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
};
