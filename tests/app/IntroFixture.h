#pragma once
// A headless game for the intro and end-of-run tests: a running scene with a
// Game layer that the driver uses, the overlay layers the driver's set-up
// makes, the comic and credit screens in place, a temporary saves folder, and
// a controller whose routes deliver keys to the screens.
#include "StatEngineFixture.h"
#include "TempFolder.h"
#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/Achievements.h"
#include "cocos2d.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/CreditScreen.h"
#include "ui/UIText.h"
#include "world/GameData.h"
#include "ui/menus/MenuEngine.h"

#include <gtest/gtest.h>

#include <memory>

// The screen routes of the input hub, as the screens expect them.
class ScreenRoutes : public ControllerRoutes
{
public:
    bool creditsShowing() override { return CreditScreen::getInstance()->isShowing(); }
    void closeCredits() override { CreditScreen::getInstance()->close(); }
    void highlightCharacter(int choice) override
    {
        CharSelectScreen::getInstance()->highlight(choice);
    }
    void confirmCharacter() override { CharSelectScreen::getInstance()->select(); }
    void turnComicPage() override
    {
        ComicEngine* comic = ComicEngine::getInstance();
        if (!comic->pageComplete)
            return;
        comic->pageComplete = false;
        comic->pageTransition(ComicEngine::kTransitionSeconds);
    }
    void highScoreKey(int key) override { HighScores::getInstance()->onKeyPressed(key); }
    void highScoreButton(int button) override { HighScores::getInstance()->onPadButton(button); }
};

class IntroFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        saves = std::make_unique<ScopedSavesFolder>(folder.path());
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLView::createHeadless("intro test", cocos2d::Size(1280, 720));
        view->retain();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(640, 360, ResolutionPolicy::FIXED_HEIGHT);
        scene = cocos2d::Scene::create();
        layer = new Game();
        layer->cocos2d::Layer::init();
        layer->autorelease();
        scene->addChild(layer);
        director->runWithScene(scene);
        director->stepFrame(0.0f);

        driver = GameInterface::getInstance();
        driver->gameLayer = layer;
        driver->visibleSize = director->getVisibleSize();
        driver->state = GameState::Menu;
        driver->introStep = 0;
        driver->playerCharacter = -1;
        driver->comicPart = -1;
        driver->mode = 0;
        driver->runOver = false;
        driver->windowMode = 0;
        driver->runEndStep = 0;
        driver->restarting = false;
        driver->dimLayer = cocos2d::LayerColor::create(cocos2d::Color4B(0, 0, 0, 0));
        layer->addChild(driver->dimLayer, 1850);
        driver->flashOverlay = cocos2d::LayerColor::create(cocos2d::Color4B(255, 255, 255, 0));
        layer->addChild(driver->flashOverlay, 2000);
        layer->addChild(ComicEngine::getInstance(), 1875);
        layer->addChild(CreditScreen::getInstance(), 2600);
        GameData::getInstance()->currentZone = 0;
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();

        controller = std::make_unique<ControllerInterface>(true);
        controller->setRoutes(std::make_unique<ScreenRoutes>());
    }

    void TearDown() override
    {
        controller.reset();
        // A menu or page that the intro opened goes with the scene.
        MenuEngine::getInstance()->dismiss();
        MenuEngine::getInstance()->removePageNodes();
        HighScores::getInstance()->closeScreens();
        ComicEngine::getInstance()->clear();
        ComicEngine::getInstance()->stopAllActions();
        CreditScreen::getInstance()->clear();
        CharSelectScreen::getInstance()->close();
        CharSelectScreen::getInstance()->stopAllActions();
        for (cocos2d::Node* screen : {static_cast<cocos2d::Node*>(ComicEngine::getInstance()),
                                      static_cast<cocos2d::Node*>(CreditScreen::getInstance()),
                                      static_cast<cocos2d::Node*>(CharSelectScreen::getInstance())})
            screen->removeFromParent();
        driver->flashOverlay = nullptr;
        driver->dimLayer = nullptr;
        driver->logoSprite = nullptr;
        driver->presentsSprite = nullptr;
        driver->rankTableNode = nullptr;
        driver->gameLayer = nullptr;
        driver->state = GameState::Menu;
        driver->introStep = 0;
        driver->playerCharacter = -1;
        driver->comicPart = -1;
        driver->mode = 0;
        driver->windowMode = 0;
        driver->runOver = false;
        driver->restarting = false;
        SoundEngine::getInstance()->stopAll();
        Achievements::getInstance()->reset();
        StatEngine::getInstance()->reset();
        director->end();
        director->stepFrame(0.0f);
        view->release();
        saves.reset();
    }

    // Steps frames of dt until seconds have passed.
    void run(float seconds, float dt = 1.0f / 60.0f)
    {
        for (float t = 0.0f; t < seconds - dt * 0.5f; t += dt)
            director->stepFrame(dt);
    }

    void tap(cocos2d::EventKeyboard::KeyCode key)
    {
        view->injectKeyPress(key);
        view->injectKeyRelease(key);
    }

    TempFolder folder;
    std::unique_ptr<ScopedSavesFolder> saves;
    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;
    Game* layer = nullptr;
    GameInterface* driver = nullptr;
    std::unique_ptr<ControllerInterface> controller;
};
