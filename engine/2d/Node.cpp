#include "2d/Node.h"
#include "2d/Scene.h"
#include "actions/Action.h"
#include "actions/ActionManager.h"
#include "base/Director.h"
#include "base/EventDispatcher.h"
#include "base/Scheduler.h"
#include <algorithm>

namespace cocos2d {

namespace {
// Ties between equal local z orders are broken by this counter.
unsigned long s_globalOrderOfArrival = 1;
}

Node::Node() = default;

Node* Node::create()
{
    auto* node = new Node();
    if (node->init())
    {
        node->autorelease();
        return node;
    }
    delete node;
    return nullptr;
}

Node::~Node()
{
    // Nothing that outlives this node may call back into it.
    Director* director = Director::getInstance();
    director->getScheduler()->unscheduleAllForTarget(this);
    director->getActionManager()->removeAllActionsFromTarget(this);
    director->getEventDispatcher()->removeEventListenersForTarget(this);
    for (Node* child : _children)
        child->_parent = nullptr;
    _children.clear();
    CC_SAFE_RELEASE(_userObject);
}

bool Node::init()
{
    return true;
}

Scheduler* Node::getScheduler() const
{
    return Director::getInstance()->getScheduler();
}

ActionManager* Node::getActionManager() const
{
    return Director::getInstance()->getActionManager();
}

EventDispatcher* Node::getEventDispatcher() const
{
    return Director::getInstance()->getEventDispatcher();
}

void Node::setUserObject(Ref* object)
{
    CC_SAFE_RETAIN(object);
    CC_SAFE_RELEASE(_userObject);
    _userObject = object;
}

// --- children -------------------------------------------------------------

void Node::addChild(Node* child)
{
    addChild(child, child->_localZOrder, child->_tag);
}

void Node::addChild(Node* child, int localZOrder)
{
    addChild(child, localZOrder, child->_tag);
}

void Node::addChild(Node* child, int localZOrder, int tag)
{
    if (!child || child == this)
        return;
    if (child->_parent)
    {
        CCLOG("Node::addChild: child already has a parent; not added");
        return;
    }
    insertChild(child, localZOrder);
    child->_tag = tag;
    child->setParent(this);
    if (_running)
    {
        child->onEnter();
        child->onEnterTransitionDidFinish();
    }
    if (_cascadeColorEnabled)
        child->updateDisplayedColor(_displayedColor);
    if (_cascadeOpacityEnabled)
        child->updateDisplayedOpacity(_displayedOpacity);
}

void Node::insertChild(Node* child, int localZOrder)
{
    child->_localZOrder = localZOrder;
    child->_orderOfArrival = s_globalOrderOfArrival++;
    // After every child of lower or equal z: equal z keeps arrival order.
    std::size_t index = _children.size();
    while (index > 0 && _children.at(index - 1)->_localZOrder > localZOrder)
        --index;
    _children.insert(index, child);
}

Node* Node::getChildByTag(int tag) const
{
    if (tag == INVALID_TAG)
        return nullptr;
    for (Node* child : _children)
    {
        if (child->_tag == tag)
            return child;
    }
    return nullptr;
}

void Node::removeFromParent()
{
    removeFromParentAndCleanup(true);
}

void Node::removeFromParentAndCleanup(bool cleanup)
{
    if (_parent)
        _parent->removeChild(this, cleanup);
}

void Node::removeChild(Node* child, bool cleanup)
{
    if (!child)
        return;
    const long index = _children.getIndex(child);
    if (index >= 0)
        detachChild(child, static_cast<std::size_t>(index), cleanup);
}

void Node::removeChildByTag(int tag, bool cleanup)
{
    Node* child = getChildByTag(tag);
    if (child)
        removeChild(child, cleanup);
    else
        CCLOG("Node::removeChildByTag: no child with tag %d", tag);
}

void Node::removeAllChildren()
{
    removeAllChildrenWithCleanup(true);
}

void Node::removeAllChildrenWithCleanup(bool cleanup)
{
    while (!_children.empty())
    {
        const std::size_t last = _children.size() - 1;
        detachChild(_children.at(last), last, cleanup);
    }
}

void Node::detachChild(Node* child, std::size_t index, bool cleanup)
{
    // Kept alive until the end: onExit and cleanup may run game code that
    // drops other references to it.
    child->retain();
    if (_running)
    {
        child->onExitTransitionDidStart();
        child->onExit();
    }
    if (cleanup)
        child->cleanup();
    // The exit code may have re-ordered or removed children already.
    if (index >= _children.size() || _children.at(index) != child)
    {
        const long now = _children.getIndex(child);
        index = now < 0 ? _children.size() : static_cast<std::size_t>(now);
    }
    if (index < _children.size())
    {
        child->setParent(nullptr);
        _children.erase(index);
    }
    child->release();
}

void Node::reorderChild(Node* child, int localZOrder)
{
    const long index = _children.getIndex(child);
    if (index < 0)
        return;
    child->retain();
    _children.erase(static_cast<std::size_t>(index));
    insertChild(child, localZOrder);
    child->release();
}

void Node::setLocalZOrder(int localZOrder)
{
    if (_parent)
        _parent->reorderChild(this, localZOrder);
    else
        _localZOrder = localZOrder;
}

// --- geometry -------------------------------------------------------------

void Node::setPosition(const Vec2& position)
{
    if (_position == position)
        return;
    _position = position;
    markTransformDirty();
}

void Node::setPositionZ(float z)
{
    _positionZ = z;
    markTransformDirty();
}

void Node::setPosition3D(const Vec3& position)
{
    setPosition(Vec2(position.x, position.y));
    setPositionZ(position.z);
}

void Node::setAnchorPoint(const Vec2& anchor)
{
    _anchorPoint = anchor;
    _anchorPointInPoints = Vec2(_contentSize.width * anchor.x, _contentSize.height * anchor.y);
    markTransformDirty();
}

void Node::ignoreAnchorPointForPosition(bool ignore)
{
    _ignoreAnchorPointForPosition = ignore;
    markTransformDirty();
}

void Node::setContentSize(const Size& size)
{
    _contentSize = size;
    _anchorPointInPoints = Vec2(size.width * _anchorPoint.x, size.height * _anchorPoint.y);
    markTransformDirty();
}

Rect Node::getBoundingBox() const
{
    const Mat4& t = getNodeToParentTransform();
    const Vec3 corners[4] = {t.transformPoint(Vec3(0, 0, 0)),
                             t.transformPoint(Vec3(_contentSize.width, 0, 0)),
                             t.transformPoint(Vec3(0, _contentSize.height, 0)),
                             t.transformPoint(Vec3(_contentSize.width, _contentSize.height, 0))};
    float minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const Vec3& c : corners)
    {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    return Rect(minX, minY, maxX - minX, maxY - minY);
}

void Node::setRotation(float degrees)
{
    _rotationZ = degrees;
    markTransformDirty();
}

void Node::setRotation3D(const Vec3& degrees)
{
    _rotationX = degrees.x;
    _rotationY = degrees.y;
    _rotationZ = degrees.z;
    markTransformDirty();
}

void Node::setRotationX(float degrees)
{
    _rotationX = degrees;
    markTransformDirty();
}

void Node::setRotationY(float degrees)
{
    _rotationY = degrees;
    markTransformDirty();
}

void Node::setScale(float scale)
{
    _scaleX = _scaleY = _scaleZ = scale;
    markTransformDirty();
}

void Node::setScale(float scaleX, float scaleY)
{
    _scaleX = scaleX;
    _scaleY = scaleY;
    markTransformDirty();
}

void Node::setScaleX(float scaleX)
{
    _scaleX = scaleX;
    markTransformDirty();
}

void Node::setScaleY(float scaleY)
{
    _scaleY = scaleY;
    markTransformDirty();
}

void Node::setScaleZ(float scaleZ)
{
    _scaleZ = scaleZ;
    markTransformDirty();
}

// --- colour ---------------------------------------------------------------

void Node::setOpacity(GLubyte opacity)
{
    _displayedOpacity = _realOpacity = opacity;
    GLubyte parentOpacity = 255;
    if (_parent && _parent->isCascadeOpacityEnabled())
        parentOpacity = _parent->getDisplayedOpacity();
    updateDisplayedOpacity(parentOpacity);
}

void Node::updateDisplayedOpacity(GLubyte parentOpacity)
{
    _displayedOpacity = static_cast<GLubyte>(_realOpacity * parentOpacity / 255);
    updateColor();
    if (_cascadeOpacityEnabled)
    {
        for (Node* child : _children)
            child->updateDisplayedOpacity(_displayedOpacity);
    }
}

void Node::setColor(const Color3B& color)
{
    _displayedColor = _realColor = color;
    Color3B parentColor = Color3B::WHITE;
    if (_parent && _parent->isCascadeColorEnabled())
        parentColor = _parent->getDisplayedColor();
    updateDisplayedColor(parentColor);
}

void Node::updateDisplayedColor(const Color3B& parentColor)
{
    _displayedColor.r = static_cast<GLubyte>(_realColor.r * parentColor.r / 255);
    _displayedColor.g = static_cast<GLubyte>(_realColor.g * parentColor.g / 255);
    _displayedColor.b = static_cast<GLubyte>(_realColor.b * parentColor.b / 255);
    updateColor();
    if (_cascadeColorEnabled)
    {
        for (Node* child : _children)
            child->updateDisplayedColor(_displayedColor);
    }
}

void Node::setCascadeOpacityEnabled(bool enabled)
{
    if (_cascadeOpacityEnabled == enabled)
        return;
    _cascadeOpacityEnabled = enabled;
    // Children show either the combined or their own opacity again.
    for (Node* child : _children)
        child->updateDisplayedOpacity(enabled ? _displayedOpacity : 255);
}

void Node::setCascadeColorEnabled(bool enabled)
{
    if (_cascadeColorEnabled == enabled)
        return;
    _cascadeColorEnabled = enabled;
    for (Node* child : _children)
        child->updateDisplayedColor(enabled ? _displayedColor : Color3B::WHITE);
}

// --- transforms -----------------------------------------------------------

const Mat4& Node::getNodeToParentTransform() const
{
    if (!_transformDirty)
        return _transform;
    Vec2 origin = _position;
    if (_ignoreAnchorPointForPosition)
        origin += _anchorPointInPoints;
    Mat4 t;
    Mat4::createTranslation(origin.x, origin.y, _positionZ, &t);
    // Rotation is clockwise on screen, so the z turn is negative.
    if (_rotationZ != 0.0f)
        t.rotateZ(-CC_DEGREES_TO_RADIANS(_rotationZ));
    if (_rotationY != 0.0f)
        t.rotateY(CC_DEGREES_TO_RADIANS(_rotationY));
    if (_rotationX != 0.0f)
        t.rotateX(CC_DEGREES_TO_RADIANS(_rotationX));
    if (_scaleX != 1.0f || _scaleY != 1.0f || _scaleZ != 1.0f)
        t.scale(_scaleX, _scaleY, _scaleZ);
    if (!_anchorPointInPoints.isZero())
        t.translate(-_anchorPointInPoints.x, -_anchorPointInPoints.y, 0.0f);
    _transform = t;
    _transformDirty = false;
    return _transform;
}

Mat4 Node::getParentToNodeTransform() const
{
    return getNodeToParentTransform().getInversed();
}

Mat4 Node::getNodeToWorldTransform() const
{
    Mat4 t = getNodeToParentTransform();
    for (const Node* p = _parent; p; p = p->_parent)
        t = p->getNodeToParentTransform() * t;
    return t;
}

Mat4 Node::getWorldToNodeTransform() const
{
    return getNodeToWorldTransform().getInversed();
}

Vec2 Node::convertToNodeSpace(const Vec2& worldPoint) const
{
    const Vec3 p = getWorldToNodeTransform().transformPoint(Vec3(worldPoint.x, worldPoint.y, 0.0f));
    return Vec2(p.x, p.y);
}

Vec2 Node::convertToWorldSpace(const Vec2& nodePoint) const
{
    const Vec3 p = getNodeToWorldTransform().transformPoint(Vec3(nodePoint.x, nodePoint.y, 0.0f));
    return Vec2(p.x, p.y);
}

Vec2 Node::convertToNodeSpaceAR(const Vec2& worldPoint) const
{
    return convertToNodeSpace(worldPoint) - _anchorPointInPoints;
}

Vec2 Node::convertToWorldSpaceAR(const Vec2& nodePoint) const
{
    return convertToWorldSpace(nodePoint + _anchorPointInPoints);
}

// --- drawing --------------------------------------------------------------

void Node::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    if (!_visible)
        return;
    const Mat4 transform = parentTransform * getNodeToParentTransform();
    std::size_t i = 0;
    const std::size_t count = _children.size();
    for (; i < count && _children.at(i)->_localZOrder < 0; ++i)
        _children.at(i)->visit(renderer, transform, parentFlags);
    draw(renderer, transform, parentFlags);
    for (; i < count; ++i)
        _children.at(i)->visit(renderer, transform, parentFlags);
}

