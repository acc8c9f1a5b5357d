#include "actions/Animate.h"

#include <cmath>

#include "2d/Animation.h"
#include "2d/AnimationFrame.h"
#include "2d/Sprite.h"
#include "2d/SpriteFrame.h"
#include "base/RefOwnership.h"

namespace cocos2d {

Animate* Animate::create(Animation* animation)
{
    Animate* animate = new Animate();
    return autoreleaseIfInitialised(animate, animate->initWithAnimation(animation));
}

Animate::~Animate()
{
    if (_animation)
        _animation->release();
    if (_originalFrame)
        _originalFrame->release();
}

bool Animate::initWithAnimation(Animation* animation)
{
    if (!animation)
        return false;
    initWithDuration(animation->getDuration() * float(animation->getLoops()));
    animation->retain();
    _animation = animation;
    // Frame i starts when the delay units before it have passed, as a
    // fraction of one run.
    const float totalUnits = animation->getTotalDelayUnits();
    float units = 0.0f;
    for (AnimationFrame* frame : animation->getFrames()) {
        _splitTimes.push_back(totalUnits > 0.0f ? units / totalUnits : 0.0f);
        units += frame->getDelayUnits();
    }
    return true;
}

void Animate::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _sprite = dynamic_cast<Sprite*>(target);
    const bool restore = _sprite && _animation->getRestoreOriginalFrame();
    assignRetained(_originalFrame, restore ? _sprite->getSpriteFrame() : nullptr);
    _nextFrame = 0;
    _executedLoops = 0;
}

void Animate::stop()
{
    if (_sprite && _originalFrame && _animation->getRestoreOriginalFrame())
        _sprite->setSpriteFrame(_originalFrame);
    _sprite = nullptr;
    ActionInterval::stop();
}

void Animate::update(float t)
{
    if (!_sprite)
        return;
    if (t < 1.0f) {
        t *= float(_animation->getLoops());
        const unsigned int loop = static_cast<unsigned int>(t);
        if (loop > _executedLoops) {
            _nextFrame = 0;
            ++_executedLoops;
        }
        t = std::fmod(t, 1.0f);
    }
    const Vector<AnimationFrame*>& frames = _animation->getFrames();
    for (std::size_t i = _nextFrame; i < frames.size() && _splitTimes[i] <= t; ++i) {
        _sprite->setSpriteFrame(frames.at(i)->getSpriteFrame());
        _nextFrame = i + 1;
    }
}

}
