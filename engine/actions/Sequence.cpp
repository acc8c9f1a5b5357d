#include "actions/Sequence.h"

namespace cocos2d {

bool Sequence::initTiming()
{
    float total = 0.0f;
    for (FiniteTimeAction* a : _actions)
    {
        _starts.push_back(total);
        total += a->getDuration();
    }
    return initWithDuration(total);
}

void Sequence::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _current = 0;
    _currentStarted = false;
}

void Sequence::stop()
{
    if (_currentStarted && _current < _actions.size())
        _actions[_current]->stop();
    _currentStarted = false;
    ActionInterval::stop();
}

void Sequence::update(float t)
{
    const float time = t >= 1.0f ? _duration : t * _duration;
    const bool finished = t >= 1.0f;
    while (_current < _actions.size() && _target)
    {
        FiniteTimeAction* action = _actions[_current];
        const float start = _starts[_current];
        const float length = action->getDuration();
        if (time < start && !finished)
            return;
        if (!_currentStarted)
        {
            _currentStarted = true;
            action->startWithTarget(_target);
        }
        if (finished || time >= start + length)
        {
            action->update(1.0f);
            if (!_target)
                return; // the callback stopped this sequence
            action->stop();
            _currentStarted = false;
            ++_current;
            continue;
        }
        action->update(length > 0.0f ? (time - start) / length : 1.0f);
        return;
    }
}

}
