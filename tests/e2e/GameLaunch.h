#pragma once
#include "cocos2d.h"

#include <functional>
#include <memory>
#include <string>

class AppDelegate;

// Starts the whole game the way the program entry does (display modes and
// settings, the window, the statistics store, the application delegate's
// launch, which builds the scene and the Game layer) and then plays it frame
// by frame through Director::stepFrame instead of the engine's real-time run
// loop, with keys injected into the view as a player would press them.
//
// The saves folder is the given folder, the assets are the tree's own.
class GameLaunch
{
public:
    using KeyCode = cocos2d::EventKeyboard::KeyCode;

    explicit GameLaunch(const std::string& savesFolder);
    ~GameLaunch();
    GameLaunch(const GameLaunch&) = delete;
    GameLaunch& operator=(const GameLaunch&) = delete;

    // A headless view with a desktop that offers 1600 x 900 and 1920 x 1080.
    // False, with the reason in error(), when the game did not start.
    bool startHeadless();
    // A real window on the current X display (the test's private server).
    bool startInWindow();
    const std::string& error() const { return _error; }

    void step(int frames, float dt = kFrame);
    void stepSeconds(float seconds, float dt = kFrame);
    // Steps until the condition holds; false when it still does not after the seconds.
    bool stepUntil(const std::function<bool()>& condition, float seconds, float dt = kFrame);

    void press(KeyCode key);
    void release(KeyCode key);
    // Press, one frame, release, one frame: a quick tap.
    void tap(KeyCode key, float dt = kFrame);

    // Ends the director as closing the window would.
    void shutDown();

    static constexpr float kFrame = 1.0f / 60.0f;

private:
    bool launch(cocos2d::GLView* view);
    void startStatistics();

    std::unique_ptr<AppDelegate> _app;
    std::string _error;
    bool _running = false;
};
