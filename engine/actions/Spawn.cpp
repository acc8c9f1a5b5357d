#include "actions/Spawn.h"
#include <algorithm>
#include <cstdarg>

namespace cocos2d {

Spawn* Spawn::create(FiniteTimeAction* action1, ...)
{
    std::vector<FiniteTimeAction*> list;
    va_list args;
    va_start(args, action1);
    for (FiniteTimeAction* a = action1; a; a = va_arg(args, FiniteTimeAction*))
        list.push_back(a);
    va_end(args);
    auto* spawn = new Spawn();
    spawn->initWithActions(list);
    spawn->autorelease();
    return spawn;
}

Spawn* Spawn::create(const Vector<FiniteTimeAction*>& actions)
{
    std::vector<FiniteTimeAction*> list(actions.begin(), actions.end());
    auto* spawn = new Spawn();
    spawn->initWithActions(list);
    spawn->autorelease();
    return spawn;
}

Spawn* Spawn::createWithTwoActions(FiniteTimeAction* first, FiniteTimeAction* second)
{
    return create(first, second, nullptr);
}

bool Spawn::initWithActions(const std::vector<FiniteTimeAction*>& actions)
{
    float longest = 0.0f;
    for (FiniteTimeAction* a : actions)
    {
        a->retain();
        _actions.push_back(a);
        longest = std::max(longest, a->getDuration());
    }
    _running.assign(_actions.size(), false);
    return initWithDuration(longest);
}

Spawn::~Spawn()
{
    for (FiniteTimeAction* a : _actions)
        a->release();
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
