#pragma once
#include "cocos2d.h"

#include <random>
#include <string>
#include <vector>

class GameLaunch;

// What a random player did over a soak, counted as the game saw it.
struct RandomPlayCounts
{
    int acts = 0;
    int walks = 0;
    int shots = 0;
    int keyTaps = 0;
    int pauses = 0;
    int deaths = 0;
    int restarts = 0;
    int runsStartedFromMenu = 0;
    int tutorialsClosed = 0;
    int windowsOpened = 0;
    int purchases = 0;
    int contractsTaken = 0;
    int bodiesCarried = 0;
    int zoneChanges = 0;
};

// A player who presses whatever comes to hand: walks with the movement keys,
// aims and fires with the mouse, taps the use, weapon, item and window keys,
// walks up to the contact, bodies and machines and presses the use key there,
// pauses in the menu and resumes, and, when the run ends, reads the end-of-run
// screens and restarts with SPACE. Inputs only, drawn from its own seeded
// dice; the screens that wait for a key (a tutorial, the end of a run, a menu
// with no run behind it) get the key a person would give them.
class RandomPlayer
{
public:
    RandomPlayer(GameLaunch& game, unsigned seed, float dt, int zone);

    // Plays one frame: the next act when the last one is over, then the step.
    void playFrame();

    const RandomPlayCounts& counts() const { return _counts; }
    // Seconds the game has stood outside a run, a pause or a window of its
    // own making without coming back: a screen no key leads out of.
    float stuckSeconds() const { return _stuckSeconds; }
    int stuckState() const { return _stuckState; }

private:
    enum class Act
    {
        Walk,
        Fire,
        Tap,
        Pause,
        Seek,
        Idle,
    };

    void tendScreens();
    void chooseAct();
    void beginWalk();
    void beginFire();
    void beginTap();
    void beginPause();
    // Walks up to the contact or the nearest thing the use key works on (a
    // body, a wallet, a vending machine, a terminal) by aiming at it and
    // holding W, and presses the use key on arrival.
    void beginSeek();
    void followSeek();
    void aimAt(cocos2d::Vec2 designPoint);
    void endAct();
    void releaseHeld();
    void aimSomewhere();
    void noteChanges();
    void startRunByKeys();
    float seconds(float low, float high);
    int pick(int count);

    GameLaunch& _game;
    std::mt19937 _dice;
    float _dt;
    int _zone;
    Act _act = Act::Idle;
    float _actLeft = 0.0f;
    std::vector<cocos2d::EventKeyboard::KeyCode> _heldKeys;
    bool _mouseHeld = false;
    RandomPlayCounts _counts;
    float _stuckSeconds = 0.0f;
    int _stuckState = -1;
    // What the last frame saw, to count what changed.
    int _lastState = -1;
    int _lastCredits = 0;
    int _lastWindow = 0;
    bool _lastContract = false;
    bool _lastCarrying = false;
    bool _lastHadPlayer = false;
    bool _lastRestarting = false;
    int _lastZone = -1;
    // The sought object's map position while a seek lasts.
    cocos2d::Vec2 _seekPoint;
};
