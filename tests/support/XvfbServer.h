#pragma once
#include <string>
#include <sys/types.h>

// A private X server (Xvfb, Mesa's software GL) for tests that open a real
// window. Starting it points DISPLAY at it; the destructor stops it.
class XvfbServer
{
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // Starts Xvfb on a free display with a 24-bit screen of the given size.
    // Returns false (with a reason in error()) when it cannot be started.
    bool start(int width = 1920, int height = 1080);
    void stop();

    const std::string& display() const { return _display; }
    const std::string& error() const { return _error; }

private:
    pid_t _pid = -1;
    std::string _display;
    std::string _error;
};
