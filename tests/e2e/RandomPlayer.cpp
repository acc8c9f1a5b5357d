#include "RandomPlayer.h"

#include "GameLaunch.h"

#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <iterator>

USING_NS_CC;

namespace {

using KeyCode = EventKeyboard::KeyCode;

constexpr KeyCode kMovementKeys[] = {KeyCode::KEY_W, KeyCode::KEY_A, KeyCode::KEY_S, KeyCode::KEY_D};
// Every key a run or its windows answer to, besides movement and ESC.
constexpr KeyCode kTapKeys[] = {
    KeyCode::KEY_E,          KeyCode::KEY_E,          KeyCode::KEY_E,           KeyCode::KEY_Q,
    KeyCode::KEY_R,          KeyCode::KEY_F,          KeyCode::KEY_Z,           KeyCode::KEY_V,
    KeyCode::KEY_TAB,        KeyCode::KEY_1,          KeyCode::KEY_2,           KeyCode::KEY_3,
    KeyCode::KEY_UP_ARROW,   KeyCode::KEY_DOWN_ARROW, KeyCode::KEY_LEFT_ARROW,  KeyCode::KEY_RIGHT_ARROW,
    KeyCode::KEY_ENTER,      KeyCode::KEY_SPACE,
};
// The keys of a shop or a dealer's window: choose an entry, take it, leave.
constexpr KeyCode kWindowKeys[] = {KeyCode::KEY_DOWN_ARROW, KeyCode::KEY_DOWN_ARROW, KeyCode::KEY_UP_ARROW,
                                   KeyCode::KEY_E,          KeyCode::KEY_E,          KeyCode::KEY_Q};
// The keys of the end-of-run screens: the initials entry and the tables.
constexpr KeyCode kRunEndKeys[] = {KeyCode::KEY_UP_ARROW, KeyCode::KEY_DOWN_ARROW, KeyCode::KEY_E,
                                   KeyCode::KEY_ENTER, KeyCode::KEY_SPACE};
// The window the game runs in (a first start takes the smaller desktop mode).
constexpr float kWindowWidth = 1600.0f;
constexpr float kWindowHeight = 900.0f;
// How far a seek looks for something to use, and how close it walks, in pixels.
constexpr float kSeekRadius = 600.0f;
constexpr float kUseDistance = 24.0f;
// How long a screen may wait for the player before a key is given to it.
constexpr float kScreenPatience = 1.0f;

GameInterface* driver()
{
    return GameInterface::getInstance();
}

}

RandomPlayer::RandomPlayer(GameLaunch& game, unsigned seed, float dt, int zone)
    : _game(game), _dice(seed), _dt(dt), _zone(zone)
{
}

float RandomPlayer::seconds(float low, float high)
{
    return std::uniform_real_distribution<float>(low, high)(_dice);
}

int RandomPlayer::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(_dice);
}

void RandomPlayer::playFrame()
{
    tendScreens();
    const GameInterface* game = driver();
    if (game->state == GameState::Playing || _act == Act::Pause)
    {
        _actLeft -= _dt;
        if (_act == Act::Seek && _actLeft > 0.0f)
            followSeek();
        if (_actLeft <= 0.0f)
        {
            endAct();
            chooseAct();
        }
    }
    _game.step(1, _dt);
    noteChanges();
}

void RandomPlayer::tendScreens()
{
    GameInterface* game = driver();
    const bool waiting = game->state != GameState::Playing && _act != Act::Pause;
    _stuckSeconds = waiting && game->state == _stuckState ? _stuckSeconds + _dt : 0.0f;
    _stuckState = waiting ? game->state : -1;
    if (!waiting)
        return;
    if (game->state == GameState::Paused && game->tutorialNodes[0])
    {
        releaseHeld();
        _game.tap(KeyCode::KEY_E, _dt);
        ++_counts.tutorialsClosed;
        return;
    }
    // A screen of its own pace (the end of a run, a fade): a key now and then.
    const int patienceFrames = std::max(1, static_cast<int>(kScreenPatience / _dt));
    if (static_cast<int>(_stuckSeconds / _dt) % patienceFrames != patienceFrames - 1)
        return;
    releaseHeld();
    if (game->state == GameState::Menu && !game->player && game->menu)
    {
        startRunByKeys();
        return;
    }
    if (game->state == GameState::Dead && game->runEndStep == 5)
    {
        _game.tap(KeyCode::KEY_SPACE, _dt);
        return;
    }
    _game.tap(kRunEndKeys[pick(static_cast<int>(std::size(kRunEndKeys)))], _dt);
}

void RandomPlayer::startRunByKeys()
{
    // The menu's first entry opens the zones; the zone's first mode starts it.
    _game.tap(KeyCode::KEY_E, _dt);
    for (int i = 0; i < _zone; ++i)
        _game.tap(KeyCode::KEY_DOWN_ARROW, _dt);
    _game.tap(KeyCode::KEY_E, _dt);
    _game.tap(KeyCode::KEY_E, _dt);
    if (driver()->state == GameState::Playing)
        ++_counts.runsStartedFromMenu;
}

void RandomPlayer::chooseAct()
{
    ++_counts.acts;
    // A window that is open takes the keys a shopper gives it.
    if (driver()->windowMode != 0 && pick(4) != 0)
    {
        _act = Act::Tap;
        _actLeft = seconds(0.1f, 0.6f);
        ++_counts.keyTaps;
        _game.tap(kWindowKeys[pick(static_cast<int>(std::size(kWindowKeys)))], _dt);
        return;
    }
    const int roll = pick(100);
    if (roll < 30)
        beginWalk();
    else if (roll < 50)
        beginFire();
    else if (roll < 65)
        beginTap();
    else if (roll < 80)
        beginSeek();
    else if (roll < 93)
        beginPause();
    else
    {
        _act = Act::Idle;
        _actLeft = seconds(0.2f, 2.0f);
    }
}