void Node::draw(Renderer*, const Mat4&, uint32_t)
{
}

// --- life cycle -----------------------------------------------------------

void Node::onEnter()
{
    _running = true;
    // Children may be removed by their own onEnter: walk a snapshot.
    const Vector<Node*> children(_children);
    for (Node* child : children)
    {
        if (child->_parent == this)
            child->onEnter();
    }
    resume();
}

void Node::onEnterTransitionDidFinish()
{
    const Vector<Node*> children(_children);
    for (Node* child : children)
    {
        if (child->_parent == this)
            child->onEnterTransitionDidFinish();
    }
}

void Node::onExitTransitionDidStart()
{
    const Vector<Node*> children(_children);
    for (Node* child : children)
    {
        if (child->_parent == this)
            child->onExitTransitionDidStart();
    }
}

void Node::onExit()
{
    pause();
    _running = false;
    const Vector<Node*> children(_children);
    for (Node* child : children)
    {
        if (child->_parent == this)
            child->onExit();
    }
}

void Node::cleanup()
{
    stopAllActions();
    unscheduleAllSelectors();
    const Vector<Node*> children(_children);
    for (Node* child : children)
        child->cleanup();
}

Scene* Node::getScene() const
{
    const Node* n = this;
    while (n->_parent)
        n = n->_parent;
    return dynamic_cast<Scene*>(const_cast<Node*>(n));
}

