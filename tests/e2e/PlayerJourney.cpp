#include "PlayerJourney.h"

#include "GameLaunch.h"
#include "JourneyReport.h"

#include "actors/Player.h"
#include "app/ControllerInterface.h"
#include "app/Game.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "ui/CharSelectScreen.h"
#include "ui/ComicEngine.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/UICopHUD.h"
#include "ui/hud/UIMainHUD.h"
#include "ui/UIText.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/menus/UIMenu.h"
#include "world/GameData.h"
#include "world/MapMarker.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

#include <cstdio>

USING_NS_CC;

namespace {

using KeyCode = EventKeyboard::KeyCode;

constexpr int kMale = 4003;
constexpr int kComicPartOnePages = 3;
// Generous bounds of the intro's own timings (logos 6.45 s, fades 2 s, the
// "Go" animation 2.5 s, the dim 1.5 s, a comic part about 11 s).
constexpr float kToCharacterChoice = 10.0f;
constexpr float kToPrompt = 4.0f;
constexpr float kToComic = 8.0f;
constexpr float kToComicEnd = 16.0f;
constexpr float kToMenu = 6.0f;
constexpr float kSecondStartToMenu = 12.0f;

GameInterface* driver()
{
    return GameInterface::getInstance();
}

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

bool onPlayerSpawn(Vec2 position)
{
    for (const MapMarker* marker : WorldMap::getInstance()->playerSpawnMarkers)
        if (marker->position.distance(position) < 0.5f)
            return true;
    return false;
}

}

PlayerJourney::PlayerJourney(GameLaunch& game, JourneyReport& report, float dt, bool strict)
    : _game(game), _report(report), _dt(dt), _strict(strict)
{
}

void PlayerJourney::moment(const std::string& name)
{
    if (onMoment)
        onMoment(name);
}

bool PlayerJourney::checkRoad(bool condition, const std::string& problem)
{
    if (_strict)
        return _report.check(condition, problem);
    if (!condition)
        _report.note("(not counted here) " + problem);
    return condition;
}

std::string PlayerJourney::describe(Vec2 point)
{
    return "(" + number(point.x) + ", " + number(point.y) + ")";
}

bool PlayerJourney::introToMenu(bool firstStart)
{
    GameInterface* game = driver();
    if (!_report.require(game->state == GameState::Intro,
                         "the game did not start in the intro (state " + std::to_string(game->state) + ")"))
        return false;
    if (!logosShown())
        return false;
    if (firstStart && !(chooseCharacter() && readComic()))
        return false;
    return arriveAtMenu(firstStart);
}

bool PlayerJourney::logosShown()
{
    GameInterface* game = driver();
    _report.check(game->flashOverlay && game->flashOverlay->isVisible() && game->flashOverlay->getOpacity() == 255,
                  "the intro does not open on a white screen");
    _report.check(game->logoSprite && game->logoSprite->getParent() == game->gameLayer,
                  "no logo picture (CorvanishLogo.png) under the game layer");
    _report.check(game->presentsSprite && !game->presentsSprite->isVisible(),
                  "no hidden presents picture (CorvanishPresents.png)");

    _game.stepSeconds(3.0f, _dt);
    _report.check(game->flashOverlay && !game->flashOverlay->isVisible(), "the white screen is still up after 3 s");
    _report.check(game->logoSprite && game->logoSprite->getOpacity() == 255, "the logo has not faded in after 3 s");
    _report.note("3 s: white screen gone, logo shown");
    moment("logo");
    return true;
}

