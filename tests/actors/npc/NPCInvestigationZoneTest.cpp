// On a street of a real zone, with the actor manager and the path finder
// running as in the game: a citizen notices a body lying ahead of it by its
// own perception scan, walks up, reports it and later leaves it with its crime
// report filed; another, facing the player who raises a gun, runs from him
// and names him once it is safe. And a killing in the street: the player
// shoots a citizen dead in view of others, who flee, investigate and report.
#include "NPCFixture.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/police/CrimeScene.h"
#include "actors/police/PoliceManager.h"
#include "world/GameData.h"
#include "world/MapFile.h"
#include "world/Pather.h"
#include <algorithm>
#include <cstdlib>

using cocos2d::Vec2;

namespace {
constexpr float Step = 1.0f / 30.0f;
constexpr int StreetLength = 8;  // within sight of its fourth cell
constexpr int Shotgun = 69;
}

class NPCInvestigationZoneTest : public NPCFixture
{
protected:
    void TearDown() override
    {
        PoliceManager::getInstance()->reset();
        mobs->player = nullptr;
        delete player;
        NPCFixture::TearDown();
    }

    bool openCell(int x, int y) const
    {
        const MapTile* tile = map->tileAtCell(static_cast<float>(x), static_cast<float>(y));
        return tile && tile->floor && tile->level == 0 && !tile->isBlocked() && !tile->blocked;
    }

    // The first open stretch of street, three cells wide, along which one sees
    // from end to end; (-1, -1) when the zone has none.
    Vec2 findStreet()
    {
        GameMob probe(mobDef(), false);
        for (int y = 1; y + 1 < map->height; ++y)
        {
            for (int x = 0; x + StreetLength < map->width; ++x)
            {
                bool open = true;
                for (int i = 0; i < StreetLength && open; ++i)
                    open = openCell(x + i, y - 1) && openCell(x + i, y) && openCell(x + i, y + 1);
                if (!open)
                    continue;
                probe.setPosition(centreOf(x + 3, y));
                if (probe.canSee(centreOf(x, y), true) && probe.canSee(centreOf(x + StreetLength - 1, y), true))
                    return Vec2(static_cast<float>(x), static_cast<float>(y));
            }
        }
        return Vec2(-1.0f, -1.0f);
    }

