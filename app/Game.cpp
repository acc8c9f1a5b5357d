#include "app/Game.h"

#include "world/MapEditor.h"

#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/RandomSeed.h"
#include "app/ResolutionVerify.h"

#include <cstdlib>

Game::~Game() = default;

bool Game::init()
{
    if (!Layer::init())
        return false;

    std::srand(RandomSeed::forStart());
    GameInterface::getInstance()->gameLayer = this;

    if (currentDisplayMode.verified)
    {
        startGame();
        return true;
    }

    // An untried resolution: the game starts only once the player confirms it.
    ResolutionVerify* check = ResolutionVerify::getInstance();
    check->onConfirmed = std::bind(&Game::startGame, this);
    check->showText();
    addChild(check);
    check->scheduleUpdate();
    return true;
}

void Game::startGame()
{
    GameInterface* driver = GameInterface::getInstance();
    driver->init();
    driver->loadLevel();
    // Map makers start the game with TALLOWIND_EDITOR=1 to edit the loaded zone.
    MapEditor::getInstance()->enterOnRequest();
    scheduleUpdate();
}

void Game::update(float dt)
{
    GameInterface::getInstance()->update(dt);
}
