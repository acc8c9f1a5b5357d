#pragma once
#include "base/Ref.h"
#include "math/Mat4.h"
#include "math/Size.h"
#include "math/Vec2.h"
#include <chrono>

namespace cocos2d {

class ActionManager;
class EventDispatcher;
class GLView;
class Renderer;
class Scene;
class Scheduler;
class TextureCache;

// Runs the frame: events, scheduler (which steps the actions first), the
// scene change, drawing (only with a real GL context) and the autorelease
// pool. The Application loop calls mainLoop(); headless runs and tests call
// stepFrame(dt) themselves.
class Director : public Ref
{
public:
    static Director* getInstance();

    void setOpenGLView(GLView* view);
    GLView* getOpenGLView() const { return _view; }

    void setAnimationInterval(double interval);
    double getAnimationInterval() const { return _animationInterval; }

    // The scene starts (onEnter) at the next frame.
    void runWithScene(Scene* scene);
    void replaceScene(Scene* scene);
    Scene* getRunningScene() const { return _runningScene; }

    // Design units.
    const Size& getWinSize() const { return _winSizeInPoints; }
    Size getWinSizeInPixels() const { return _winSizeInPoints * _contentScaleFactor; }
    Size getVisibleSize() const;
    Vec2 getVisibleOrigin() const;
    float getContentScaleFactor() const { return _contentScaleFactor; }
    // Window-style point (origin top-left, y down) to GL point (origin
    // bottom-left, y up), both in design units.
    Vec2 convertToGL(const Vec2& uiPoint) const;
    Vec2 convertToUI(const Vec2& glPoint) const;
    // The default 3D projection times the camera: perspective, 60 degrees
    // vertical field of view, eye at (w/2, h/2, getZEye()) looking at the
    // centre of the design area.
    const Mat4& getProjectionMatrix() const { return _projection; }
    float getZEye() const;

    // Frames stop (events are still read) until startAnimation.
    void stopAnimation();
    void startAnimation();
    bool isAnimationStopped() const { return _invalid; }
    // Ends the run at the start of the next frame: the scene is cleaned up
    // and the view asked to close.
    void end();

    // One frame with a real clock (the Application loop).
    void mainLoop();
    // One whole frame advanced by dt seconds.
    void stepFrame(float dt);
    // Draws the running scene and swaps the buffers (nothing without a GL
    // context); part of every frame, public for the drawing benchmark.
    void drawScene();

    float getDeltaTime() const { return _deltaTime; }
    unsigned int getTotalFrames() const { return _totalFrames; }

    Scheduler* getScheduler() const { return _scheduler; }
    ActionManager* getActionManager() const { return _actionManager; }
    EventDispatcher* getEventDispatcher() const { return _eventDispatcher; }
    Renderer* getRenderer() const { return _renderer; }
    TextureCache* getTextureCache();

private:
    Director();
    ~Director() override;
    void updateWinSize();
    void updateProjection();
    void setNextScene();
    void purge();

    GLView* _view = nullptr;
    Scheduler* _scheduler = nullptr;
    ActionManager* _actionManager = nullptr;
    EventDispatcher* _eventDispatcher = nullptr;
    Renderer* _renderer = nullptr;
    TextureCache* _textureCache = nullptr;
    Scene* _runningScene = nullptr;
    Scene* _nextScene = nullptr;

    double _animationInterval = 1.0 / 60.0;
    float _deltaTime = 0.0f;
    unsigned int _totalFrames = 0;
    bool _invalid = false;
    bool _purgeNextLoop = false;
    bool _clockValid = false;
    std::chrono::steady_clock::time_point _lastFrame;
    Size _winSizeInPoints;
    float _contentScaleFactor = 1.0f;
    Mat4 _projection;
};

}