void RandomPlayer::beginWalk()
{
    _act = Act::Walk;
    _actLeft = seconds(0.3f, 4.0f);
    ++_counts.walks;
    aimSomewhere();
    const int keys = 1 + pick(2);
    for (int i = 0; i < keys; ++i)
        _heldKeys.push_back(kMovementKeys[pick(4)]);
    if (pick(3) == 0)
        _heldKeys.push_back(KeyCode::KEY_SHIFT);
    for (KeyCode key : _heldKeys)
        _game.press(key);
}

void RandomPlayer::beginFire()
{
    _act = Act::Fire;
    _actLeft = seconds(0.05f, 1.5f);
    ++_counts.shots;
    aimSomewhere();
    // The right button raises the weapon to aim; the left fires.
    if (pick(4) == 0)
        _game.tap(KeyCode::KEY_1, _dt);
    _game.pressMouse(pick(5) == 0 ? 1 : 0);
    _mouseHeld = true;
}

void RandomPlayer::beginTap()
{
    _act = Act::Tap;
    _actLeft = seconds(0.1f, 1.0f);
    ++_counts.keyTaps;
    _game.tap(kTapKeys[pick(static_cast<int>(std::size(kTapKeys)))], _dt);
}

void RandomPlayer::beginPause()
{
    _act = Act::Pause;
    _actLeft = seconds(0.5f, 3.0f);
    releaseHeld();
    if (driver()->state != GameState::Playing)
        return;
    ++_counts.pauses;
    _game.tap(KeyCode::KEY_ESCAPE, _dt);
}

void RandomPlayer::beginSeek()
{
    _act = Act::Seek;
    _actLeft = seconds(2.0f, 8.0f);
    const Player* player = driver()->player;
    if (!player)
        return;
    const Vec2 from = player->getPosition();
    const GameObject* target = WorldMap::getInstance()->findObjectNear(false, true, false, from, kSeekRadius);
    // Now and then the contact instead, wherever it stands.
    const auto& contacts = MobManager::getInstance()->contacts;
    if ((!target || pick(3) == 0) && !contacts.empty())
        target = contacts[pick(static_cast<int>(contacts.size()))];
    if (!target)
    {
        _actLeft = 0.0f;
        return;
    }
    _seekPoint = target->getPosition();
    _heldKeys.push_back(KeyCode::KEY_W);
    _game.press(KeyCode::KEY_W);
}

void RandomPlayer::followSeek()
{
    const Player* player = driver()->player;
    if (!player || _heldKeys.empty())
        return;
    if (player->getPosition().distance(_seekPoint) > kUseDistance)
    {
        aimAt(player->getScreenPosition() + (_seekPoint - player->getPosition()));
        return;
    }
    releaseHeld();
    _game.tap(KeyCode::KEY_E, _dt);
}

void RandomPlayer::aimAt(Vec2 designPoint)
{
    const GLView* view = Director::getInstance()->getOpenGLView();
    _game.moveMouse(designPoint.x * view->getScaleX(),
                    view->getFrameSize().height - designPoint.y * view->getScaleY());
}

void RandomPlayer::endAct()
{
    releaseHeld();
    // A pause ends where it began: ESC in the menu resumes the run.
    if (_act == Act::Pause && driver()->state == GameState::Menu && driver()->player)
        _game.tap(KeyCode::KEY_ESCAPE, _dt);
    _act = Act::Idle;
}

void RandomPlayer::releaseHeld()
{
    for (KeyCode key : _heldKeys)
        _game.release(key);
    _heldKeys.clear();
    if (_mouseHeld)
    {
        _game.releaseMouse(0);
        _game.releaseMouse(1);
        _mouseHeld = false;
    }
}

void RandomPlayer::aimSomewhere()
{
    _game.moveMouse(seconds(0.0f, kWindowWidth), seconds(0.0f, kWindowHeight));
}

void RandomPlayer::noteChanges()
{
    const GameInterface* game = driver();
    const Player* player = game->player;
    if (game->state == GameState::Dead && _lastState != GameState::Dead)
        ++_counts.deaths;
    if (game->restarting && !_lastRestarting)
        ++_counts.restarts;
    const int credits = player ? player->credits : 0;
    // A purchase may close its window in the frame it is paid.
    if (player && _lastHadPlayer && (game->windowMode != 0 || _lastWindow != 0) && credits < _lastCredits)
        ++_counts.purchases;
    const bool contract = MissionManager::getInstance()->acceptedContract() != nullptr;
    if (contract && !_lastContract)
        ++_counts.contractsTaken;
    if (game->windowMode != 0 && _lastWindow == 0)
        ++_counts.windowsOpened;
    const bool carrying = player && player->carriedBody;
    if (carrying && !_lastCarrying)
        ++_counts.bodiesCarried;
    const int zone = GameData::getInstance()->currentZone;
    if (_lastZone != -1 && zone != _lastZone)
        ++_counts.zoneChanges;
    _lastState = game->state;
    _lastRestarting = game->restarting;
    _lastWindow = game->windowMode;
    _lastContract = contract;
    _lastCredits = credits;
    _lastHadPlayer = player != nullptr;
    _lastCarrying = carrying;
    _lastZone = zone;
}
