// The level and run flow of GameInterface: loading a zone, starting,
// restarting and ending a run, the unlocks a run wins, and the small services
// the world and the editor call (console line, screen shake, weapon picture,
// saving the map).
#include "actors/Player.h"
#include "app/Achievements.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "platform/GamePaths.h"
#include "ui/UICopHUD.h"
#include "ui/UIMainHUD.h"
#include "world/GameData.h"
#include "world/LevelSettings.h"
#include "world/MapFile.h"
#include "world/Pather.h"
#include "world/WorldMap.h"

#include <array>
#include <cstdlib>

USING_NS_CC;

namespace {

// A zone whose map file is missing is an empty map of this many cells a side.
constexpr int kEmptyMapSize = 140;
constexpr int kFemaleCharacter = 4002;
constexpr int kNormalMode = 0;
constexpr int kLastRunEndStep = 5;

constexpr int kWorldZ = 0;
constexpr int kFlashOverlayZ = 2000;
constexpr int kLogoZ = 2100;
constexpr float kRestartSeconds = 1.6f;
constexpr float kLogoTopMargin = 32.0f;
constexpr int kShakeActionTag = 0x5AE;

// The citizen count of the zone now loaded; the map is saved with it.
int zoneCitizenCount = LevelSettings().citizenCount;

const char* deathMessage(int cause)
{
    switch (cause)
    {
    case 1:
        return "You have been `@neutralised`7 by a police drone.";
    case 2:
        return "You have been `@neutralised`7 by, uh... yourself.";
    case 3:
        if (std::rand() % 1000 == 0)
            return "You have been `@neutralised`7 by a vegetarian.";
        return "You have been `@neutralised`7 by a vigilante.";
    case 4:
        return "You have been `@neutralised`7 by a vigilante.";
    case 5:
        return "You have been `@neutralised`7 by your target.";
    case 6:
        return "You have been `@neutralised`7 by a bodyguard.";
    case 7:
        return "You have been `@neutralised`7 by a hitman.";
    default:
        return "You have been `@neutralised`7.";
    }
}

// What finishing a run wins, by zone: the Normal-mode unlocks (with one more
// on Tough), and the credit threshold of the Score Attack and Blaster Only
// unlocks.
struct ZoneUnlocks
{
    std::array<int, 4> normal; // 0 ends the list
    int tough;
    int achievement;
    int scoreAttackUnlock;
    int scoreAttackCredits;
    int blasterUnlock;
    int blasterCredits;
};

constexpr std::array<ZoneUnlocks, GameData::kZoneCount> kZoneUnlocks{{
    {{2002, 2006, 2003, 2024}, 2038, 107, 2029, 3000, 2019, 2000},
    {{2009, 2014, 2015, 2025}, 2039, 108, 2030, 5000, 2020, 4000},
    {{2012, 2026, 2017, 0}, 2040, 109, 2031, 7000, 2021, 6000},
}};

bool mapFileExists(const std::string& path)
{
    return GamePaths::fileExists(path);
}

// The run's player leaves the game: the camera and the driver forget it
// first, then it is taken off the map and deleted with the world's end-of-frame
// deletions. (The world map hands a spawned player to its caller; once the mob
// manager keeps the player, its removal takes this over.)
void letPlayerGo(Player*& player)
{
    GameCamera::getInstance()->setTarget(nullptr);
    if (!player)
        return;
    Player* leaving = player;
    player = nullptr;
    WorldMap* map = WorldMap::getInstance();
    map->removeObject(leaving, true);
    map->queueForDeletion(leaving);
}

}

void GameInterface::loadLevel()
{
    levelUsed = false;
    // WeatherEngine::clearRain and MobManager::clear are not offered yet.
    letPlayerGo(player);
    // PoliceManager::reset is not offered yet.
    WorldMap* map = WorldMap::getInstance();
    map->clear();

    SoundEngine* sound = SoundEngine::getInstance();
    sound->stopAll();
    cityLoopSound = sound->play(nullptr, true, "city_loop.wav", 1.0f);
    rainLoopSound = sound->play(nullptr, true, "rain_loop.wav", 1.0f);

    // The path finder is sized to its map: the next use makes a fresh one.
    Pather::destroyInstance();
    // The map editor's selection is cleared once the editor exists.

    runOver = false;
    papersBought = false;
    scanCountdown = -1.0f;
    armedCitizenPercent = 25;
    firstWeaponPercent = 0;
    secondWeaponPercent = 35;

    const GameData* data = GameData::getInstance();
    const std::string mapPath = data->getLevelMapPath();
    if (mapFileExists(mapPath))
    {
        const LevelSettings settings = readLevelSettings(data->getLevelSettingsPath());
        zoneCitizenCount = settings.citizenCount;
        contactcount = settings.contactCount;
        maxmissionspawndistance = settings.maxMissionSpawnDistance;
        missioncount = settings.missionCount;
        trainlocation = settings.trainLocation;
        // The citizen target (PopulationSettings) and the contract value table
        // take their values once their owners offer them.
        readMapFile(mapPath);
        map->mapLoaded = true;
    }
    else
    {
        map->init(kEmptyMapSize, kEmptyMapSize);
    }

    map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    map->addAllObjectSprites();
    if (gameLayer && map->worldNode && !map->worldNode->getParent())
        gameLayer->addChild(map->worldNode, kWorldZ);

    // The game draws its own cursor.
    if (GLView* view = Director::getInstance()->getOpenGLView())
        view->setCursorVisible(false);

    GameCamera* camera = GameCamera::getInstance();
    camera->position = WorldMap::gridToPixel(map->mapCentre.x, map->mapCentre.y);
    camera->update(0.0f);
    // In Edit the editor panel and its marker sprites come back once the editor exists.
}

