#include "actions/Follow.h"
#include "2d/Node.h"
#include "base/Director.h"
#include <algorithm>

namespace cocos2d {

Follow* Follow::create(Node* followedNode, const Rect& rect)
{
    auto* follow = new Follow();
    follow->initWithTarget(followedNode, rect);
    follow->autorelease();
    return follow;
}

void Follow::initWithTarget(Node* followedNode, const Rect& rect)
{
    followedNode->retain();
    _followed = followedNode;
    const Size win = Director::getInstance()->getWinSize();
    _halfScreen = Vec2(win.width * 0.5f, win.height * 0.5f);
    _boundarySet = !rect.equals(Rect::ZERO);
    if (!_boundarySet)
        return;
    _left = -((rect.origin.x + rect.size.width) - win.width);
    _right = -rect.origin.x;
    _top = -rect.origin.y;
    _bottom = -((rect.origin.y + rect.size.height) - win.height);
    if (_right < _left)
        _right = _left = (_left + _right) / 2.0f;
    if (_top < _bottom)
        _top = _bottom = (_top + _bottom) / 2.0f;
    _fullyCovered = _top == _bottom && _left == _right;
}

Follow::~Follow()
{
    if (_followed)
        _followed->release();
}

bool Follow::isDone() const
{
    return !_followed->isRunning();
}

void Follow::step(float)
{
    if (!_target)
        return;
    const Vec2 wanted = _halfScreen - _followed->getPosition();
    if (!_boundarySet)
    {
        _target->setPosition(wanted);
        return;
    }
    if (_fullyCovered)
        return;
    _target->setPosition(Vec2(std::clamp(wanted.x, _left, _right), std::clamp(wanted.y, _bottom, _top)));
}

}
