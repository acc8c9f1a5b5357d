#pragma once
#include "base/Ref.h"
#include "base/Vector.h"
#include "base/ccMacros.h"
#include "base/ccTypes.h"
#include "math/CCMath.h"
#include "platform/GLContext.h"
#include <cstdint>
#include <functional>
#include <string>

namespace cocos2d {

class Action;
class ActionManager;
class EventDispatcher;
class Renderer;
class Scene;
class Scheduler;

// A scene graph element. Children are kept sorted by local z order, then by
// the order they were added (or last re-ordered). Rotation is in degrees,
// clockwise. Colour and opacity only reach children when cascading is
// switched on.
class Node : public Ref
{
public:
    static const int INVALID_TAG = -1;

    static Node* create();
    ~Node() override;
    virtual bool init();

    // Children.
    virtual void addChild(Node* child);
    virtual void addChild(Node* child, int localZOrder);
    virtual void addChild(Node* child, int localZOrder, int tag);
    virtual Node* getChildByTag(int tag) const;
    Vector<Node*>& getChildren() { return _children; }
    const Vector<Node*>& getChildren() const { return _children; }
    std::size_t getChildrenCount() const { return _children.size(); }
    Node* getParent() const { return _parent; }
    virtual void setParent(Node* parent) { _parent = parent; }
    virtual void removeFromParent();
    virtual void removeFromParentAndCleanup(bool cleanup);
    virtual void removeChild(Node* child, bool cleanup = true);
    virtual void removeChildByTag(int tag, bool cleanup = true);
    virtual void removeAllChildren();
    virtual void removeAllChildrenWithCleanup(bool cleanup);
    virtual void reorderChild(Node* child, int localZOrder);
    // Children are kept sorted as they are added and re-ordered, so there is
    // never anything left to sort.
    virtual void sortAllChildren() {}

    // Ordering.
    virtual void setLocalZOrder(int localZOrder);
    int getLocalZOrder() const { return _localZOrder; }
    virtual void setZOrder(int z) { setLocalZOrder(z); }
    int getZOrder() const { return _localZOrder; }
    virtual void setGlobalZOrder(float globalZOrder) { _globalZOrder = globalZOrder; }
    float getGlobalZOrder() const { return _globalZOrder; }
    unsigned long getOrderOfArrival() const { return _orderOfArrival; }

    // Identity.
    virtual void setTag(int tag) { _tag = tag; }
    int getTag() const { return _tag; }
    virtual void setName(const std::string& name) { _name = name; }
    const std::string& getName() const { return _name; }
    void setUserData(void* data) { _userData = data; }
    void* getUserData() const { return _userData; }
    void setUserObject(Ref* object);
    Ref* getUserObject() const { return _userObject; }

    // Geometry.
    virtual void setPosition(const Vec2& position);
    virtual void setPosition(float x, float y) { setPosition(Vec2(x, y)); }
    const Vec2& getPosition() const { return _position; }
    void getPosition(float* x, float* y) const { *x = _position.x; *y = _position.y; }
    virtual void setPositionX(float x) { setPosition(Vec2(x, _position.y)); }
    float getPositionX() const { return _position.x; }
    virtual void setPositionY(float y) { setPosition(Vec2(_position.x, y)); }
    float getPositionY() const { return _position.y; }
    virtual void setPositionZ(float z);
    float getPositionZ() const { return _positionZ; }
    virtual void setVertexZ(float z) { setPositionZ(z); }
    float getVertexZ() const { return _positionZ; }
    virtual void setPosition3D(const Vec3& position);
    Vec3 getPosition3D() const { return Vec3(_position.x, _position.y, _positionZ); }

    virtual void setAnchorPoint(const Vec2& anchor);
    const Vec2& getAnchorPoint() const { return _anchorPoint; }
    const Vec2& getAnchorPointInPoints() const { return _anchorPointInPoints; }
    virtual void ignoreAnchorPointForPosition(bool ignore);
    bool isIgnoreAnchorPointForPosition() const { return _ignoreAnchorPointForPosition; }
    virtual void setContentSize(const Size& size);
    const Size& getContentSize() const { return _contentSize; }
    // The content rectangle in the parent's space (axis-aligned bounds).
    virtual Rect getBoundingBox() const;

    virtual void setRotation(float degrees);
    float getRotation() const { return _rotationZ; }
    virtual void setRotation3D(const Vec3& degrees);
    Vec3 getRotation3D() const { return Vec3(_rotationX, _rotationY, _rotationZ); }
    virtual void setRotationX(float degrees);
    float getRotationX() const { return _rotationX; }
    virtual void setRotationY(float degrees);
    float getRotationY() const { return _rotationY; }

    virtual void setScale(float scale);
    virtual void setScale(float scaleX, float scaleY);
    float getScale() const { return _scaleX; }
    virtual void setScaleX(float scaleX);
    float getScaleX() const { return _scaleX; }
    virtual void setScaleY(float scaleY);
    float getScaleY() const { return _scaleY; }
    virtual void setScaleZ(float scaleZ);
    float getScaleZ() const { return _scaleZ; }

