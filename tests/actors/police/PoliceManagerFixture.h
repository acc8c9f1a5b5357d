#pragma once
// The police on the small test city: real police droids from the actor
// manager, walking citizens that record what they witness, and the player.
// The police are put back to a new level before and after each test.
#include "../ActorCast.h"
#include "../GameMobFixture.h"
#include "actors/Player.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceDroid.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "world/MapMarker.h"

// A citizen that records the crimes it sees and its scans.
class WitnessCitizen : public TestCitizen
{
public:
    using TestCitizen::TestCitizen;

    void onSawCrime(int severity, cocos2d::Vec2 point, GameMob* culprit) override
    {
        (void)severity;
        seen.push_back(point);
        culprits.push_back(culprit);
    }
    void onScanStart() override { ++scansStarted; }
    void onScanEnd(const std::string& message) override { scanMessages.push_back(message); }

    std::vector<cocos2d::Vec2> seen;
    std::vector<GameMob*> culprits;
    int scansStarted = 0;
    std::vector<std::string> scanMessages;
};

class PoliceManagerFixture : public GameMobFixture
{
protected:
    static constexpr int PlayerLook = 4002;

    void SetUp() override
    {
        GameMobFixture::SetUp();
        mobs = MobManager::getInstance();
        police = PoliceManager::getInstance();
        mobs->makers.citizen = [this](bool, cocos2d::Vec2 position) { return makeWalker(position); };
        mobs->makers.hunter = [this](cocos2d::Vec2 position) {
            WitnessCitizen* hunter = makeWalker(position);
            hunter->mobKind = MobHunter;
            return hunter;
        };
        mobs->makers.policeDroid = []() { return new PoliceDroid(); };
        map->cameraPoint = cocos2d::Vec2(320, 320);
        // A view left wide by an earlier test would leave no off-screen point
        // on the small map for new droids to come from.
        map->visibleRadius = 2;
        police->reset();
        police->buildCheckpoints();
        police->levelUpChance = 0;
        police->extraDroids = 0;
    }

    void TearDown() override
    {
        police->reset();
        mobs->clear();
        mobs->makers = {};
        police->levelUpChance = 50;
        police->extraDroids = 0;
        GameMobFixture::TearDown();
        // The map has no markers left: no checkpoint stays behind.
        police->buildCheckpoints();
    }

    WitnessCitizen* makeWalker(cocos2d::Vec2 position)
    {
        auto* walker = new WitnessCitizen(mobDef(), nextId++);
        walker->setPosition(position);
        walker->mobKind = MobCitizen;
        return walker;
    }

    // A citizen walking the city, owned by the actor manager.
    WitnessCitizen* addWalker(cocos2d::Vec2 position)
    {
        WitnessCitizen* walker = makeWalker(position);
        mobs->addGroundMob(walker);
        return walker;
    }

    Player* addPlayer(cocos2d::Vec2 position)
    {
        auto* player = new Player(GameData::getInstance()->getObjectDef(PlayerLook), true);
        player->setPosition(position);
        mobs->setPlayer(player);
        GameInterface::getInstance()->player = player;
        return player;
    }

    // A droid on duty, brought by the quota of a raised level.
    PoliceDroid* droidOnDuty()
    {
        police->extraDroids += 1;
        police->update(0.0f);
        return police->getDroids().empty() ? nullptr : police->getDroids().back();
    }

    MobManager* mobs = nullptr;
    PoliceManager* police = nullptr;
    int nextId = 1;
};