// --- scheduling -----------------------------------------------------------

void Node::scheduleUpdate()
{
    scheduleUpdateWithPriority(0);
}

void Node::scheduleUpdateWithPriority(int priority)
{
    getScheduler()->scheduleUpdate(this, priority, !_running, [this](float dt) { update(dt); });
}

void Node::unscheduleUpdate()
{
    getScheduler()->unscheduleUpdate(this);
}

void Node::update(float)
{
}

void Node::schedule(SEL_SCHEDULE selector)
{
    schedule(selector, 0.0f, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval)
{
    schedule(selector, interval, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay)
{
    getScheduler()->schedule(selector, this, interval, repeat, delay, !_running);
}

void Node::scheduleOnce(SEL_SCHEDULE selector, float delay)
{
    schedule(selector, 0.0f, 0, delay);
}

void Node::unschedule(SEL_SCHEDULE selector)
{
    getScheduler()->unschedule(selector, this);
}

void Node::schedule(const std::function<void(float)>& callback, const std::string& key)
{
    schedule(callback, 0.0f, CC_REPEAT_FOREVER, 0.0f, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, const std::string& key)
{
    schedule(callback, interval, CC_REPEAT_FOREVER, 0.0f, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, unsigned int repeat, float delay,
                    const std::string& key)
{
    getScheduler()->schedule(callback, this, interval, repeat, delay, !_running, key);
}

void Node::scheduleOnce(const std::function<void(float)>& callback, float delay, const std::string& key)
{
    schedule(callback, 0.0f, 0, delay, key);
}

void Node::unschedule(const std::string& key)
{
    getScheduler()->unschedule(key, this);
}

void Node::unscheduleAllSelectors()
{
    getScheduler()->unscheduleAllForTarget(this);
}

bool Node::isScheduled(SEL_SCHEDULE selector) const
{
    return getScheduler()->isScheduled(selector, this);
}

bool Node::isScheduled(const std::string& key) const
{
    return getScheduler()->isScheduled(key, this);
}

void Node::resume()
{
    getScheduler()->resumeTarget(this);
    getActionManager()->resumeTarget(this);
    getEventDispatcher()->resumeEventListenersForTarget(this);
}

void Node::pause()
{
    getScheduler()->pauseTarget(this);
    getActionManager()->pauseTarget(this);
    getEventDispatcher()->pauseEventListenersForTarget(this);
}

// --- actions --------------------------------------------------------------

Action* Node::runAction(Action* action)
{
    if (!action)
        return nullptr;
    getActionManager()->addAction(action, this, !_running);
    return action;
}

void Node::stopAllActions()
{
    getActionManager()->removeAllActionsFromTarget(this);
}

void Node::stopAction(Action* action)
{
    getActionManager()->removeAction(action);
}

void Node::stopActionByTag(int tag)
{
    getActionManager()->removeActionByTag(tag, this);
}

Action* Node::getActionByTag(int tag) const
{
    return getActionManager()->getActionByTag(tag, this);
}

std::size_t Node::getNumberOfRunningActions() const
{
    return getActionManager()->getNumberOfRunningActionsInTarget(this);
}

}
