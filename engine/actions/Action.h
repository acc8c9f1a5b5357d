#pragma once
#include "base/Ref.h"

namespace cocos2d {

class Node;

// Something a node does over time, stepped by the ActionManager. stop()
// forgets the target: an action that was stopped (for instance because its
// own callback removed the node) touches nothing more.
class Action : public Ref
{
public:
    static const int INVALID_TAG = -1;

    virtual bool isDone() const { return true; }
    virtual void startWithTarget(Node* target);
    virtual void stop();
    // dt: seconds since the last step.
    virtual void step(float dt);
    // t: progress from 0 to 1.
    virtual void update(float t);

    Node* getTarget() const { return _target; }
    void setTarget(Node* target) { _target = target; }
    Node* getOriginalTarget() const { return _originalTarget; }
    int getTag() const { return _tag; }
    void setTag(int tag) { _tag = tag; }

protected:
    Action() = default;

    Node* _target = nullptr;
    Node* _originalTarget = nullptr;
    int _tag = INVALID_TAG;
};

}
