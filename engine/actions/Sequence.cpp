#include "actions/Sequence.h"
#include <cstdarg>

namespace cocos2d {

Sequence* Sequence::create(FiniteTimeAction* action1, ...)
{
    std::vector<FiniteTimeAction*> list;
    va_list args;
    va_start(args, action1);
    for (FiniteTimeAction* a = action1; a; a = va_arg(args, FiniteTimeAction*))
        list.push_back(a);
    va_end(args);
    auto* seq = new Sequence();
    seq->initWithActions(list);
    seq->autorelease();
    return seq;
}

Sequence* Sequence::create(const Vector<FiniteTimeAction*>& actions)
{
    std::vector<FiniteTimeAction*> list(actions.begin(), actions.end());
    auto* seq = new Sequence();
    seq->initWithActions(list);
    seq->autorelease();
    return seq;
}

Sequence* Sequence::createWithTwoActions(FiniteTimeAction* first, FiniteTimeAction* second)
{
    return create(first, second, nullptr);
}

bool Sequence::initWithActions(const std::vector<FiniteTimeAction*>& actions)
{
    float total = 0.0f;
    for (FiniteTimeAction* a : actions)
    {
        a->retain();
        _actions.push_back(a);
        _starts.push_back(total);
        total += a->getDuration();
    }
    return initWithDuration(total);
}

Sequence::~Sequence()
{
    for (FiniteTimeAction* a : _actions)
        a->release();
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
