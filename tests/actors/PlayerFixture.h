#pragma once
// A run's player on the small city of the actor tests: the game driver on a
// bare game layer (for the cursor and the pop-ups), the player of the male
// character standing in the middle of the map as the run's player, and the
// movement request that the input hub would hand it.
#include "ArmouryFixture.h"
#include "actors/Player.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/ParticleMaker.h"
#include "ui/UIText.h"

#include <string>

class PlayerFixture : public ArmouryFixture
{
protected:
    void SetUp() override
    {
        ArmouryFixture::SetUp();
        layer = new Game();
        layer->cocos2d::Layer::init();
        layer->autorelease();
        scene->addChild(layer);
        driver = GameInterface::getInstance();
        driver->gameLayer = layer;
        driver->visibleSize = director->getVisibleSize();
        driver->state = GameState::Playing;

        player = new Player(GameData::getInstance()->getObjectDef(MaleCharacter), true);
        player->setPosition(centreOf(10, 10));
        if (player->mainSprite)
            map->worldNode->addChild(player->mainSprite, 30);
        MobManager::getInstance()->setPlayer(player);
        driver->player = player;
        player->horizontalInput = &horizontal;
        player->verticalInput = &vertical;
        player->runInput = &running;
    }

    void TearDown() override
    {
        driver->clearMessages();
        driver->endPopup();
        if (driver->cursorSprite)
        {
            driver->cursorSprite->removeFromParent();
            driver->cursorSprite->release();
            driver->cursorSprite = nullptr;
        }
        driver->cursorFile.clear();
        if (driver->weaponIcon)
        {
            driver->weaponIcon->removeFromParent();
            driver->weaponIcon->release();
            driver->weaponIcon = nullptr;
        }
        driver->scanCountdown = -1.0f;
        driver->state = GameState::Menu;
        driver->gameLayer = nullptr;
        ArmouryFixture::TearDown();
        driver->player = nullptr;
    }

    // Frames of the player's own update, as the driver runs them.
    void play(float seconds, float dt = 1.0f / 60.0f)
    {
        for (float t = 0.0f; t < seconds - 1e-4f; t += dt)
            player->update(dt);
    }

    // Every pop-up text shown or waiting.
    std::string popups() const
    {
        std::string all = driver->popupText ? driver->popupText->text : std::string();
        for (const Message& message : driver->messages)
            all += "|" + message.text;
        return all;
    }

    // Cigarette puffs drifting in the world.
    int puffs() const
    {
        int count = 0;
        for (const cocos2d::Node* child : map->worldNode->getChildren())
            count += dynamic_cast<const ParticleMaker*>(child) != nullptr;
        return count;
    }

    static constexpr int MaleCharacter = 4003;
    static constexpr int Shotgun = 69;
    static constexpr int Lure = 320;
    static constexpr int Flashbang = 321;
    static constexpr int EmpCharge = 154;

    Game* layer = nullptr;
    GameInterface* driver = nullptr;
    Player* player = nullptr;
    float horizontal = 0.0f;
    float vertical = 0.0f;
    bool running = true;
};