bool PlayerJourney::chooseCharacter()
{
    GameInterface* game = driver();
    CharSelectScreen* screen = CharSelectScreen::getInstance();
    if (!_report.require(_game.stepUntil([&] { return game->introStep == 2; }, kToCharacterChoice, _dt),
                         "the character choice never came (intro step " + std::to_string(game->introStep) + ")"))
        return false;
    _report.check(screen->getParent() == game->gameLayer, "the character screen is not on the game layer");
    _report.check(screen->male && screen->female, "the character screen shows no characters");
    _report.check(_game.stepUntil([&] { return screen->prompt != nullptr; }, kToPrompt, _dt),
                  "no character prompt two seconds after the pictures faded");
    if (screen->prompt)
        _report.note("character prompt: \"" + screen->prompt->text + "\"");

    // D highlights the right-hand character, the male one.
    _game.tap(KeyCode::KEY_D, _dt);
    if (!checkRoad(screen->selection == 1,
                       "D at the character choice did not highlight the male character (selection " +
                           std::to_string(screen->selection) + "): the key never reaches CharSelectScreen"))
    {
        _report.note("going on by highlighting the male character on the screen directly");
        screen->selection = 1;
        screen->showPrompt();
    }
    if (screen->prompt)
        _report.note("after D: \"" + screen->prompt->text + "\"");
    // Let the prompt type itself out before looking.
    _game.stepSeconds(2.0f, _dt);
    moment("choice");

    _game.tap(KeyCode::KEY_E, _dt);
    if (!checkRoad(screen->chosen && game->playerCharacter == kMale,
                       "E at the character choice did not choose the highlighted character (playerCharacter " +
                           std::to_string(game->playerCharacter) + ")"))
    {
        _report.note("going on by choosing on the screen directly");
        screen->select();
    }
    return _report.require(game->playerCharacter == kMale, "no character was chosen");
}

bool PlayerJourney::readComic()
{
    GameInterface* game = driver();
    ComicEngine* comic = ComicEngine::getInstance();
    if (!_report.require(_game.stepUntil([&] { return game->introStep == 4; }, kToComic, _dt),
                         "the comic never came after the choice (intro step " + std::to_string(game->introStep) +
                             ")"))
        return false;
    _report.check(game->comicPart == 1, "the first start does not show comic part 1");
    // The comic comes once the screen has faded to black.
    _report.check(_game.stepUntil([&] { return comic->pages[0] != nullptr; }, kToComic, _dt),
                  "no comic page came after the fade to black");
    int pages = 0;
    for (Sprite* page : comic->pages)
        pages += page ? 1 : 0;
    _report.check(pages == kComicPartOnePages,
                  "comic part 1 shows " + std::to_string(pages) + " pages, not " + std::to_string(kComicPartOnePages));
    _report.check(game->dimLayer && game->dimLayer->getOpacity() == 255, "the screen behind the comic is not black");

    if (!_report.require(_game.stepUntil([&] { return comic->pageComplete; }, kToComicEnd, _dt),
                         "the comic never finished its pages"))
        return false;
    _report.note("comic part 1: " + std::to_string(pages) + " pages, then \"" +
                 (comic->prompt ? comic->prompt->text : std::string("(no prompt)")) + "\"");
    moment("comic");

    _game.tap(KeyCode::KEY_E, _dt);
    if (!checkRoad(!comic->pageComplete, "E at the end of the comic did not turn the page: the key never "
                                             "reaches ComicEngine"))
    {
        _report.note("going on by turning the page on the comic directly");
        comic->pageComplete = false;
        comic->pageTransition(ComicEngine::kTransitionSeconds);
    }
    return true;
}