void GameInterface::startRun()
{
    zoneCompleted = false;
    papersBought = false;
    dealerVisited = false;
    runSummaryShown = false;
    runOver = false;
    runEndStep = 0;
    dealerHintTimer = 0.0f;
    levelUsed = true;

    // Clearing the console, the zone and difficulty tuning, the statistics'
    // run counters and the high-score store's murder list wait for their owners.
    if (flashOverlay)
    {
        flashOverlay->stopAllActions();
        flashOverlay->removeFromParent();
        flashOverlay = nullptr;
    }
    clearMessages();

    if (mainHUD)
        mainHUD->setVisible(true);
    if (copHUD)
        copHUD->setVisible(true);

    WorldMap* map = WorldMap::getInstance();
    Vec2 spawn = map->randomPlayerSpawn();
    // A map without a player spawn marker (an empty map) starts at its centre.
    if (spawn == WorldMap::None)
        spawn = WorldMap::gridToPixel(map->mapCentre.x, map->mapCentre.y) +
                Vec2(WorldMap::CellSize / 2.0f, WorldMap::CellSize / 2.0f);

    letPlayerGo(player);
    if (playerCharacter == -1)
        playerCharacter = kFemaleCharacter;

    creditsEarned = 0;
    murders = 0;
    gangKills = 0;
    contractsDone = 0;
    // The police, the citizen spawner and the contract board are reset once they offer it.

    player = map->spawnPlayer(playerCharacter, spawn);
    // The player reads the controller's movement once the Player offers its inputs.
    if (player)
        GameCamera::getInstance()->setTarget(player);

    windowMode = 0;
    refreshCursor();
    // The HUD refresh, the tutorial reset and the hover reset wait for their owners.
    setState(GameState::Playing);
    // Dead Trench Walking's hostile citizens wait for the mob manager's actor list.
}

void GameInterface::restart()
{
    if (restarting)
        return;
    restarting = true;

    if (!flashOverlay)
    {
        flashOverlay = LayerColor::create(Color4B(255, 255, 255, 255));
        if (gameLayer)
            gameLayer->addChild(flashOverlay, kFlashOverlayZ);
    }
    if (logoSprite)
        logoSprite->removeFromParent();
    logoSprite = createSprite("Tallowind.png");
    if (logoSprite)
    {
        logoSprite->setAnchorPoint(Vec2(0.5f, 1.0f));
        logoSprite->setPosition(Vec2(visibleSize.width * 0.5f, visibleSize.height - kLogoTopMargin));
        if (gameLayer)
            gameLayer->addChild(logoSprite, kLogoZ);
    }
    showCaption(true, true, "`bRestarting...");
    flashOverlay->runAction(Sequence::create(DelayTime::create(kRestartSeconds),
                                             CallFunc::create([this]() { reloadLevelAndStart(); }), nullptr));
}

void GameInterface::reloadLevelAndStart()
{
    // WeatherEngine::clearRain is not offered yet.
    restarting = false;
    // Nothing may keep pointing at the player that goes with the actors.
    letPlayerGo(player);
    // MobManager::clear is not offered yet.
    // Queued path requests belong to the actors that went: drop them with the path finder.
    Pather::destroyInstance();
    WorldMap* map = WorldMap::getInstance();
    map->clear();
    creditsEarned = 0;
    if (rankTableNode)
    {
        rankTableNode->removeFromParent();
        rankTableNode = nullptr;
    }
    // The high-score store's initials reset waits for the store.

    const std::string mapPath = GameData::getInstance()->getLevelMapPath();
    if (mapFileExists(mapPath))
        readMapFile(mapPath);
    else
        map->init(kEmptyMapSize, kEmptyMapSize);
    map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    map->addAllObjectSprites();

    startRun();
    if (logoSprite)
    {
        logoSprite->removeFromParent();
        logoSprite = nullptr;
    }
}

