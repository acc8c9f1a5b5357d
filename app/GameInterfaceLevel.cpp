// The level and run flow of GameInterface: loading a zone, starting,
// restarting and ending a run, the unlocks a run wins, and the small services
// the world and the editor call (console line, screen shake, weapon picture,
// saving the map).
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/PopulationSettings.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/PopulationSettings.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "actors/police/PoliceManager.h"
#include "app/Achievements.h"
#include "app/ControllerInterface.h"
#include "app/FileNotices.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/HighScores.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "app/StatEngine.h"
#include "app/WeatherEngine.h"
#include "platform/GamePaths.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/HoverInfo.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "ui/hud/UITextConsole.h"
#include "ui/menus/MenuEngine.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/UIMenu.h"
#include "ui/UIText.h"
#include "ui/windows/ShopEngine.h"
#include "world/GameData.h"
#include "world/LevelSettings.h"
#include "world/MapEditor.h"
#include "world/MapFile.h"
#include "world/Pather.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

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
// The picture of a weapon taken up fades in over the player and out again.
constexpr int kWeaponIconZ = 1200;
constexpr float kIconFadeSeconds = 0.6f;
constexpr float kIconHoldSeconds = 1.0f;

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

// Achievements for what did not happen in the run: the statistic has no run
// count (or no record at all).
constexpr std::array<std::pair<int32_t, int32_t>, 5> kCleanRunAchievements{{
    {1011, 121}, // no contract accepted
    {1010, 122}, // no body reported
    {1002, 115}, // no contract failed
    {1013, 111}, // no shot missed
    {1014, 110}, // nothing bought
}};
constexpr int kLastZone = 2;
constexpr int kToughDifficulty = 1;
constexpr int kImpossibleDifficulty = 2;

// A hoarder leaves the zone with one of each of these in the pockets.
constexpr std::array<int, 10> kFullSet{{69, 70, 87, 367, 368, 369, 154, 88, 320, 321}};
constexpr int32_t kFullSetAchievement = 129;

bool carriesFullSet(const Inventory& inventory)
{
    for (int item : kFullSet)
        if (inventory.countOf(item) < 1)
            return false;
    return true;
}

// What leaving a zone wins besides the run's unlocks.
void grantZoneAchievements(int difficulty, const Player* player)
{
    Achievements* achievements = Achievements::getInstance();
    if (GameData::getInstance()->currentZone == kLastZone)
    {
        if (difficulty == kImpossibleDifficulty)
            achievements->setAchievement(131);
        else if (difficulty == kToughDifficulty)
            achievements->setAchievement(132);
    }
    const StatEngine* stats = StatEngine::getInstance();
    for (const auto& [stat, achievement] : kCleanRunAchievements)
    {
        const StatRecord* record = stats->find(stat);
        if (!record || record->run == 0)
            achievements->setAchievement(achievement);
    }
    if (player && carriesFullSet(*player->inventory))
        achievements->setAchievement(kFullSetAchievement);
}

bool mapFileExists(const std::string& path)
{
    return GamePaths::fileExists(path);
}

// The faults of the files a zone is built from, told on screen once a file:
// the first fault, how many more there are, and what the game does without
// them. Every fault is on stderr too, for the map maker.
void tellFileProblems(const std::vector<DataFileProblem>& problems, DataFileProblem::Severity least,
                      const std::string& consequence)
{
    std::vector<std::string> files;
    for (const DataFileProblem& problem : problems)
    {
        if (problem.severity >= least && std::find(files.begin(), files.end(), problem.file) == files.end())
            files.push_back(problem.file);
    }
    for (const std::string& file : files)
    {
        std::vector<const DataFileProblem*> faults;
        for (const DataFileProblem& problem : problems)
        {
            if (problem.file == file && problem.severity >= least)
                faults.push_back(&problem);
        }
        // A fault of the whole file says itself what the game does instead.
        const DataFileProblem& first = *faults.front();
        const std::string more =
            faults.size() > 1 ? formatString(" (and %zu more faults)", faults.size() - 1) : std::string();
        FileNotices::getInstance()->readProblem(
            file, first.line > 0 ? formatString("line %d could not be read", first.line) + more + ";\n" + consequence
                                 : first.message + more + ".");
    }
}

