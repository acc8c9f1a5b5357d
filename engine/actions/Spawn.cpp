#include "actions/Spawn.h"
#include <algorithm>

namespace cocos2d {

bool Spawn::initTiming()
{
    float longest = 0.0f;
    for (FiniteTimeAction* a : _actions)
        longest = std::max(longest, a->getDuration());
    _running.assign(_actions.size(), false);
    return initWithDuration(longest);
}

void Spawn::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    for (std::size_t i = 0; i < _actions.size(); ++i)
    {
        _actions[i]->startWithTarget(target);
        _running[i] = true;
    }
}

void Spawn::stop()
{
    for (std::size_t i = 0; i < _actions.size(); ++i)
    {
        if (_running[i])
            _actions[i]->stop();
        _running[i] = false;
    }
    ActionInterval::stop();
}

void Spawn::update(float t)
{
    const float time = t >= 1.0f ? _duration : t * _duration;
    for (std::size_t i = 0; i < _actions.size() && _target; ++i)
    {
        if (!_running[i])
            continue;
        FiniteTimeAction* action = _actions[i];
        const float length = action->getDuration();
        if (t >= 1.0f || time >= length)
        {
            action->update(1.0f);
            if (!_target)
                return;
            action->stop();
            _running[i] = false;
        }
        else
        {
            action->update(length > 0.0f ? time / length : 1.0f);
        }
    }
}

}
