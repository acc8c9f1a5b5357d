#include "app/GameServices.h"

#include "actors/contracts/MissionManager.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/PopulationSettings.h"
#include "app/ControllerInterface.h"
#include "app/FileNotices.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/HoverInfo.h"
#include "ui/InterfaceManager.h"
#include "ui/menus/MenuEngine.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/hud/UITextConsole.h"
#include "ui/hud/UIUnlockBar.h"
#include "platform/StatsStore.h"
#include "world/GameData.h"
#include "world/MapEditor.h"
#include "world/MapEditorBackup.h"
#include "world/Pather.h"
#include "world/Train.h"
#include "world/WorldMap.h"

GameServices::~GameServices() = default;

void GameServices::deliverStatsCallbacks()
{
    StatsStore::getInstance()->runCallbacks();
}

void GameServices::pollInput(ControllerInterface* controller)
{
    if (controller)
        controller->pollJoystick();
}

void GameServices::updateWorldMap(float dt, bool runGoesOn)
{
    WorldMap::getInstance()->update(dt, runGoesOn);
}

void GameServices::updateSound()
{
    SoundEngine::getInstance()->update();
}

void GameServices::updatePather()
{
    Pather::getInstance()->update();
}

void GameServices::updateMovement(ControllerInterface* controller)
{
    if (controller)
        controller->updateMovement();
}

void GameServices::updatePlayer(Player* player, float dt)
{
    player->update(dt);
}

void GameServices::updateTutorials(float dt)
{
    TutorialEngine::getInstance()->update(dt);
}

void GameServices::rearmDealerHint()
{
    TutorialEngine::getInstance()->markNotShown(TutorialEngine::kContactReminder);
}

void GameServices::updateHoverInfo(float dt)
{
    HoverInfo::getInstance()->update(dt);
}

void GameServices::updateUnlockBar(UIUnlockBar* bar, float dt)
{
    if (bar)
        bar->advance(dt);
}

void GameServices::updateConsole(UITextConsole* console, float dt)
{
    if (console)
        console->update(dt);
}

void GameServices::updatePopulation()
{
    PopulationSettings::getInstance()->update();
}

void GameServices::updateMobs(float dt)
{
    MobManager::getInstance()->update(dt);
}

void GameServices::updateWeather(float dt)
{
    WeatherEngine::getInstance()->update(dt);
}

void GameServices::updatePolice(float dt)
{
    PoliceManager::getInstance()->update(dt);
}

void GameServices::updateCamera(float dt)
{
    GameCamera::getInstance()->update(dt);
}

bool GameServices::updateTrain(Train* train, float dt)
{
    return Train::advance(train, dt);
}

void GameServices::spawnTrain()
{
    GameInterface::getInstance()->spawnTrain();
}

void GameServices::updateMissions(float dt)
{
    MissionManager::getInstance()->update(dt);
}

void GameServices::updateHudOverlay(float dt)
{
    GameHUD::getInstance()->updateOverlay(dt);
}

void GameServices::updateTargetMarker(UIObjectDescriptor* marker, float dt)
{
    if (!marker)
        return;
    // A tutorial hint that points at the marked person keeps it.
    if (!marker->hold)
    {
        GameMob* notable = MobManager::getInstance()->findNotableMob(marker->target);
        marker->target = notable;
        if (notable)
            marker->describe(notable);
        else
            marker->cleanup();
    }
    marker->update(dt);
}

void GameServices::checkRunEnd()
{
    GameInterface::getInstance()->checkRunEnd();
}

void GameServices::showFileNotices()
{
    FileNotices* notices = FileNotices::getInstance();
    if (notices->hasPending())
        notices->showNext();
}

void GameServices::closeMainMenu()
{
    MenuEngine::getInstance()->close();
}

void GameServices::leaveEditor()
{
    // Hiding the editor also gives the game its cursor back.
    MapEditor* editor = MapEditor::getInstance();
    editor->setVisible(false);
    editor->hideMarkers();
}

void GameServices::enterEditor()
{
    MapEditor* editor = MapEditor::getInstance();
    editor->setVisible(true);
    editor->showMarkers();
    // A save killed half way left its temporary beside the maps (the size of a map
    // each); the map maker is back, so it can go.
    MapEditorBackup::removeLeftovers(GameData::getInstance()->folder());
}

void GameServices::showRain()
{
    WeatherEngine::getInstance()->showRain();
}

void GameServices::hideRain()
{
    WeatherEngine::getInstance()->hideRain();
}

void GameServices::setInterfaceMode(int state)
{
    InterfaceManager::getInstance()->setMode(state);
}

void GameServices::playIntro()
{
    GameInterface::getInstance()->playIntro();
}
