#include "app/ProgramEntry.h"

#include "actors/citizens/NameTables.h"
#include "app/AppDelegate.h"
#include "app/DisplaySettings.h"
#include "app/GameInterface.h"
#include "app/SavedFile.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "platform/DisplayModes.h"
#include "platform/GamePaths.h"
#include "platform/MessageBox.h"
#include "platform/SavesFolderLock.h"
#include "platform/StatsStore.h"

#include <GLFW/glfw3.h>

USING_NS_CC;

GLView* mainGLView = nullptr;
Scene* runningScene = nullptr;

namespace {

const char* const kWindowTitle = "Tallowind";
const char* const kCriticalError = "Critical Error";

GLView* createFullScreenView()
{
    if (currentDisplayMode.width == -1)
        return GLView::createWithFullScreen(kWindowTitle);

    // The chosen size at the monitor's own colour depths and refresh rate.
    GLFWvidmode videoMode{};
    DisplayModeRecord desktop;
    if (DisplayModes::desktopMode(desktop))
    {
        videoMode.redBits = desktop.redBits;
        videoMode.greenBits = desktop.greenBits;
        videoMode.blueBits = desktop.blueBits;
        videoMode.refreshRate = desktop.refreshRate;
    }
    videoMode.width = currentDisplayMode.width;
    videoMode.height = currentDisplayMode.height;
    return GLView::createWithFullScreen(kWindowTitle, videoMode, glfwGetPrimaryMonitor());
}

GLView* createWindowedView()
{
    int width = currentDisplayMode.width;
    int height = currentDisplayMode.height;
    if (width == -1)
        automaticWindowSize(width, height);
    return GLView::createWithRect(kWindowTitle, Rect(0, 0, static_cast<float>(width), static_cast<float>(height)),
                                  1.0f);
}

void startStatistics()
{
    StatsStore* store = StatsStore::getInstance();
    store->init();
    StatEngine::getInstance();
    if (store->isInitialised() && store->isLoggedOn())
        store->requestCurrentStats();
}

// One game per saves folder: false when another running copy has it (the
// player is told in a message box of its own).
bool savesFolderFree()
{
    const std::string folder = GamePaths::ensureSavesDir();
    switch (SavesFolderLock::acquire(folder))
    {
    case SavesFolderLock::Outcome::HeldByAnother:
        // Two games on one folder would overwrite each other's progress: this
        // one goes before it has read or written anything.
        MessageBox::show("Tallowind is already running.\n\nOnly one copy of the game can use its saves folder at a "
                         "time:\n" +
                             folder,
                         kWindowTitle);
        return false;
    case SavesFolderLock::Outcome::Held:
        // What a killed copy left half written can go.
        SavedFile::removeLeftovers(folder);
        return true;
    case SavesFolderLock::Outcome::Unavailable:
        break;
    }
    // Nothing can be saved there anyway; the saves say so as they fail.
    return true;
}

}

GLView* createMainView()
{
    return fullScreen ? createFullScreenView() : createWindowedView();
}

bool nameTablesReady()
{
    const std::string& problem = NameTables::getInstance()->problem();
    if (problem.empty())
        return true;
    MessageBox::show("ERROR: The citizens' name lists are missing or incomplete.\n" + problem + "Exiting.",
                     kCriticalError);
    return false;
}

int runProgram()
{
    if (!savesFolderFree())
        return 0;
    // Nobody in the city can be named without the name lists: check them
    // before any window opens.
    if (!nameTablesReady())
        return 0;

    AppDelegate app;

    if (!glfwInit())
    {
        MessageBox::show("ERROR: OpenGL initialisation failed. Exiting.", kCriticalError);
        return 0;
    }

    enumerateDisplayModes();
    mainGLView = createMainView();
    if (!mainGLView)
    {
        MessageBox::show("ERROR: GLView initialisation failed. Exiting.", kCriticalError);
        // The next start tries the smallest mode in a window, and checks it first.
        saveSettings(displayModes.front(), false, false);
        return 0;
    }

    startStatistics();
    const int code = Application::getInstance()->run();
    GameInterface::getInstance()->saveBeforeQuitting();
    // The window is closed by now. The program ends in order: the sound
    // device and the window library's hold on the display go too, so no
    // thread of the audio or the GL driver is still running or half torn down
    // while the process ends.
    SoundEngine::getInstance()->closeDevice();
    glfwTerminate();
    return code;
}