    GameNPC* citizen(float courage, Vec2 cellAt, float heading)
    {
        auto* record = new CitizenRecord(false);
        record->courage = courage;
        record->armedTrait = 0.0f;
        record->smoker = record->paranoid = record->laidBack = false;
        GameNPC* npc = map->spawnNPC(record, centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        mobs->addGroundMob(npc);
        npc->setRotation(heading);
        // Its eyes open on the first frame.
        npc->watchTimer = 0.74f;
        return npc;
    }

    void frame()
    {
        mobs->update(Step);
        map->update(Step);
        Pather::getInstance()->update();
    }

    Player* player = nullptr;
};

TEST_F(NPCInvestigationZoneTest, ACitizenReportsABodyItFindsAndAnotherFleesFromARaisedGun)
{
    ASSERT_NO_FATAL_FAILURE(loadRealZone(0));
    const Vec2 street = findStreet();
    ASSERT_NE(street.x, -1.0f) << "no open street on the zone";
    auto along = [&](int i) { return Vec2(street.x + static_cast<float>(i), street.y); };

    // West end: the player with his gun up. Facing him, a timid witness.
    // Further east, facing away from the player, a finder with a body ahead.
    player = new Player(mobDef(), false);
    player->mobKind = MobPlayer;
    player->setPosition(centreOf(static_cast<int>(along(0).x), static_cast<int>(street.y)));
    player->weaponRaised = true;
    mobs->player = player;
    GameNPC* witness = citizen(20.0f, along(3), 270.0f);
    GameNPC* finder = citizen(40.0f, along(5), 90.0f);
    GameNPC* body = citizen(50.0f, along(7), 0.0f);
    body->health = 0;

    // Either may walk home and leave the game meanwhile: each is looked at only while it is in it.
    auto inGame = [&](const GameNPC* npc) {
        return std::find(mobs->groundMobs.begin(), mobs->groundMobs.end(), npc) != mobs->groundMobs.end();
    };
    bool fled = false;
    bool namedThePlayer = false;
    bool witnessSafe = false;
    bool investigated = false;
    bool arrived = false;
    bool rememberedTheBody = false;
    bool reportFiled = false;
    bool cameBack = false;
    float leftAt = -1.0f;
    const int bodyId = body->record->id;
    for (float t = 0.0f; t < 90.0f && !(witnessSafe && leftAt >= 0.0f && t > leftAt + 10.0f); t += Step)
    {
        frame();
        if (!inGame(witness))
            witnessSafe = witnessSafe || fled;
        else if (witness->mode == ModeFlee)
        {
            fled = true;
            namedThePlayer = namedThePlayer || witness->reportCulprit == player;
        }
        else if (fled && !witness->hasPendingReport())
            witnessSafe = true;
        if (!inGame(finder))
            continue;
        const bool investigating = finder->mode == ModeInvestigation;
        if (investigating && leftAt >= 0.0f)
            cameBack = true;
        investigated = investigated || investigating;
        if (investigating && finder->arrived && !arrived)
        {
            arrived = true;
            rememberedTheBody = finder->record->knowsCitizen(bodyId);
        }
        if (arrived && !investigating && leftAt < 0.0f)
        {
            leftAt = t;
            reportFiled = !finder->hasPendingReport();
        }
    }
    EXPECT_TRUE(fled) << "the raised gun sends the timid one running";
    EXPECT_TRUE(namedThePlayer);
    EXPECT_TRUE(witnessSafe) << "it got to safety and reported the player";
    EXPECT_TRUE(investigated) << "the body is noticed by the scan";
    EXPECT_TRUE(arrived) << "walked up and reported it";
    EXPECT_TRUE(rememberedTheBody);
    EXPECT_GE(leftAt, 4.0f) << "it stayed a while";
    EXPECT_TRUE(reportFiled) << "its crime report went out as it left";
    EXPECT_FALSE(cameBack) << "and it does not come back to the body";
}

TEST_F(NPCInvestigationZoneTest, AKillingInViewIsFledFromInvestigatedAndReportedToThePolice)
{
    std::srand(20261209);
    ASSERT_NO_FATAL_FAILURE(loadRealZone(0));
    const Vec2 street = findStreet();
    ASSERT_NE(street.x, -1.0f) << "no open street on the zone";
    auto along = [&](int i) { return Vec2(street.x + static_cast<float>(i), street.y); };

    // West end: the player with a loaded shotgun, facing east down the street.
    player = new Player(mobDef(), false);
    player->mobKind = MobPlayer;
    player->setPosition(centreOf(static_cast<int>(along(0).x), static_cast<int>(street.y)));
    player->setRotation(90.0f);
    GameObject* shotgun = player->inventory->addItem(Shotgun);
    ASSERT_NE(shotgun, nullptr);
    shotgun->roundsLoaded = 4;
    player->equip(player->inventory, shotgun);
    mobs->player = player;
    map->cameraPoint = player->getPosition();
    // The victim two cells ahead; beyond it, facing the player, a timid
    // witness and a brave one. A passer-by comes upon the body later.
    GameNPC* victim = citizen(50.0f, along(2), 270.0f);
    victim->health = 1;
    // Not on its own doorstep, where it would be taken home at once.
    victim->homeCell = along(StreetLength - 1);
    GameNPC* timid = citizen(10.0f, along(4), 270.0f);
    GameNPC* brave = citizen(95.0f, along(6), 270.0f);
    frame();

    player->raiseWeapon();
    player->attack(0.0f);
    ASSERT_EQ(player->currentWeapon->roundsLoaded, 3) << "the shot went off";
    // The gun goes down again: what the passer-by meets is the body, not a raised weapon.
    player->lowerWeapon();

    auto inGame = [&](const GameNPC* npc) {
        return std::find(mobs->groundMobs.begin(), mobs->groundMobs.end(), npc) != mobs->groundMobs.end();
    };
    PoliceManager* police = PoliceManager::getInstance();
    bool killed = false;
    bool fled = false;
    bool investigated = false;
    bool reported = false;
    GameNPC* passerBy = nullptr;
    for (float t = 0.0f; t < 90.0f && !(fled && investigated && reported); t += Step)
    {
        if (!passerBy && t >= 5.0f)
            passerBy = citizen(40.0f, along(5), 270.0f);
        frame();
        police->update(Step);
        killed = killed || !inGame(victim) || victim->health <= 0;
        for (const GameNPC* witness : {timid, brave, passerBy})
        {
            if (!witness || !inGame(witness))
                continue;
            fled = fled || witness->mode == ModeFlee;
            investigated = investigated || witness->mode == ModeInvestigation;
        }
        for (const CrimeScene* scene : police->getCrimeScenes())
            reported = reported || scene->suspect == player;
    }
    EXPECT_TRUE(killed) << "the shot killed the victim";
    EXPECT_TRUE(fled) << "someone ran from the killer";
    EXPECT_TRUE(investigated) << "the passer-by went to look at the body";
    EXPECT_TRUE(reported) << "a witness named the player to the police";
}