// The last run's texts go, but what the player has not yet read about their
// files (a notice showing or waiting) is told again in the new run.
void clearMessagesButFileNotices(GameInterface* game)
{
    const FileNotices* notices = FileNotices::getInstance();
    std::vector<std::string> unread;
    if (game->popupText && notices->isNotice(game->popupText->text))
        unread.push_back(game->popupText->text);
    for (const Message& message : game->messages)
        if (notices->isNotice(message.text))
            unread.push_back(message.text);
    game->clearMessages();
    for (const std::string& text : unread)
        game->queueMessage(text, true);
}

// The zone's map into the WorldMap. A map file the reader refuses leaves an
// empty map, not one loaded from the file, and a missing one an empty map of
// the default size; played, either is an empty city, so the player hears why.
void readZoneMap(WorldMap* map, const std::string& path)
{
    if (!mapFileExists(path))
    {
        map->init(kEmptyMapSize, kEmptyMapSize);
        if (!path.empty())
            FileNotices::getInstance()->readProblem(path, "the map is missing, so the zone is empty.");
        return;
    }
    map->mapLoaded = readMapFile(path);
    if (!map->mapLoaded)
        FileNotices::getInstance()->readProblem(path, "the map could not be read, so the zone is empty.");
}

// The run's player leaves the game: the camera and the driver forget it and
// the actor manager, which owns the run's player, takes it out with every
// reference to it. A player the manager never held is handed over first, so
// that one path takes every player out.
void letPlayerGo(Player*& player)
{
    GameCamera::getInstance()->setTarget(nullptr);
    MobManager* mobs = MobManager::getInstance();
    Player* leaving = player;
    player = nullptr;
    if (leaving)
        mobs->setPlayer(leaving);
    mobs->setPlayer(nullptr);
}

}

