#include "base/Director.h"
#include "2d/Scene.h"
#include "actions/ActionManager.h"
#include "base/AutoreleasePool.h"
#include "base/EventDispatcher.h"
#include "base/Scheduler.h"
#include "platform/GLContext.h"
#include "platform/GLView.h"
#include "renderer/Renderer.h"
#include "renderer/TextureCache.h"
#include <algorithm>

namespace cocos2d {

namespace {
// A frame longer than this (a debugger stop, a dragged window) counts as one
// normal frame instead of letting the game jump.
const float kMaxRealDelta = 0.2f;
}

Director* Director::getInstance()
{
    // Never destroyed: nodes freed during exit still reach its managers.
    static Director* director = new Director();
    return director;
}

Director::Director()
{
    _scheduler = new Scheduler();
    _actionManager = new ActionManager();
    _scheduler->scheduleUpdate(_actionManager, Scheduler::PRIORITY_SYSTEM, false,
                               [this](float dt) { _actionManager->update(dt); });
    _eventDispatcher = new EventDispatcher();
    _renderer = new Renderer();
}

Director::~Director()
{
    CC_SAFE_RELEASE(_runningScene);
    CC_SAFE_RELEASE(_nextScene);
    CC_SAFE_RELEASE(_view);
    delete _renderer;
    _eventDispatcher->release();
    _actionManager->release();
    _scheduler->release();
}

void Director::setOpenGLView(GLView* view)
{
    // The same view again refreshes the sizes (after a new design resolution).
    if (view != _view)
    {
        CC_SAFE_RETAIN(view);
        CC_SAFE_RELEASE(_view);
        _view = view;
    }
    updateWinSize();
}

void Director::updateWinSize()
{
    _winSizeInPoints = _view ? _view->getDesignResolutionSize() : Size::ZERO;
    updateProjection();
    if (_view)
        _view->applyViewport();
}

void Director::updateProjection()
{
    const Size& s = _winSizeInPoints;
    if (s.width <= 0.0f || s.height <= 0.0f)
    {
        _projection.setIdentity();
        return;
    }
    const float zeye = getZEye();
    Mat4 perspective, lookAt;
    Mat4::createPerspective(60.0f, s.width / s.height, 10.0f, zeye + s.height / 2.0f, &perspective);
    Mat4::createLookAt(Vec3(s.width / 2.0f, s.height / 2.0f, zeye), Vec3(s.width / 2.0f, s.height / 2.0f, 0.0f),
                       Vec3(0.0f, 1.0f, 0.0f), &lookAt);
    _projection = perspective * lookAt;
}

float Director::getZEye() const
{
    return _winSizeInPoints.height / 1.1566f;
}

void Director::setAnimationInterval(double interval)
{
    _animationInterval = interval > 0.0 ? interval : 1.0 / 60.0;
}

void Director::runWithScene(Scene* scene)
{
    if (!scene)
        return;
    if (_runningScene || _nextScene)
    {
        replaceScene(scene);
        return;
    }
    scene->retain();
    _nextScene = scene;
}

void Director::replaceScene(Scene* scene)
{
    if (!scene)
        return;
    scene->retain();
    CC_SAFE_RELEASE(_nextScene);
    _nextScene = scene;
}

Size Director::getVisibleSize() const
{
    return _view ? _view->getVisibleSize() : _winSizeInPoints;
}

Vec2 Director::getVisibleOrigin() const
{
    return _view ? _view->getVisibleOrigin() : Vec2::ZERO;
}

Vec2 Director::convertToGL(const Vec2& uiPoint) const
{
    return Vec2(uiPoint.x, _winSizeInPoints.height - uiPoint.y);
}

Vec2 Director::convertToUI(const Vec2& glPoint) const
{
    return Vec2(glPoint.x, _winSizeInPoints.height - glPoint.y);
}

void Director::stopAnimation()
{
    _invalid = true;
}

void Director::startAnimation()
{
    _invalid = false;
    // The pause is not counted as frame time.
    _clockValid = false;
}

void Director::end()
{
    _purgeNextLoop = true;
}

TextureCache* Director::getTextureCache()
{
    if (!_textureCache)
        _textureCache = TextureCache::getInstance();
    return _textureCache;
}

void Director::mainLoop()
{
    const auto now = std::chrono::steady_clock::now();
    float dt = 0.0f;
    if (_clockValid)
        dt = std::chrono::duration<float>(now - _lastFrame).count();
    if (dt > kMaxRealDelta)
        dt = static_cast<float>(_animationInterval);
    _lastFrame = now;
    _clockValid = true;
    stepFrame(dt);
}

void Director::stepFrame(float dt)
{
    if (_view)
        _view->pollEvents();
    if (_purgeNextLoop)
    {
        purge();
        return;
    }
    if (!_invalid)
    {
        _deltaTime = std::max(dt, 0.0f);
        _scheduler->update(_deltaTime);
        setNextScene();
        drawScene();
        ++_totalFrames;
    }
    AutoreleasePool::getInstance()->clear();
}

void Director::setNextScene()
{
    if (!_nextScene)
        return;
    Scene* old = _runningScene;
    _runningScene = _nextScene;
    _nextScene = nullptr;
    if (old)
    {
        old->onExitTransitionDidStart();
        old->onExit();
        old->cleanup();
        old->release();
    }
    _runningScene->onEnter();
    _runningScene->onEnterTransitionDidFinish();
}

void Director::drawScene()
{
    if (!glContextReady() || !_view || _view->isHeadless())
        return;
    _renderer->clear();
    if (_runningScene)
        _runningScene->visit(_renderer, Mat4::IDENTITY, 0);
    _renderer->render();
    _view->swapBuffers();
}

void Director::purge()
{
    _purgeNextLoop = false;
    if (_runningScene)
    {
        _runningScene->onExitTransitionDidStart();
        _runningScene->onExit();
        _runningScene->cleanup();
        CC_SAFE_RELEASE_NULL(_runningScene);
    }
    CC_SAFE_RELEASE_NULL(_nextScene);
    _scheduler->unscheduleAll();
    _actionManager->removeAllActions();
    _eventDispatcher->removeAllEventListeners();
    AutoreleasePool::getInstance()->clear();
    if (_view)
    {
        _view->end();
        GLView* view = _view;
        _view = nullptr;
        view->release();
    }
    _invalid = false;
    _clockValid = false;
    _winSizeInPoints = Size::ZERO;
}

}
