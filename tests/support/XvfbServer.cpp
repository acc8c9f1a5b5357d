#include "XvfbServer.h"

#include "cocos2d.h"

#include <GLFW/glfw3.h>

#include <cerrno>
#include <dlfcn.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool displayInUse(int n)
{
    const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
    const std::string sock = "/tmp/.X11-unix/X" + std::to_string(n);
    return std::filesystem::exists(lock) || std::filesystem::exists(sock);
}

// The window library and the GL driver load X11 and GL libraries and unload
// them again when the window library shuts down. A leak inside such a library is then
// reported against an unmapped address that no suppression can name, so the
// libraries are pinned for the life of the test process.
void pinSystemLibraries()
{
    for (const char* name : {"libGL.so.1", "libGLX_mesa.so.0", "libX11-xcb.so.1", "libXcursor.so.1",
                             "libXi.so.6", "libXrandr.so.2", "libXrender.so.1", "libgio-2.0.so.0",
                             "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
        dlopen(name, RTLD_LAZY | RTLD_NODELETE);
}

// A window must not outlive its X server. The window still open on it is
// closed, and the window library lets go of the display, which takes the GL
// driver's screen down with it (its shader cache's worker thread and its
// shared-memory images included): nothing of the display is left running or
// half torn down when the process ends.
void closeWindowsOnTheDisplay()
{
    cocos2d::GLView* view = cocos2d::Director::getInstance()->getOpenGLView();
    if (view && !view->isHeadless())
        view->end();
    glfwTerminate();
}

} // namespace

XvfbServer::~XvfbServer()
{
    stop();
}

bool XvfbServer::start(int width, int height)
{
    pinSystemLibraries();
    // Tests run in parallel: pick a display from the process id so that
    // neighbours rarely collide, then walk on to the next free one.
    int n = 100 + static_cast<int>(getpid() % 400);
    for (int tries = 0; tries < 200 && displayInUse(n); ++tries)
        n = 100 + (n - 99) % 500;

    const std::string display = ":" + std::to_string(n);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    _pid = fork();
    if (_pid < 0) {
        _error = "fork failed";
        return false;
    }
    if (_pid == 0) {
        execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", "+extension", "GLX", static_cast<char*>(nullptr));
        _exit(127);
    }

    const std::string sock = "/tmp/.X11-unix/X" + std::to_string(n);
    for (int i = 0; i < 200; ++i) {
        if (std::filesystem::exists(sock)) {
            _display = display;
            setenv("DISPLAY", display.c_str(), 1);
            setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
            // One rendering thread: fewer threads for the leak checker to stop,
            // and the same pixels on every machine.
            setenv("LP_NUM_THREADS", "0", 0);
            return true;
        }
        int status = 0;
        if (waitpid(_pid, &status, WNOHANG) == _pid) {
            _pid = -1;
            _error = "Xvfb exited at start (is the xvfb package installed?)";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    _error = "Xvfb did not open its socket in time";
    stop();
    return false;
}

void XvfbServer::stop()
{
    if (_pid <= 0)
        return;
    closeWindowsOnTheDisplay();
    kill(_pid, SIGTERM);
    int status = 0;
    waitpid(_pid, &status, 0);
    _pid = -1;
    _display.clear();
}
