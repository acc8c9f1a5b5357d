// Half an hour of a real zone with the player raising his gun and firing at
// random: citizens flee, fight back and look at the bodies, hunters and
// bodyguards join in, and bodies are cleared away. Run under ASan and UBSan it
// shows that no mode holds on to an actor that left; throughout, no citizen
// stays in an investigation for good.
#include "NPCFixture.h"
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "actors/npc/NPCBodyguard.h"
#include "actors/npc/NPCHunter.h"
#include "world/GameData.h"
#include "world/LevelSettings.h"
#include "world/MapFile.h"
#include "world/Pather.h"
#include <map>
#include <set>

using cocos2d::Vec2;

namespace {
constexpr float Step = 0.1f;
constexpr float RunSeconds = 30.0f * 60.0f;
constexpr int Pistol = 73;
// Far longer than any walk up to a body and the longest stay beside it.
constexpr float LongestInvestigation = 120.0f;
}

class NPCCombatSoakTest : public NPCFixture
{
protected:
    void TearDown() override
    {
        mobs->player = nullptr;
        delete player;
        PopulationSettings::getInstance()->beginZone(LevelSettings().citizenCount);
        NPCFixture::TearDown();
    }

    void loadZone(int zone)
    {
        ASSERT_NO_FATAL_FAILURE(loadRealZone(zone));
        GameData* data = GameData::getInstance();
        const LevelSettings settings = readLevelSettings(data->getLevelSettingsPath());
        PopulationSettings::getInstance()->beginZone(settings.citizenCount);
    }

    // The player somewhere in the streets with his gun; he cannot die here.
    void placePlayer()
    {
        if (!player)
        {
            player = new Player(mobDef(), false);
            player->mobKind = MobPlayer;
            player->roleCode = RolePlayer;
            player->equip(player->inventory, player->inventory->addItem(Pistol));
            mobs->player = player;
        }
        player->setPosition(map->randomSpawnPosition(false, -1));
        map->cameraPoint = player->getPosition();
    }

    void playerActs(int number)
    {
        player->health = 100;
        if (number % 200 == 0)
            placePlayer();
        if (rand() % 20 == 0)
            player->weaponRaised = !player->weaponRaised;
        if (player->weaponRaised && rand() % 15 == 0)
            player->tryFire(static_cast<float>(rand() % 360), 2.0f);
        player->GameMob::update(Step);
    }

    // Now and then someone falls in the street, shot from nowhere in particular.
    void dropSomeone(int number)
    {
        if (number % 300 != 150)
            return;
        for (GameMob* mob : mobs->groundMobs)
        {
            if (mob->mobKind == MobCitizen && mob->health > 0 && rand() % 4 == 0)
            {
                mob->lastHitBy = RoleGangMember;
                mob->takeDamage(1, 500.0f, 0.0f);
                ++killed;
                return;
            }
        }
    }

    void sendRoles(int number)
    {
        if (number % 3000 == 100)
            mobs->spawnMob(MobHunter, nullptr, map->randomSpawnPosition(false, -1));
        if (number % 3000 == 1600)
        {
            for (GameMob* mob : mobs->groundMobs)
            {
                if (mob->mobKind == MobCitizen && mob->health > 0 && !mob->hasBodyguards)
                {
                    mob->hasBodyguards = true;
                    mobs->spawnMob(MobBodyguard, mob, mob->getPosition());
                    break;
                }
            }
        }
    }

    void frame()
    {
        PopulationSettings::getInstance()->update();
        mobs->update(Step);
        map->update(Step);
        Pather::getInstance()->update();
        for (GameMob* mob : mobs->groundMobs)
        {
            // The fallen are cleared away after a while, as the cleaning robots would.
            if (mob->health <= 0 && mob->corpseTimer == -1.0f)
                mob->corpseTimer = 30.0f;
        }
    }

    Player* player = nullptr;
    int killed = 0;
};

TEST_F(NPCCombatSoakTest, HalfAnHourOfRandomGunfireInARealZone)
{
    loadZone(0);
    placePlayer();
    std::set<int> modesSeen;
    std::set<int> hunterModes;
    std::set<int> guardModes;
    std::map<int, float> investigatingSince;
    const int frames = static_cast<int>(RunSeconds / Step);
    for (int number = 0; number < frames; ++number)
    {
        const float now = static_cast<float>(number) * Step;
        playerActs(number);
        sendRoles(number);
        dropSomeone(number);
        frame();
        std::map<int, float> still;
        for (GameMob* mob : mobs->groundMobs)
        {
            if (mob->health <= 0)
                continue;
            if (mob->mobKind == MobHunter)
                hunterModes.insert(static_cast<NPCHunter*>(mob)->huntMode);
            if (mob->mobKind == MobBodyguard)
                guardModes.insert(static_cast<NPCBodyguard*>(mob)->guardMode);
            if (mob->mobKind != MobCitizen)
                continue;
            auto* npc = static_cast<GameNPC*>(mob);
            modesSeen.insert(npc->mode);
            if (npc->mode != ModeInvestigation)
                continue;
            const auto since = investigatingSince.find(npc->citizenId());
            still[npc->citizenId()] = since == investigatingSince.end() ? now : since->second;
            ASSERT_LT(now - still[npc->citizenId()], LongestInvestigation) << npc->name;
        }
        investigatingSince.swap(still);
    }
    EXPECT_GT(killed, 20);
    EXPECT_TRUE(modesSeen.count(ModeFlee)) << "someone ran from the gun";
    EXPECT_TRUE(modesSeen.count(ModeCombat)) << "someone fought back";
    EXPECT_TRUE(modesSeen.count(ModeInvestigation)) << "someone looked at a body";
    EXPECT_TRUE(hunterModes.count(NPCHunter::Hunting));
    EXPECT_TRUE(guardModes.count(NPCBodyguard::Guarding));
}
