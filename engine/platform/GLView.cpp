#include "platform/GLView.h"
#include "base/Director.h"
#include "base/EventDispatcher.h"
#include "base/EventKeyboard.h"
#include "base/EventMouse.h"
#include "base/ccMacros.h"
#include "platform/Application.h"
#include "platform/GLFWKeyTable.h"
#include <cmath>

namespace cocos2d {

namespace {

void onGLFWError(int code, const char* description)
{
    CCLOG("GLFW error %d: %s", code, description);
}

bool initGLFW()
{
    glfwSetErrorCallback(onGLFWError);
    return glfwInit() == GLFW_TRUE;
}

void askForContext()
{
    glfwDefaultWindowHints();
    // GL 2.1 or newer, compatibility profile (see GLContext.h).
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 1);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 8);
}

}

GLView* GLView::createWithRect(const std::string& viewName, Rect rect, float frameZoomFactor)
{
    auto* view = new GLView();
    if (view->initWithRect(viewName, rect, frameZoomFactor))
    {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

GLView* GLView::createWithFullScreen(const std::string& viewName)
{
    if (!initGLFW())
        return nullptr;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode)
    {
        CCLOG("GLView: no monitor to go full screen on");
        return nullptr;
    }
    return createWithFullScreen(viewName, *mode, monitor);
}

GLView* GLView::createWithFullScreen(const std::string& viewName, const GLFWvidmode& videoMode, GLFWmonitor* monitor)
{
    auto* view = new GLView();
    if (view->initWithMonitor(viewName, monitor, videoMode.width, videoMode.height))
    {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

GLView* GLView::createHeadless(const std::string& viewName, const Size& frameSize)
{
    auto* view = new GLView();
    view->_viewName = viewName;
    view->setFrameSize(frameSize.width, frameSize.height);
    view->autorelease();
    return view;
}

GLView::~GLView()
{
    if (_window)
    {
        glfwDestroyWindow(_window);
        _window = nullptr;
        detail::setGLContextReady(false);
    }
}

bool GLView::initWithRect(const std::string& viewName, const Rect& rect, float frameZoomFactor)
{
    if (!initGLFW())
        return false;
    _viewName = viewName;
    _frameZoomFactor = frameZoomFactor > 0.0f ? frameZoomFactor : 1.0f;
    askForContext();
    const int width = static_cast<int>(rect.size.width * _frameZoomFactor);
    const int height = static_cast<int>(rect.size.height * _frameZoomFactor);
    if (width <= 0 || height <= 0)
        return false;
    _window = glfwCreateWindow(width, height, viewName.c_str(), nullptr, nullptr);
    if (!_window)
        return false;
    setFrameSize(rect.size.width, rect.size.height);
    return finishWindow();
}

bool GLView::initWithMonitor(const std::string& viewName, GLFWmonitor* monitor, int width, int height)
{
    if (!initGLFW() || !monitor || width <= 0 || height <= 0)
        return false;
    _viewName = viewName;
    askForContext();
    // Colour depth and refresh rate: the monitor's current ones.
    if (const GLFWvidmode* current = glfwGetVideoMode(monitor))
    {
        glfwWindowHint(GLFW_RED_BITS, current->redBits);
        glfwWindowHint(GLFW_GREEN_BITS, current->greenBits);
        glfwWindowHint(GLFW_BLUE_BITS, current->blueBits);
        glfwWindowHint(GLFW_REFRESH_RATE, current->refreshRate);
    }
    _window = glfwCreateWindow(width, height, viewName.c_str(), monitor, nullptr);
    if (!_window)
        return false;
    int w = width, h = height;
    glfwGetWindowSize(_window, &w, &h);
    setFrameSize(static_cast<float>(w), static_cast<float>(h));
    return finishWindow();
}

bool GLView::finishWindow()
{
    glfwMakeContextCurrent(_window);
    glewExperimental = GL_TRUE;
    const GLenum status = glewInit();
    if (status != GLEW_OK)
    {
        CCLOG("GLView: glewInit failed: %s", reinterpret_cast<const char*>(glewGetErrorString(status)));
        glfwDestroyWindow(_window);
        _window = nullptr;
        return false;
    }
    // glewInit may leave a harmless GL_INVALID_ENUM behind.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    detail::setGLContextReady(true);
    glfwSetWindowUserPointer(_window, this);
    glfwSetKeyCallback(_window, onKey);
    glfwSetMouseButtonCallback(_window, onMouseButton);
    glfwSetCursorPosCallback(_window, onCursorPos);
    glfwSetScrollCallback(_window, onScroll);
    glfwSetFramebufferSizeCallback(_window, onFramebufferSize);
    glfwSetWindowIconifyCallback(_window, onIconify);
    applyViewport();
    return true;
}

void GLView::setFrameSize(float width, float height)
{
    _frameSize = Size(width, height);
    if (_resolutionPolicy == ResolutionPolicy::UNKNOWN)
        _designResolutionSize = _frameSize;
    updateDesignResolution();
}

void GLView::setDesignResolutionSize(float width, float height, ResolutionPolicy policy)
{
    if (width <= 0.0f || height <= 0.0f)
    {
        CCLOG("GLView: design resolution %gx%g ignored", width, height);
        return;
    }
    _designResolutionSize = Size(width, height);
    _resolutionPolicy = policy;
    updateDesignResolution();
    Director* director = Director::getInstance();
    if (director->getOpenGLView() == this)
        director->setOpenGLView(this); // the Director refreshes its sizes
}

void GLView::updateDesignResolution()
{
    Size& design = _designResolutionSize;
    if (design.width <= 0.0f || design.height <= 0.0f || _frameSize.width <= 0.0f || _frameSize.height <= 0.0f)
        return;
    _scaleX = _frameSize.width / design.width;
    _scaleY = _frameSize.height / design.height;
    switch (_resolutionPolicy)
    {
    case ResolutionPolicy::NO_BORDER: _scaleX = _scaleY = std::max(_scaleX, _scaleY); break;
    case ResolutionPolicy::SHOW_ALL: _scaleX = _scaleY = std::min(_scaleX, _scaleY); break;
    case ResolutionPolicy::FIXED_HEIGHT:
        _scaleX = _scaleY;
        design.width = std::ceil(_frameSize.width / _scaleX);
        break;
    case ResolutionPolicy::FIXED_WIDTH:
        _scaleY = _scaleX;
        design.height = std::ceil(_frameSize.height / _scaleY);
        break;
    case ResolutionPolicy::EXACT_FIT:
    case ResolutionPolicy::UNKNOWN: break;
    }
    const float w = design.width * _scaleX;
    const float h = design.height * _scaleY;
    _viewPortRect = Rect((_frameSize.width - w) / 2.0f, (_frameSize.height - h) / 2.0f, w, h);
}

Size GLView::getVisibleSize() const
{
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER)
        return Size(_frameSize.width / _scaleX, _frameSize.height / _scaleY);
    return _designResolutionSize;
}

Vec2 GLView::getVisibleOrigin() const
{
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER)
    {
        const Size visible = getVisibleSize();
        return Vec2((_designResolutionSize.width - visible.width) / 2.0f,
                    (_designResolutionSize.height - visible.height) / 2.0f);
    }
    return Vec2::ZERO;
}

void GLView::applyViewport() const
{
    if (!_window || !glContextReady())
        return;
    const float z = _frameZoomFactor;
    glViewport(static_cast<GLint>(_viewPortRect.origin.x * z), static_cast<GLint>(_viewPortRect.origin.y * z),
               static_cast<GLsizei>(_viewPortRect.size.width * z), static_cast<GLsizei>(_viewPortRect.size.height * z));
}

void GLView::setCursorVisible(bool visible)
{
    _cursorVisible = visible;
    if (_window)
        glfwSetInputMode(_window, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

bool GLView::windowShouldClose() const
{
    if (_closed)
        return true;
    return _window && glfwWindowShouldClose(_window);
}

void GLView::end()
{
    _closed = true;
    if (_window)
    {
        glfwDestroyWindow(_window);
        _window = nullptr;
        detail::setGLContextReady(false);
    }
}

void GLView::pollEvents()
{
    if (_window)
        glfwPollEvents();
}

void GLView::swapBuffers()
{
    if (_window)
        glfwSwapBuffers(_window);
}

// --- input ----------------------------------------------------------------

void GLView::injectKeyPress(EventKeyboard::KeyCode key)
{
    EventKeyboard event(key, true);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
}

void GLView::injectKeyRelease(EventKeyboard::KeyCode key)
{
    EventKeyboard event(key, false);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
}

void GLView::injectMouseMove(float x, float y)
{
    _mouseX = x / _frameZoomFactor;
    _mouseY = y / _frameZoomFactor;
    dispatchMouse(static_cast<int>(EventMouse::MouseEventType::MOUSE_MOVE), 0, 0.0f, 0.0f);
}

void GLView::injectMouseDown(int button)
{
    dispatchMouse(static_cast<int>(EventMouse::MouseEventType::MOUSE_DOWN), button, 0.0f, 0.0f);
}

void GLView::injectMouseUp(int button)
{
    dispatchMouse(static_cast<int>(EventMouse::MouseEventType::MOUSE_UP), button, 0.0f, 0.0f);
}

void GLView::injectScroll(float dx, float dy)
{
    dispatchMouse(static_cast<int>(EventMouse::MouseEventType::MOUSE_SCROLL), 0, dx, -dy);
}

void GLView::dispatchMouse(int type, int button, float scrollX, float scrollY)
{
    EventMouse event(static_cast<EventMouse::MouseEventType>(type));
    // Bottom-left origin in window pixels (see EventMouse).
    event.setCursorPosition(_mouseX, _viewPortRect.size.height - _mouseY);
    event.setMouseButton(button);
    event.setScrollData(scrollX, scrollY);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
}

GLView* GLView::fromWindow(GLFWwindow* window)
{
    return static_cast<GLView*>(glfwGetWindowUserPointer(window));
}

void GLView::onKey(GLFWwindow* window, int key, int, int action, int)
{
    // The window's auto-repeat is not a key press.
    if (action == GLFW_REPEAT)
        return;
    const EventKeyboard::KeyCode code = keyCodeFromGLFW(key);
    if (code == EventKeyboard::KeyCode::KEY_NONE)
        return;
    GLView* view = fromWindow(window);
    if (action == GLFW_PRESS)
        view->injectKeyPress(code);
    else if (action == GLFW_RELEASE)
        view->injectKeyRelease(code);
}

void GLView::onMouseButton(GLFWwindow* window, int button, int action, int)
{
    GLView* view = fromWindow(window);
    if (action == GLFW_PRESS)
        view->injectMouseDown(button);
    else if (action == GLFW_RELEASE)
        view->injectMouseUp(button);
}

void GLView::onCursorPos(GLFWwindow* window, double x, double y)
{
    fromWindow(window)->injectMouseMove(static_cast<float>(x), static_cast<float>(y));
}

void GLView::onScroll(GLFWwindow* window, double dx, double dy)
{
    fromWindow(window)->injectScroll(static_cast<float>(dx), static_cast<float>(dy));
}

void GLView::onIconify(GLFWwindow*, int iconified)
{
    // A minimised game stops its frames until it is shown again.
    Application* app = Application::getInstance();
    if (!app)
        return;
    if (iconified)
        app->applicationDidEnterBackground();
    else
        app->applicationWillEnterForeground();
}

void GLView::onFramebufferSize(GLFWwindow* window, int, int)
{
    fromWindow(window)->applyViewport();
}

}
