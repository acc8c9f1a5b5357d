#pragma once
#include "base/EventKeyboard.h"
#include "base/Ref.h"
#include "math/Rect.h"
#include "math/Size.h"
#include "platform/GLContext.h"
#include "platform/ResolutionPolicy.h"
#include <GLFW/glfw3.h>
#include <string>

namespace cocos2d {

// The game's window (GLFW 3) or, for tests and tools, a headless stand-in
// with a frame size and no window and no GL. Either way it turns input into
// EventKeyboard / EventMouse and dispatches it at once through the Director's
// EventDispatcher. Held keys' repeats from the window are dropped.
class GLView : public Ref
{
public:
    static GLView* createWithRect(const std::string& viewName, Rect rect, float frameZoomFactor = 1.0f);
    // Full screen at the primary monitor's current (desktop) mode.
    static GLView* createWithFullScreen(const std::string& viewName);
    // Full screen at the given mode's width and height on the given monitor.
    static GLView* createWithFullScreen(const std::string& viewName, const GLFWvidmode& videoMode,
                                        GLFWmonitor* monitor);
    static GLView* createHeadless(const std::string& viewName, const Size& frameSize);
    ~GLView() override;

    bool isHeadless() const { return _window == nullptr; }
    bool isOpenGLReady() const { return _window != nullptr; }
    GLFWwindow* getWindow() const { return _window; }
    const std::string& getViewName() const { return _viewName; }

    // Window size in pixels.
    const Size& getFrameSize() const { return _frameSize; }
    void setFrameSize(float width, float height);
    float getFrameZoomFactor() const { return _frameZoomFactor; }
    void setDesignResolutionSize(float width, float height, ResolutionPolicy policy);
    const Size& getDesignResolutionSize() const { return _designResolutionSize; }
    ResolutionPolicy getResolutionPolicy() const { return _resolutionPolicy; }
    Size getVisibleSize() const;
    Vec2 getVisibleOrigin() const;
    // Window pixels per design unit.
    float getScaleX() const { return _scaleX; }
    float getScaleY() const { return _scaleY; }
    // The part of the window the design area is drawn into (pixels).
    const Rect& getViewPortRect() const { return _viewPortRect; }

    void setCursorVisible(bool visible);
    bool isCursorVisible() const { return _cursorVisible; }

    bool windowShouldClose() const;
    // Closes the window (or marks a headless view closed).
    void end();
    void pollEvents();
    void swapBuffers();
    // Makes the GL viewport match the design area (no-op headless).
    void applyViewport() const;

    // Input for headless runs (and the window callbacks): positions are window
    // pixels, y down, as GLFW reports them.
    void injectKeyPress(EventKeyboard::KeyCode key);
    void injectKeyRelease(EventKeyboard::KeyCode key);
    void injectMouseMove(float x, float y);
    void injectMouseDown(int button);
    void injectMouseUp(int button);
    void injectScroll(float dx, float dy);

private:
    GLView() = default;
    bool initWithRect(const std::string& viewName, const Rect& rect, float frameZoomFactor);
    bool initWithMonitor(const std::string& viewName, GLFWmonitor* monitor, int width, int height);
    bool finishWindow();
    void updateDesignResolution();
    void dispatchMouse(int type, int button, float scrollX, float scrollY);

    static GLView* fromWindow(GLFWwindow* window);
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onCursorPos(GLFWwindow* window, double x, double y);
    static void onScroll(GLFWwindow* window, double dx, double dy);
    static void onFramebufferSize(GLFWwindow* window, int width, int height);
    static void onIconify(GLFWwindow* window, int iconified);

    GLFWwindow* _window = nullptr;
    std::string _viewName;
    Size _frameSize;
    Size _designResolutionSize;
    ResolutionPolicy _resolutionPolicy = ResolutionPolicy::UNKNOWN;
    float _scaleX = 1.0f;
    float _scaleY = 1.0f;
    Rect _viewPortRect;
    float _frameZoomFactor = 1.0f;
    float _mouseX = 0.0f;
    float _mouseY = 0.0f;
    bool _cursorVisible = true;
    bool _closed = false;
};

}