void GameInterface::loadLevel()
{
    levelUsed = false;
    WeatherEngine::getInstance()->clearRain();
    // The contract goes before the actors: its target leaving with them is no failure.
    MissionManager::getInstance()->resetRun();
    letPlayerGo(player);
    MobManager::getInstance()->clear();
    PoliceManager::getInstance()->reset();
    WorldMap* map = WorldMap::getInstance();
    map->clear();
    // The train hung under the world node and went with the map.
    train = nullptr;

    SoundEngine* sound = SoundEngine::getInstance();
    sound->stopAll();
    cityLoopSound = sound->play(nullptr, true, "city_loop.wav", 1.0f);
    rainLoopSound = sound->play(nullptr, true, "rain_loop.wav", 1.0f);

    // The path finder is sized to its map: the next use makes a fresh one.
    Pather::destroyInstance();

    runOver = false;
    papersBought = false;
    scanCountdown = -1.0f;
    armedCitizenPercent = 25;
    firstWeaponPercent = 0;
    secondWeaponPercent = 35;
    // A zone without a settings text prices its contracts at the defaults.
    resetContractValues();

    const GameData* data = GameData::getInstance();
    tellFileProblems(data->problems(), DataFileProblem::Error, "the game goes on without what it could not read.");
    const std::string mapPath = data->getLevelMapPath();
    if (mapFileExists(mapPath))
    {
        std::vector<DataFileProblem> problems;
        const LevelSettings settings = readLevelSettings(data->getLevelSettingsPath(), &problems);
        // A faulty line keeps its default; the map maker hears where it is.
        for (const DataFileProblem& problem : problems)
            std::fprintf(stderr, "Tallowind: %s\n", problem.describe().c_str());
        tellFileProblems(problems, DataFileProblem::Warning, "the zone's default settings are used instead.");
        zoneCitizenCount = settings.citizenCount;
        contactcount = settings.contactCount;
        maxmissionspawndistance = settings.maxMissionSpawnDistance;
        missioncount = settings.missionCount;
        trainlocation = settings.trainLocation;
        contractValueTable = settings.contractValues;
    }
    else
    {
        // No settings are read for a zone without a map, but the values a
        // saved map carries must not be the previous zone's.
        const LevelSettings defaults;
        zoneCitizenCount = defaults.citizenCount;
        trainlocation = defaults.trainLocation;
    }
    readZoneMap(map, mapPath);

    PopulationSettings::getInstance()->beginZone(zoneCitizenCount);
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
    // The editor's selection went with the old map; in Edit its panel and
    // marker sprites come back.
    MapEditor::getInstance()->onLevelLoaded();
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
    // A restart still waiting loses its fade below (the overlay goes), so it
    // would never finish: the new run replaces it.
    restarting = false;

    if (console)
        console->clear();
    GameHUD::getInstance()->clear();
    HoverInfo::getInstance()->reset();
    applyLevelTuning();
    StatEngine::getInstance()->resetRunCounters();
    if (flashOverlay)
    {
        flashOverlay->stopAllActions();
        flashOverlay->removeFromParent();
        flashOverlay = nullptr;
    }
    clearMessagesButFileNotices(this);
    HighScores* scores = HighScores::getInstance();
    scores->clearMurders();
    scores->closeScreens();
    // A score entered while the disk was full is written once there is room.
    scores->saveIfUnsaved();

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
    MissionManager::getInstance()->resetRun();
    // The city that lived behind the menu, or the last run's, goes with every
    // actor in it: the spawner fills the new run's city from nothing, so no
    // citizen or robot is left walking uncounted beside the new ones. Nobody
    // is left from another mode either: in Dead Trench Walking the citizens
    // are made hostile as they are spawned.
    MobManager::getInstance()->clear();
    PoliceManager::getInstance()->reset();
    PopulationSettings::getInstance()->resetRun();

    player = map->spawnPlayer(playerCharacter, spawn);
    MobManager::getInstance()->setPlayer(player);
    if (player)
    {
        if (controller)
        {
            player->horizontalInput = &controller->moveHorizontal;
            player->verticalInput = &controller->moveVertical;
            player->runInput = &controller->running;
        }
        GameCamera::getInstance()->setTarget(player);
    }

    windowMode = 0;
    refreshCursor();
    // A new run shows its tutorials afresh, the first one after a short wait.
    TutorialEngine* tutorials = TutorialEngine::getInstance();
    tutorials->cooldown = TutorialEngine::kShowCooldown;
    tutorials->reset();
    GameHUD::getInstance()->refresh(true);
    setState(GameState::Playing);
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
    WeatherEngine::getInstance()->clearRain();
    restarting = false;
    // Nothing may keep pointing at the player that goes with the actors.
    letPlayerGo(player);
    // The contract goes before the actors: its target leaving with them is no failure.
    MissionManager::getInstance()->resetRun();
    MobManager::getInstance()->clear();
    // Queued path requests belong to the actors that went: drop them with the path finder.
    Pather::destroyInstance();
    WorldMap* map = WorldMap::getInstance();
    map->clear();
    train = nullptr;
    creditsEarned = 0;
    if (rankTableNode)
    {
        rankTableNode->removeFromParent();
        rankTableNode = nullptr;
    }
    HighScores::getInstance()->resetInitials();

    readZoneMap(map, GameData::getInstance()->getLevelMapPath());
    PopulationSettings::getInstance()->beginZone(zoneCitizenCount);
    map->buildTiles(0.0f, 0.0f, -1.0f, -1.0f);
    map->addAllObjectSprites();
    // The editor must not keep a selection of the map that went.
    MapEditor::getInstance()->onLevelLoaded();

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
    closeWindow();
    queueMessage(deathMessage(cause), true);
    if (console)
        console->clear();
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
        if (difficulty == kToughDifficulty)
            achievements->unlock(wins.tough, false, false);
        achievements->setAchievement(wins.achievement);
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
    StatEngine::getInstance()->saveGameState();
}