bool PlayerJourney::arriveAtMenu(bool firstStart)
{
    GameInterface* game = driver();
    CharSelectScreen* screen = CharSelectScreen::getInstance();
    bool screenShown = false;
    float seconds = 0.0f;
    const float limit = firstStart ? kToMenu : kSecondStartToMenu;
    while (game->state != GameState::Menu && seconds < limit)
    {
        screenShown = screenShown || screen->getParent() != nullptr;
        _game.step(1, _dt);
        seconds += _dt;
    }
    if (!_report.require(game->state == GameState::Menu,
                         "the intro never reached the menu (state " + std::to_string(game->state) + ", step " +
                             std::to_string(game->introStep) + ")"))
        return false;
    _report.note("menu reached " + number(seconds) + " s after the comic (or the logos)");
    // The dim layer fades out over 1.5 s.
    _game.stepSeconds(2.0f, _dt);
    moment("menu");
    if (!firstStart)
    {
        _report.check(!screenShown, "a second start showed the character choice again");
        for (Sprite* page : ComicEngine::getInstance()->pages)
            _report.check(page == nullptr, "a second start showed a comic page");
    }
    _report.check(!screen->getParent(), "the character screen is still on the scene in the menu");
    _report.check(!game->logoSprite && !game->presentsSprite, "the intro pictures are still up in the menu");
    // Whether the menu is there is a test of its own: the rest of the road
    // is still worth walking without it.
    if (!game->menu)
        _report.note("no main menu is shown after the intro");
    return true;
}

bool PlayerJourney::startRunFromMenu(int zone, int mode)
{
    GameInterface* game = driver();
    UIMenu* menu = game->menu;
    if (!_report.require(game->state == GameState::Menu && menu,
                         "no main menu to start a run from (state " + std::to_string(game->state) + ")"))
        return false;
    // A menu opens on "Game": E opens the zones, the zone's modes follow.
    _report.check(menu->selection == 0, "the menu does not open on its first entry");
    _game.tap(KeyCode::KEY_E, _dt);
    for (int i = 0; i < zone; ++i)
        _game.tap(KeyCode::KEY_DOWN_ARROW, _dt);
    _game.tap(KeyCode::KEY_E, _dt);
    for (int i = 0; i < mode; ++i)
        _game.tap(KeyCode::KEY_S, _dt);
    const MenuEntry* entry = menu->selection >= 0 ? &menu->entries[menu->selection] : nullptr;
    if (entry)
        _report.note("menu entry chosen: \"" + entry->label + "\"" + (entry->enabled ? "" : " (locked)"));
    _game.tap(KeyCode::KEY_E, _dt);
    if (!_report.require(game->state == GameState::Playing && !game->menu,
                         "the menu's mode entry did not start a run (state " + std::to_string(game->state) + ")"))
        return false;
    _report.check(game->mode == mode, "the run is in mode " + std::to_string(game->mode) + ", not " +
                                          std::to_string(mode));
    _report.check(GameData::getInstance()->currentZone == zone, "the run is not in zone " + std::to_string(zone));
    _game.step(1, _dt);
    return checkRunStarted();
}

bool PlayerJourney::checkRunStarted()
{
    GameInterface* game = driver();
    if (!_report.require(game->state == GameState::Playing,
                         "the run did not start (state " + std::to_string(game->state) + ")"))
        return false;
    Player* player = game->player;
    if (!_report.require(player != nullptr, "the run has no player"))
        return false;
    _report.check(player->def && player->def->id == game->playerCharacter,
                  "the player is not the chosen character " + std::to_string(game->playerCharacter));
    _report.check(player->health > 0, "the player starts dead");
    _report.check(onPlayerSpawn(player->getPosition()),
                  "the player did not start on a player spawn marker but at " + describe(player->getPosition()));
    _report.check(player->mainSprite && player->mainSprite->getParent() == WorldMap::getInstance()->worldNode,
                  "the player has no sprite in the world");
    _report.check(game->mainHUD && game->mainHUD->isVisible() && game->copHUD && game->copHUD->isVisible(),
                  "the HUD panels are not shown in the run");
    _report.check(!game->flashOverlay, "the white overlay is still there in the run");
    if (game->mainHUD && game->copHUD)
    {
        _report.note("HUD panels hold " + std::to_string(game->mainHUD->getChildrenCount()) + " and " +
                     std::to_string(game->copHUD->getChildrenCount()) + " nodes");
        // Filled panels: the top-left picture, the police badge with its
        // figures, and the minimap that the run's first refresh builds.
        _report.check(game->mainHUD->panelSprite && game->mainHUD->panelSprite->getParent() == game->mainHUD,
                      "the top-left HUD panel has no picture");
        _report.check(game->copHUD->badge && game->copHUD->text &&
                          game->copHUD->text->text.find("cops") != std::string::npos,
                      "the police panel shows no badge and no figures");
        _report.check(GameHUD::getInstance()->minimapBackground != nullptr, "the run's first refresh built no minimap");
    }
    GameCamera* camera = GameCamera::getInstance();
    _report.check(camera->target == player, "the camera does not follow the player");
    _report.check(WorldMap::getInstance()->cameraPoint.distance(player->getPosition()) < 1.0f,
                  "the view is not centred on the player: view " + describe(WorldMap::getInstance()->cameraPoint) +
                      ", player " + describe(player->getPosition()));
    _report.note("run started: player " + std::to_string(player->def ? player->def->id : -1) + " at " +
                 describe(player->getPosition()));
    return true;
}

