#include "app/GameInterface.h"

#include "actors/Player.h"
#include "actors/npc/NPCMakers.h"
#include "actors/police/RobotMakers.h"
#include "app/Achievements.h"
#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/GameFolders.h"
#include "app/GameServices.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/WeatherEngine.h"
#include "platform/StatsStore.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/CreditScreen.h"
#include "ui/InterfaceElement.h"
#include "ui/InterfaceManager.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/hud/UITextConsole.h"
#include "ui/hud/UIUnlockBar.h"
#include "world/MapEditor.h"
#include "world/Train.h"
#include "world/WorldMap.h"
#include "ui/UIText.h"

#include <algorithm>

USING_NS_CC;

namespace {

// The shortest step the game ever takes: a very fast frame still advances 10 ms.
constexpr float kMinimumFrameSeconds = 0.01f;
// Seconds of play without a dealer visit before the dealer hint may show again.
constexpr float kDealerHintSeconds = 120.0f;
// The unlock notice given to everybody at the first start.
constexpr int32_t kStartingUnlock = 2000;
// The contract dealer's window; contracts stand still while it is open.
constexpr int kDealerWindow = 2;

// Scene order under the game layer.
constexpr int kWeatherDarkZ = 900;
constexpr int kWeatherFlashZ = 901;
constexpr int kHudZ = 1200;
constexpr int kHudOverlayZ = 1201;
constexpr int kDimLayerZ = 1850;
constexpr int kComicZ = 1875;
constexpr int kFlashOverlayZ = 2000;
constexpr int kCreditsZ = 2600;

// Interface elements of the two HUD panels.
constexpr int kMainHudElement = 1;
constexpr int kCopHudElement = 2;

constexpr int kConsoleWidth = 256;
constexpr float kConsoleMargin = 4.0f;

}

GameInterface::GameInterface()
    : services(std::make_unique<GameServices>())
{
    FileUtils::getInstance()->addSearchPath(assetsFolder());
    charSelect = CharSelectScreen::getInstance();
}

GameInterface::~GameInterface()
{
    StatsStore::getInstance()->shutdown();
}

void GameInterface::setServices(std::unique_ptr<GameServices> newServices)
{
    if (newServices)
        services = std::move(newServices);
}

void GameInterface::init()
{
    SoundEngine::getInstance()->stopAll();

    Achievements* achievements = Achievements::getInstance();
    StatEngine::getInstance()->loadGameState();
    achievements->unlock(kStartingUnlock, true, true);

    addOverlayLayers();
    controller = new ControllerInterface(true);
    visibleSize = Director::getInstance()->getVisibleSize();
    InterfaceManager::getInstance()->hostNode = gameLayer;
    InterfaceManager::getInstance()->screenSize = &visibleSize;
    bindController();

    unlockBar = UIUnlockBar::create();
    unlockBar->setAnchorPoint(Vec2(0.5f, 0.0f));
    gameLayer->addChild(unlockBar, kHudOverlayZ);

    WeatherEngine* weather = WeatherEngine::getInstance();
    weather->parent = gameLayer;
    if (weather->darkLayer)
        gameLayer->addChild(weather->darkLayer, kWeatherDarkZ);
    if (weather->flashLayer)
        gameLayer->addChild(weather->flashLayer, kWeatherFlashZ);
    MapEditor::getInstance();

    registerStates();
    registerNPCMakers();
    registerRobotMakers();
    gameLayer->addChild(ComicEngine::getInstance(), kComicZ);
    buildHud();
    registerHudPanels();

    setState(GameState::Intro);

    targetMarker = UIObjectDescriptor::create("target", true);
    gameLayer->addChild(targetMarker, kHudOverlayZ);
    gameLayer->addChild(CreditScreen::getInstance(), kCreditsZ);
}

void GameInterface::saveBeforeQuitting()
{
    // A score entered while the disk was full would otherwise be lost with the
    // process: the next run of this session is not coming. A session that
    // never made the store (a quit from the resolution check) has no score to
    // write, and leaves the score file for the next start to read and tell.
    if (HighScores* scores = HighScores::existingInstance())
        scores->saveIfUnsaved();
}

void GameInterface::addOverlayLayers()
{
    dimLayer = LayerColor::create(Color4B(0, 0, 0, 0));
    gameLayer->addChild(dimLayer, kDimLayerZ);
    flashOverlay = LayerColor::create(Color4B(255, 255, 255, 0));
    gameLayer->addChild(flashOverlay, kFlashOverlayZ);
}

void GameInterface::bindController()
{
    using namespace std::placeholders;
    controller->onMouseMoveCallback = std::bind(&GameInterface::onMouseMove, this, _1);
    controller->onMouseUpCallback = std::bind(&GameInterface::onMouseClick, this, _1, _2);
    controller->onMouseDownCallback = std::bind(&GameInterface::onMouseAction, this, _1, _2);
    refreshCursor();
}

void GameInterface::registerStates()
{
    InterfaceManager* manager = InterfaceManager::getInstance();
    manager->registerMode(GameState::Intro, "Intro");
    manager->registerMode(GameState::NotSpawned, "Not Spawned");
    manager->registerMode(GameState::Playing, "Playing");
    manager->registerMode(GameState::Paused, "Paused");
    manager->registerMode(GameState::Dead, "Dead");
    manager->registerMode(GameState::Menu, "Menu");
    manager->registerMode(GameState::Edit, "Edit");
}