void GameInterface::playerDied(int cause)
{
    setState(GameState::Dead);
    if (mode != kNormalMode)
        grantRunUnlocks();
    // UIInteractWindow is not offered yet, so no window can be open to remove;
    // the driver forgets it all the same.
    interactWindow = nullptr;
    queueMessage(deathMessage(cause), true);
    // Clearing the console waits for UITextConsole::clear.
}

void GameInterface::grantRunUnlocks()
{
    const int zone = GameData::getInstance()->currentZone;
    if (zone < 0 || zone >= GameData::kZoneCount)
        return;
    const ZoneUnlocks& wins = kZoneUnlocks[static_cast<size_t>(zone)];
    Achievements* achievements = Achievements::getInstance();
    switch (mode)
    {
    case 0:
        for (int unlock : wins.normal)
            if (unlock != 0)
                achievements->unlock(unlock, false, false);
        if (difficulty == 1)
            achievements->unlock(wins.tough, false, false);
        // Achievement wins.achievement waits for Achievements::setAchievement.
        break;
    case 1:
        if (creditsEarned >= wins.scoreAttackCredits)
            achievements->unlock(wins.scoreAttackUnlock, false, false);
        break;
    case 2:
        if (creditsEarned >= wins.blasterCredits)
            achievements->unlock(wins.blasterUnlock, false, false);
        break;
    default:
        break;
    }
    // Saving the game state waits for StatEngine::saveGameState.
}

void GameInterface::completeZone()
{
    grantRunUnlocks();
    // The zone and no-crime achievements wait for Achievements::setAchievement
    // and the statistics' run counters.
    runOver = true;
    // The HUD overlay's pending node waits for GameInterface::removeOverlayNode.
    // The interaction window (not offered yet) goes, and with it its pointer and mode.
    interactWindow = nullptr;
    if (windowMode != 4 && windowMode != 5)
        windowMode = 0;

    letPlayerGo(player);
    // The run summary (once per run) waits for the end-of-run screens.
    runSummaryShown = true;
    zoneCompleted = true;
    // Opening the message pages waits for MenuEngine::showMessagePages.
}

bool GameInterface::isRunOver() const
{
    if (state == GameState::Edit || state == GameState::Menu || runOver)
        return false;
    if (player && player->health > 0)
        return false;
    // In the other modes the high-score store's summary and prompt count too,
    // once the store offers them.
    return runEndStep == kLastRunEndStep;
}

void GameInterface::leaveRunToMenu()
{
    if (mainHUD)
        mainHUD->setVisible(false);
    if (copHUD)
        copHUD->setVisible(false);
    // Closing the end-of-run screens and opening the main menu wait for their owners.
}

void GameInterface::addConsoleLine(const std::string& text)
{
    // Only a living player's run has a console to read.
    if (!player || player->health <= 0)
        return;
    // The console's pending lines are not offered yet: the line has nowhere to go.
    (void)text;
}

void GameInterface::shakeScreen(int repeats, float stepSeconds)
{
    if (!gameLayer || repeats <= 0)
        return;
    // A shake that starts during another one shakes round the same rest
    // position, so the layer always comes back to where it was.
    if (gameLayer->getActionByTag(kShakeActionTag))
        gameLayer->stopActionByTag(kShakeActionTag);
    else
        shakeRestPosition = gameLayer->getPosition();
    gameLayer->setPosition(shakeRestPosition);

    const float amplitude = static_cast<float>(std::rand() % 2 + 2);
    const Vec2 rest = shakeRestPosition;
    auto* once = Sequence::create(MoveTo::create(stepSeconds, rest - Vec2(amplitude, 0.0f)),
                                  MoveTo::create(stepSeconds, rest + Vec2(amplitude, 0.0f)),
                                  MoveTo::create(stepSeconds, rest + Vec2(0.0f, amplitude)),
                                  MoveTo::create(stepSeconds, rest - Vec2(0.0f, amplitude)),
                                  MoveTo::create(stepSeconds, rest), nullptr);
    Action* shake = Repeat::create(once, static_cast<unsigned>(repeats));
    shake->setTag(kShakeActionTag);
    gameLayer->runAction(shake);
}

void GameInterface::showWeaponIcon()
{
    if (weaponIcon)
    {
        weaponIcon->stopAllActions();
        weaponIcon->removeFromParent();
        weaponIcon = nullptr;
    }
    // The held item's picture waits for the Player's held weapon.
}

void GameInterface::saveMap()
{
    const std::string path = GameData::getInstance()->getLevelMapPath();
    if (writeMapFile(path, zoneCitizenCount, trainlocation))
        queueMessage("Map saved. :-)", true);
    else
        queueMessage("`@Map not saved:`7 " + path + " could not be written.", true);
}