bool PlayerJourney::playHolding(int frames, KeyCode first, KeyCode second)
{
    GameInterface* game = driver();
    _game.press(first);
    _game.press(second);
    for (int i = 0; i < frames && game->player; ++i)
        play(1);
    const float horizontal = game->controller ? game->controller->moveHorizontal : -1.0f;
    const float vertical = game->controller ? game->controller->moveVertical : -1.0f;
    _game.release(first);
    _game.release(second);
    _game.step(1, _dt);
    _report.note("while the keys were held the movement request was (" + number(horizontal) + ", " +
                 number(vertical) + ")");
    _report.check(game->state == GameState::Playing,
                  "the run did not survive " + std::to_string(frames) + " frames (state " +
                      std::to_string(game->state) + ")");
    return _report.check(game->player != nullptr, "the player vanished during play");
}

void PlayerJourney::play(int frames)
{
    for (int i = 0; i < frames; ++i)
    {
        _game.step(1, _dt);
        readTutorial();
    }
}

bool PlayerJourney::readTutorial()
{
    GameInterface* game = driver();
    if (game->state != GameState::Paused || !game->tutorialNodes[0])
        return false;
    _report.note("tutorial " + std::to_string(TutorialEngine::getInstance()->currentEntry) +
                 " shown; closed with E");
    _game.tap(KeyCode::KEY_E, _dt);
    checkRoad(game->state == GameState::Playing && !game->tutorialNodes[0], "E did not close the tutorial");
    return true;
}

bool PlayerJourney::checkZoneLoaded(int zone)
{
    GameInterface* game = driver();
    WorldMap* map = WorldMap::getInstance();
    const std::string name = GameData::levelName(zone);
    _report.check(map->mapLoaded, name + ": the map file was not loaded");
    _report.check(map->width > 0 && map->height > 0 && map->width <= WorldMap::MaxSize &&
                      map->height <= WorldMap::MaxSize,
                  name + ": the map has a bad size");
    _report.check(!map->playerSpawnMarkers.empty(), name + ": the map offers no player spawn marker");
    _report.check(map->worldNode && map->worldNode->getParent() == game->gameLayer,
                  name + ": the city is not under the game layer");
    _report.check(map->worldNode && !map->worldNode->getChildren().empty(), name + ": the city has nothing to draw");
    _report.check(game->cityLoopSound != -1 && game->rainLoopSound != -1,
                  name + ": the city and rain sounds do not play");
    const size_t objects = map->solidObjects.size() + map->passableObjects.size();
    _report.note(name + ": " + std::to_string(map->width) + " x " + std::to_string(map->height) + " cells, " +
                 std::to_string(objects) + " objects, " + std::to_string(map->allMarkers.size()) + " markers (" +
                 std::to_string(map->playerSpawnMarkers.size()) + " player spawns), " +
                 std::to_string(map->worldNode ? map->worldNode->getChildrenCount() : 0) +
                 " nodes to draw, train column " + std::to_string(game->trainlocation));
    return map->mapLoaded && !map->playerSpawnMarkers.empty();
}
