#include "actions/Repeat.h"

namespace cocos2d {

Repeat* Repeat::create(FiniteTimeAction* action, unsigned int times)
{
    auto* repeat = new Repeat();
    action->retain();
    repeat->_inner = action;
    repeat->_times = times;
    repeat->initWithDuration(action->getDuration() * static_cast<float>(times));
    repeat->autorelease();
    return repeat;
}

Repeat::~Repeat()
{
    _inner->release();
}

void Repeat::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _done = 0;
    _innerRunning = false;
}

void Repeat::stop()
{
    if (_innerRunning)
        _inner->stop();
    _innerRunning = false;
    ActionInterval::stop();
}

void Repeat::update(float t)
{
    const float length = _inner->getDuration();
    const float time = t >= 1.0f ? _duration : t * _duration;
    while (_done < _times && _target)
    {
        if (!_innerRunning)
        {
            _inner->startWithTarget(_target);
            _innerRunning = true;
        }
        const float cycleEnd = length * static_cast<float>(_done + 1);
        if (t >= 1.0f || time >= cycleEnd)
        {
            _inner->update(1.0f);
            if (!_target)
                return;
            _inner->stop();
            _innerRunning = false;
            ++_done;
            continue;
        }
        const float into = time - length * static_cast<float>(_done);
        _inner->update(length > 0.0f ? into / length : 1.0f);
        return;
    }
}

}