    virtual void setVisible(bool visible) { _visible = visible; }
    bool isVisible() const { return _visible; }

    // Colour and opacity.
    virtual void setOpacity(GLubyte opacity);
    virtual GLubyte getOpacity() const { return _realOpacity; }
    GLubyte getDisplayedOpacity() const { return _displayedOpacity; }
    virtual void updateDisplayedOpacity(GLubyte parentOpacity);
    virtual void setColor(const Color3B& color);
    virtual const Color3B& getColor() const { return _realColor; }
    const Color3B& getDisplayedColor() const { return _displayedColor; }
    virtual void updateDisplayedColor(const Color3B& parentColor);
    virtual void setCascadeOpacityEnabled(bool enabled);
    bool isCascadeOpacityEnabled() const { return _cascadeOpacityEnabled; }
    virtual void setCascadeColorEnabled(bool enabled);
    bool isCascadeColorEnabled() const { return _cascadeColorEnabled; }
    virtual void setOpacityModifyRGB(bool) {}
    virtual bool isOpacityModifyRGB() const { return false; }

    // Transforms. Node space has its origin at the bottom-left of the content.
    virtual const Mat4& getNodeToParentTransform() const;
    Mat4 getParentToNodeTransform() const;
    Mat4 getNodeToWorldTransform() const;
    Mat4 getWorldToNodeTransform() const;
    Vec2 convertToNodeSpace(const Vec2& worldPoint) const;
    Vec2 convertToWorldSpace(const Vec2& nodePoint) const;
    Vec2 convertToNodeSpaceAR(const Vec2& worldPoint) const;
    Vec2 convertToWorldSpaceAR(const Vec2& nodePoint) const;

    // Drawing: visit draws children of negative z, then the node, then the
    // rest, each with its world transform.
    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags);
    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags);

    // Life cycle in the running scene.
    virtual void onEnter();
    virtual void onEnterTransitionDidFinish();
    virtual void onExitTransitionDidStart();
    virtual void onExit();
    // Stops actions and schedules of this node and its children.
    virtual void cleanup();
    bool isRunning() const { return _running; }
    virtual Scene* getScene() const;

    // Scheduling.
    void scheduleUpdate();
    void scheduleUpdateWithPriority(int priority);
    void unscheduleUpdate();
    virtual void update(float delta);
    void schedule(SEL_SCHEDULE selector);
    void schedule(SEL_SCHEDULE selector, float interval);
    void schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay);
    void scheduleOnce(SEL_SCHEDULE selector, float delay);
    void unschedule(SEL_SCHEDULE selector);
    void schedule(const std::function<void(float)>& callback, const std::string& key);
    void schedule(const std::function<void(float)>& callback, float interval, const std::string& key);
    void schedule(const std::function<void(float)>& callback, float interval, unsigned int repeat, float delay,
                  const std::string& key);
    void scheduleOnce(const std::function<void(float)>& callback, float delay, const std::string& key);
    void unschedule(const std::string& key);
    void unscheduleAllSelectors();
    bool isScheduled(SEL_SCHEDULE selector) const;
    bool isScheduled(const std::string& key) const;
    virtual void resume();
    virtual void pause();

    // Actions.
    Action* runAction(Action* action);
    void stopAllActions();
    void stopAction(Action* action);
    void stopActionByTag(int tag);
    Action* getActionByTag(int tag) const;
    std::size_t getNumberOfRunningActions() const;

    Scheduler* getScheduler() const;
    ActionManager* getActionManager() const;
    EventDispatcher* getEventDispatcher() const;

    // Public so that game classes may be made with new; create() is the
    // usual way.
    Node();

protected:
    // Called when the displayed colour or opacity changed (sprites refresh
    // their vertex colours here).
    virtual void updateColor() {}
    void insertChild(Node* child, int localZOrder);
    void detachChild(Node* child, std::size_t index, bool cleanup);
    void markTransformDirty() { _transformDirty = true; }

    Vector<Node*> _children;
    Node* _parent = nullptr;
    int _localZOrder = 0;
    float _globalZOrder = 0.0f;
    unsigned long _orderOfArrival = 0;
    int _tag = INVALID_TAG;
    std::string _name;
    void* _userData = nullptr;
    Ref* _userObject = nullptr;

    Vec2 _position;
    float _positionZ = 0.0f;
    Vec2 _anchorPoint;
    Vec2 _anchorPointInPoints;
    bool _ignoreAnchorPointForPosition = false;
    Size _contentSize;
    float _rotationX = 0.0f;
    float _rotationY = 0.0f;
    float _rotationZ = 0.0f;
    float _scaleX = 1.0f;
    float _scaleY = 1.0f;
    float _scaleZ = 1.0f;
    bool _visible = true;

    GLubyte _displayedOpacity = 255;
    GLubyte _realOpacity = 255;
    Color3B _displayedColor = Color3B::WHITE;
    Color3B _realColor = Color3B::WHITE;
    bool _cascadeColorEnabled = false;
    bool _cascadeOpacityEnabled = false;

    bool _running = false;

    mutable Mat4 _transform;
    mutable bool _transformDirty = true;
};

}
