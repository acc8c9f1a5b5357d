#include "GameLaunch.h"

#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/ProgramEntry.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"

#include <GLFW/glfw3.h>

#include <cstdlib>

USING_NS_CC;

namespace {

// The automatic entry's window when not full screen (as the program entry).
constexpr float kAutomaticWidth = 1280.0f;
constexpr float kAutomaticHeight = 720.0f;

}

GameLaunch::GameLaunch(const std::string& savesFolder, const std::string& assetsFolder)
{
    setenv("TALLOWIND_SAVES", savesFolder.c_str(), 1);
    setenv("TALLOWIND_ASSETS", assetsFolder.c_str(), 1);
    // A player's start, never the map maker's.
    unsetenv("TALLOWIND_EDITOR");
    // The program entry makes the delegate first: it is the engine's application.
    _app = std::make_unique<AppDelegate>();
}

GameLaunch::~GameLaunch()
{
    shutDown();
    GamePad::removeInjected(0);
}

std::string GameLaunch::treeAssets()
{
    return std::string(TALLOWIND_SOURCE_DIR) + "/assets";
}

void GameLaunch::requestEditor()
{
    setenv("TALLOWIND_EDITOR", "1", 1);
}

bool GameLaunch::startHeadless()
{
    // No monitor to ask: a desktop with two common modes (a first start takes the smaller).
    buildDisplayModeList({{1600, 900}, {1920, 1080}});
    loadSettings();
    const float width = currentDisplayMode.width == -1 ? kAutomaticWidth : static_cast<float>(currentDisplayMode.width);
    const float height =
        currentDisplayMode.height == -1 ? kAutomaticHeight : static_cast<float>(currentDisplayMode.height);
    return launch(GLView::createHeadless("Tallowind", Size(width, height)));
}

bool GameLaunch::startInWindow()
{
    if (!glfwInit())
    {
        _error = "glfwInit failed";
        return false;
    }
    _inWindow = true;
    enumerateDisplayModes();
    return launch(createMainView());
}

bool GameLaunch::launch(GLView* view)
{
    mainGLView = view;
    if (!mainGLView)
    {
        _error = "no view was made";
        return false;
    }
    startStatistics();
    // What Application::run does before its loop.
    if (!_app->applicationDidFinishLaunching())
    {
        _error = "the application delegate did not launch";
        return false;
    }
    _running = true;
    // The first frame puts the scene on the stage.
    step(1);
    return true;
}

void GameLaunch::startStatistics()
{
    StatsStore* store = StatsStore::getInstance();
    store->init();
    StatEngine::getInstance();
    if (store->isInitialised() && store->isLoggedOn())
        store->requestCurrentStats();
}

void GameLaunch::step(int frames, float dt)
{
    for (int i = 0; i < frames && _running; ++i)
        Director::getInstance()->stepFrame(dt);
}

void GameLaunch::stepSeconds(float seconds, float dt)
{
    step(static_cast<int>(seconds / dt + 0.5f), dt);
}

bool GameLaunch::stepUntil(const std::function<bool()>& condition, float seconds, float dt)
{
    for (float t = 0.0f; t < seconds; t += dt)
    {
        if (condition())
            return true;
        step(1, dt);
    }
    return condition();
}

void GameLaunch::press(KeyCode key)
{
    if (mainGLView)
        mainGLView->injectKeyPress(key);
}

void GameLaunch::release(KeyCode key)
{
    if (mainGLView)
        mainGLView->injectKeyRelease(key);
}

void GameLaunch::tap(KeyCode key, float dt)
{
    press(key);
    step(1, dt);
    release(key);
    step(1, dt);
}

void GameLaunch::moveMouse(float x, float y)
{
    if (mainGLView)
        mainGLView->injectMouseMove(x, y);
}

void GameLaunch::pressMouse(int button)
{
    if (mainGLView)
        mainGLView->injectMouseDown(button);
}

void GameLaunch::releaseMouse(int button)
{
    if (mainGLView)
        mainGLView->injectMouseUp(button);
}

void GameLaunch::pressPad(int button)
{
    if (button < 0 || button >= GamePadState::kMaxButtons)
        return;
    _pad.buttons[button] = 1;
    injectPad();
}

void GameLaunch::releasePad(int button)
{
    if (button < 0 || button >= GamePadState::kMaxButtons)
        return;
    _pad.buttons[button] = 0;
    injectPad();
}

void GameLaunch::injectPad()
{
    // A pad is plugged in from the first button on; the game reads it at its
    // next poll, as it would a real one.
    _pad.connected = true;
    _pad.buttonCount = GamePadState::kMaxButtons;
    GamePad::inject(0, _pad);
}

void GameLaunch::shutDown()
{
    if (!_running)
        return;
    _running = false;
    Director* director = Director::getInstance();
    director->end();
    director->stepFrame(0.0f);
    mainGLView = nullptr;
    // As the program ends after its window closed: the sound device closes,
    // and the window library lets go of the display.
    if (!_inWindow)
        return;
    SoundEngine::getInstance()->closeDevice();
    glfwTerminate();
}
