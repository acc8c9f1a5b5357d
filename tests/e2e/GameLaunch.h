#pragma once
#include "cocos2d.h"
#include "platform/GamePad.h"

#include <functional>
#include <memory>
#include <string>

class AppDelegate;

// Starts the whole game the way the program entry does (display modes and
// settings, the window, the statistics store, the application delegate's
// launch, which builds the scene and the Game layer) and then plays it frame
// by frame through Director::stepFrame instead of the engine's real-time run
// loop, with keys, the mouse and a game pad injected as a player would use them.
//
// The saves folder is the given folder; the assets are the tree's own unless
// another folder is given (a copy the run may write into).
class GameLaunch
{
public:
    using KeyCode = cocos2d::EventKeyboard::KeyCode;

    explicit GameLaunch(const std::string& savesFolder, const std::string& assetsFolder = treeAssets());
    ~GameLaunch();
    GameLaunch(const GameLaunch&) = delete;
    GameLaunch& operator=(const GameLaunch&) = delete;

    // A headless view with a desktop that offers 1600 x 900 and 1920 x 1080.
    // False, with the reason in error(), when the game did not start.
    bool startHeadless();
    // A real window on the current X display (the test's private server).
    bool startInWindow();
    const std::string& error() const { return _error; }
    // Before a start: the game enters its map editor once the level has
    // loaded, the map makers' way in.
    void requestEditor();

    void step(int frames, float dt = kFrame);
    void stepSeconds(float seconds, float dt = kFrame);
    // Steps until the condition holds; false when it still does not after the seconds.
    bool stepUntil(const std::function<bool()>& condition, float seconds, float dt = kFrame);

    void press(KeyCode key);
    void release(KeyCode key);
    // Press, one frame, release, one frame: a quick tap.
    void tap(KeyCode key, float dt = kFrame);

    // The mouse, in window pixels from the top left as the window reports
    // them; buttons 0 left, 1 right, 2 middle.
    void moveMouse(float x, float y);
    void pressMouse(int button);
    void releaseMouse(int button);
    // Game pad 0's buttons, numbered as platform/GamePad.h lists them.
    void pressPad(int button);
    void releasePad(int button);

    static std::string treeAssets();

    // Ends the director as closing the window would.
    void shutDown();

    static constexpr float kFrame = 1.0f / 60.0f;

private:
    bool launch(cocos2d::GLView* view);
    void startStatistics();

    void injectPad();

    std::unique_ptr<AppDelegate> _app;
    GamePadState _pad;
    std::string _error;
    bool _running = false;
    bool _inWindow = false;
};
