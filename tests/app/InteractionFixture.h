#pragma once
// The player's hands on a small city: a living player standing in the middle
// of the map for the driver's use key, bodies of citizens lying about, body
// containers, wallets, water to sink bodies in, the contract board, and a
// fresh profile in a temporary saves folder. Messages wait in the driver's
// queue, where the tests read them.
#include "../actors/ActorCast.h"
#include "../actors/ArmouryFixture.h"
#include "TempFolder.h"
#include "actors/Player.h"
#include "actors/citizens/CitizenRecord.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"

#include <memory>
#include <string>
#include <vector>

class InteractionFixture : public ArmouryFixture
{
protected:
    void SetUp() override
    {
        ArmouryFixture::SetUp();
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        StatsStore::getInstance()->shutdown();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        HighScores::getInstance()->clearMurders();
        resetContractValues();
        missions->resetRun();
        forgetMessages();
        game->creditsEarned = 0;
        game->contractsDone = 0;
        game->flashOverlay = nullptr;
        game->windowMode = 0;
        std::srand(20261208);

        player = new Player(mobDef(8.0f), true);
        player->setPosition(centreOf(5, 5));
        player->setRotation(90.0f);
        // Idle: the use key may handle a body.
        player->interactionCooldown = -1.0f;
        MobManager::getInstance()->setPlayer(player);
        game->player = player;
        water = makeTileDef(0);
        water->water = true;
    }

    void TearDown() override
    {
        missions->resetRun();
        game->clearMessages();
        game->popupShowing = false;
        HighScores::getInstance()->clearMurders();
        // The actor manager takes the player out with every other actor.
        ArmouryFixture::TearDown();
        game->player = nullptr;
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        saves.reset();
    }

    // A citizen the player killed, lying at the point; the actor manager owns it.
    TestCitizen* bodyAt(cocos2d::Vec2 point, int citizenId)
    {
        auto* body = new TestCitizen(mobDef(8.0f), citizenId);
        body->mobKind = MobCitizen;
        body->setPosition(point);
        body->health = 0;
        body->lastHitBy = Player::PlayerRole;
        MobManager::getInstance()->addGroundMob(body);
        return body;
    }

    // A citizen's body with a random identity of its own.
    TestCitizen* namedBodyAt(cocos2d::Vec2 point)
    {
        auto identity = std::make_unique<CitizenRecord>(false);
        TestCitizen* body = bodyAt(point, identity->id);
        body->identity = std::move(identity);
        return body;
    }

    // A plain object filed on the map with the flags the test gives its definition.
    GameObject* placeThing(cocos2d::Vec2 point, void (*flag)(ObjectDef&))
    {
        ObjectDef* def = makeObjectDef(true, 0, 6.0f);
        flag(*def);
        return addObject(def, point);
    }

    GameObject* containerAt(cocos2d::Vec2 point)
    {
        return placeThing(point, [](ObjectDef& def) { def.cancarrybody = true; });
    }

    GameObject* walletAt(cocos2d::Vec2 point, int money, int ownerId)
    {
        GameObject* wallet = placeThing(point, [](ObjectDef& def) {
            def.canpickup = true;
            def.ismoney = true;
        });
        wallet->value = money;
        wallet->ownerId = ownerId;
        return wallet;
    }

    bool onMap(const GameObject* object) const { return map->holdsObject(object); }

    // The board's first contract accepted, of the kind and hide-body rule given.
    Contract* acceptContract(int kind, bool mustHideBody)
    {
        missions->update(0.0f);
        Contract* contract = missions->board().at(0);
        contract->kind = kind;
        contract->musthidebody = mustHideBody;
        missions->acceptContract(0);
        forgetMessages();
        return contract;
    }

    // The cell east of the player's, where it faces, turned to water.
    void waterAhead() { setFloor(6, 5, water); }

    // The queue emptied; new messages keep waiting in it.
    void forgetMessages()
    {
        game->clearMessages();
        game->popupShowing = true;
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const Message& message : game->messages)
            texts.push_back(message.text);
        return texts;
    }

    int32_t runCount(int32_t statId) const
    {
        const StatRecord* record = StatEngine::getInstance()->find(statId);
        return record ? record->run : 0;
    }

    bool achievementDone(int32_t id) const
    {
        for (const AchievementEntry& entry : Achievements::getInstance()->achievementList())
        {
            if (entry.id == id)
                return entry.done;
        }
        return false;
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    GameInterface* game = GameInterface::getInstance();
    MissionManager* missions = MissionManager::getInstance();
    Player* player = nullptr;
    TileDef* water = nullptr;
};
