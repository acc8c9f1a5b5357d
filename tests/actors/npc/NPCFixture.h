#pragma once
// Citizens on the small plain map of the walking tests: an NPC built on a
// record whose character the test chooses, stepped frame by frame, and the
// other actors it sees (a culprit, a body) made to order.
#include "../GameMobFixture.h"
#include "actors/MobManager.h"
#include "actors/PopulationSettings.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/citizens/CitizenRoutine.h"
#include "actors/npc/GameNPC.h"
#include "actors/npc/NPCMakers.h"
#include "app/GameInterface.h"
#include <memory>

class NPCFixture : public GameMobFixture
{
protected:
    static constexpr float Frame = 1.0f / 60.0f;

    void SetUp() override
    {
        GameMobFixture::SetUp();
        std::srand(20261208);
        mobs = MobManager::getInstance();
        registerNPCMakers();
        GameInterface::getInstance()->firstWeaponPercent = 0;
        GameInterface::getInstance()->secondWeaponPercent = 35;
    }

    void TearDown() override
    {
        mobs->pendingRemovals.clear();
        mobs->player = nullptr;
        npcs.clear();
        others.clear();
        mobs->clear();
        PopulationSettings* population = PopulationSettings::getInstance();
        population->cleaningDroids.clear();
        population->spawnedCitizens = population->flyers = population->blimps = 0;
        GameMobFixture::TearDown();
    }

    // A citizen of the given courage and armed trait, plain in character
    // (no smoker, not paranoid, not laid-back), standing at the cell's centre.
    GameNPC* makeNPC(float courage, float armedTrait, cocos2d::Vec2 cellAt = cocos2d::Vec2(10, 10))
    {
        auto* record = new CitizenRecord(false);
        record->courage = courage;
        record->armedTrait = armedTrait;
        record->smoker = record->paranoid = record->laidBack = false;
        record->gangMember = false;
        auto npc = std::make_unique<GameNPC>(record, cellAt);
        npc->setPosition(centreOf(static_cast<int>(cellAt.x), static_cast<int>(cellAt.y)));
        npcs.push_back(std::move(npc));
        return npcs.back().get();
    }

    // The same, handed to the actor manager, which owns it from now on.
    GameNPC* makeNPCInWorld(float courage, float armedTrait, cocos2d::Vec2 cellAt)
    {
        GameNPC* npc = makeNPC(courage, armedTrait, cellAt);
        npcs.back().release();
        npcs.pop_back();
        mobs->addGroundMob(npc);
        return npc;
    }

    // Another walker in view: a culprit, a carrier or a body.
    GameMob* makeMob(cocos2d::Vec2 position)
    {
        others.push_back(std::make_unique<GameMob>(mobDef(), false));
        GameMob* mob = others.back().get();
        mob->setPosition(position);
        return mob;
    }

    // Runs the NPC's own update for the given time; the watched object, when
    // given, is what its eyes report before every frame.
    static void run(GameNPC* npc, float seconds, GameObject* seen = nullptr)
    {
        for (float t = 0.0f; t < seconds; t += Frame)
        {
            if (seen)
                npc->watchedObject = seen;
            npc->update(Frame);
        }
    }

    // Seconds until the condition holds (or the limit passes).
    template <typename Condition>
    static float timeUntil(GameNPC* npc, float limit, Condition done)
    {
        float t = 0.0f;
        while (!done() && t < limit)
        {
            npc->update(Frame);
            t += Frame;
        }
        return t;
    }

    MobManager* mobs = nullptr;
    std::vector<std::unique_ptr<GameNPC>> npcs;
    std::vector<std::unique_ptr<GameMob>> others;
};