void GameInterface::buildHud()
{
    mainHUD = UIMainHUD::create();
    mainHUD->setAnchorPoint(Vec2(0.0f, 1.0f));
    mainHUD->setPosition(Vec2(0.0f, visibleSize.height));
    mainHUD->setVisible(false);
    gameLayer->addChild(mainHUD, kHudZ);

    copHUD = UICopHUD::create();
    copHUD->setAnchorPoint(Vec2(1.0f, 1.0f));
    copHUD->setPosition(Vec2(visibleSize.width, visibleSize.height));
    copHUD->setVisible(false);
    gameLayer->addChild(copHUD, kHudZ);

    console = UITextConsole::create(kConsoleWidth, -1);
    console->setAnchorPoint(Vec2(1.0f, 1.0f));
    console->setPosition(Vec2(visibleSize.width - kConsoleMargin,
                              visibleSize.height - copHUD->getContentSize().height - kConsoleMargin));
    gameLayer->addChild(console, kHudZ);
}

void GameInterface::registerHudPanels()
{
    registerHudPanel(kMainHudElement, mainHUD, InterfaceManager::kTopLeft);
    registerHudPanel(kCopHudElement, copHUD, InterfaceManager::kTopRight);
}

void GameInterface::registerHudPanel(int id, UIInterface* panel, int anchorCode)
{
    InterfaceManager* manager = InterfaceManager::getInstance();
    manager->registerElement(id, panel, anchorCode);
    if (InterfaceElement* element = manager->element(id))
    {
        // The HUD slides in for a run and stays while it is paused.
        element->transitionKind = InterfaceElement::kMove;
        element->visibleInMode[GameState::Playing] = true;
        element->visibleInMode[GameState::Paused] = true;
    }
    manager->layoutElement(panel, anchorCode);
}

void GameInterface::setState(int newState)
{
    if (newState == state)
        return;

    if (state == GameState::Menu)
        services->closeMainMenu();
    if (state == GameState::Edit)
        services->leaveEditor();
    if (state == GameState::Intro)
        services->showRain();

    state = newState;

    if (newState == GameState::Edit)
        services->enterEditor();
    // The tutorial panes and the text pages leave the panels as they were.
    if (newState >= GameState::Intro && newState <= GameState::Edit)
        services->setInterfaceMode(newState);
    if (newState == GameState::Intro)
    {
        services->hideRain();
        services->playIntro();
    }
    if (newState == GameState::Playing)
        faceCursor();
}

void GameInterface::update(float dt)
{
    services->deliverStatsCallbacks();
    dt = std::max(dt, kMinimumFrameSeconds);
    services->pollInput(controller);
    // Bullets in flight and lit fuses stand still with a paused run, or a
    // player reading a tutorial could be shot dead behind the picture.
    services->updateWorldMap(dt, simulationRuns() || state == GameState::Edit);
    services->updateSound();
    services->updatePather();

    if (simulationRuns())
        runSimulation(dt);

    services->updateTargetMarker(targetMarker, dt);
    if (runEndDue())
        services->checkRunEnd();
    if (fileNoticesShowable())
        services->showFileNotices();
}

bool GameInterface::simulationRuns() const
{
    switch (state)
    {
    case GameState::Paused:
    case GameState::Edit:
    case GameState::Intro:
    case GameState::TutorialPanes:
    case GameState::InfoPages:
        return false;
    case GameState::Menu:
        // Behind the menu the city lives on, but a paused run stands still.
        return player == nullptr;
    default:
        return true;
    }
}

void GameInterface::runSimulation(float dt)
{
    if (player)
    {
        services->updateMovement(controller);
        services->updatePlayer(player, dt);
        services->updateTutorials(dt);
        advanceDealerHint(dt);
    }
    else
    {
        services->updateHoverInfo(dt);
    }
    services->updateUnlockBar(unlockBar, dt);
    services->updateConsole(console, dt);
    services->updatePopulation();
    services->updateMobs(dt);
    services->updateWeather(dt);
    services->updatePolice(dt);
    services->updateCamera(dt);
    advanceTrain(dt);
    if (windowMode != kDealerWindow)
        services->updateMissions(dt);
    services->updateHudOverlay(dt);
}

void GameInterface::advanceDealerHint(float dt)
{
    if (dealerVisited)
        return;
    dealerHintTimer += dt;
    if (dealerHintTimer > kDealerHintSeconds)
    {
        services->rearmDealerHint();
        dealerHintTimer = 0.0f;
    }
}

void GameInterface::advanceTrain(float dt)
{
    if (trainlocation == -1)
        return;
    if (!train)
    {
        services->spawnTrain();
        return;
    }
    if (services->updateTrain(train, dt))
        train = nullptr;
}

bool GameInterface::runEndDue() const
{
    if (!messages.empty() || popupShowing || state != GameState::Dead)
        return false;
    const bool playerDown = player && player->health <= 0 && !runSummaryShown;
    return playerDown || runOver;
}

bool GameInterface::fileNoticesShowable() const
{
    // The intro, the help panes and the unlock pages cover the pop-ups, and a
    // tutorial picture covers the middle of the screen: a notice waits for a
    // screen it can be read on, and for the pop-ups before it to end.
    if (!gameLayer || popupShowing || !messages.empty())
        return false;
    return state == GameState::Menu || state == GameState::Playing || state == GameState::Dead ||
           state == GameState::Edit;
}

void GameInterface::setPromptNode(UIText* node)
{
    removeOverlayNode();
    if (!node)
        return;
    node->retain();
    promptNode = node;
}

void GameInterface::removeOverlayNode()
{
    if (!promptNode)
        return;
    promptNode->removeFromParentAndCleanup(true);
    promptNode->release();
    promptNode = nullptr;
}

void GameInterface::spawnTrain()
{
    train = Train::spawnOnMap(trainlocation);
}