void GameInterface::completeZone()
{
    grantRunUnlocks();
    grantZoneAchievements(difficulty, player);
    runOver = true;
    removeOverlayNode();
    closeWindow();

    letPlayerGo(player);
    if (!runSummaryShown)
    {
        runSummaryShown = true;
        HighScores* scores = HighScores::getInstance();
        if (mode != kNormalMode)
            scores->resetInitials();
        scores->showRunSummary();
    }
    zoneCompleted = true;
    // The newspaper pages follow; an open menu fades out first.
    MenuEngine* menus = MenuEngine::getInstance();
    if (menu)
        menu->close(menus, static_cast<SEL_CallFunc>(&MenuEngine::showMessagePages));
    else
        menus->showMessagePages();
}

void GameInterface::closeWindow()
{
    // The shop's window leaves the scene at once, and the shop forgets it
    // with its money line and the focus.
    if (interactWindow)
        ShopEngine::getInstance()->closeDone();
    interactWindow = nullptr;
    // The end-of-run windows (modes 4 and 5) are not interaction windows.
    if (windowMode >= 1 && windowMode <= 3)
        windowMode = 0;
}

bool GameInterface::isRunOver() const
{
    if (state == GameState::Edit || state == GameState::Menu || runOver)
        return false;
    if (player && player->health > 0)
        return false;
    if (runEndStep != kLastRunEndStep)
        return false;
    if (mode == kNormalMode)
        return true;
    const HighScores* scores = HighScores::getInstance();
    return !scores->summaryNode && !scores->promptNode;
}

void GameInterface::leaveRunToMenu()
{
    HighScores::getInstance()->closeScreens();
    if (mainHUD)
        mainHUD->setVisible(false);
    if (copHUD)
        copHUD->setVisible(false);
    openMainMenu(nullptr);
}

void GameInterface::addConsoleLine(const std::string& text)
{
    // Only a living player's run has a console to read.
    if (!player || player->health <= 0)
        return;
    if (console)
        console->queueLine(text);
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
        weaponIcon->release();
        weaponIcon = nullptr;
    }
    const GameObject* held = player ? player->currentWeapon : nullptr;
    if (!held || !gameLayer)
        return;
    weaponIcon = createSprite(held->getFileName());
    if (!weaponIcon)
        return;
    // Held as well as parented, like the cursor: the driver outlives any one game layer.
    weaponIcon->retain();
    // Above the player while it faces up the screen, below it otherwise.
    const float facing = player->heading;
    const bool facingUp = facing >= 270.0f || facing <= 90.0f;
    weaponIcon->setAnchorPoint(facingUp ? Vec2(0.5f, 1.4f) : Vec2(0.5f, -0.4f));
    weaponIcon->setPosition(player->getScreenPosition());
    weaponIcon->setOpacity(0);
    gameLayer->addChild(weaponIcon, kWeaponIconZ);
    weaponIcon->runAction(Sequence::create(EaseSineOut::create(FadeIn::create(kIconFadeSeconds)),
                                           DelayTime::create(kIconHoldSeconds),
                                           EaseSineIn::create(FadeOut::create(kIconFadeSeconds)), nullptr));
}

void GameInterface::saveMap()
{
    const GameData* data = GameData::getInstance();
    // A zone without a level name has no map file to write.
    if (GameData::levelName(data->currentZone).empty())
    {
        queueMessage("`@Map not saved:`7 no map file for this zone.", true);
        return;
    }
    const std::string path = data->getLevelMapPath();
    std::string error;
    if (writeMapFile(path, zoneCitizenCount, trainlocation, &error))
    {
        queueMessage("Map saved. :-)", true);
        return;
    }
    // The folder is left out: a whole path runs off the screen.
    queueMessage("`@Map not saved:`7 " + GamePaths::fileName(path) + "\n" + error, true);
}
