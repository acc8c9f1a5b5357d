#include "base/Scheduler.h"
#include <algorithm>
#include <cmath>

namespace cocos2d {

struct Scheduler::UpdateEntry
{
    Ref* target;
    int priority;
    ccSchedulerFunc callback;
    bool alive;
};

struct Scheduler::Timer
{
    void* target;
    Ref* keepAlive; // the target when it is a Ref: held during the call
    Ref* selectorTarget; // set for member-selector timers
    SEL_SCHEDULE selector;
    std::string key;
    ccSchedulerFunc callback;
    float interval;
    float delay;
    unsigned int repeat;
    unsigned int timesExecuted;
    float elapsed;
    bool useDelay;
    unsigned long addedTick;
    bool alive;

    bool runsForever() const { return repeat == CC_REPEAT_FOREVER; }
};

Scheduler::~Scheduler()
{
    for (UpdateEntry* e : _updates)
        delete e;
    for (UpdateEntry* e : _pendingUpdates)
        delete e;
    for (Timer* t : _timers)
        delete t;
}

// --- per-frame updates ----------------------------------------------------

Scheduler::UpdateEntry* Scheduler::findUpdate(const void* target) const
{
    auto it = _updateByTarget.find(target);
    return it == _updateByTarget.end() ? nullptr : it->second;
}

void Scheduler::kill(UpdateEntry* entry)
{
    if (!entry->alive)
        return;
    entry->alive = false;
    _updateByTarget.erase(entry->target);
    dropTargetRef(entry->target);
}

void Scheduler::kill(Timer* timer)
{
    if (!timer->alive)
        return;
    timer->alive = false;
    dropTargetRef(timer->target);
}

void Scheduler::dropTargetRef(const void* target)
{
    auto it = _entriesPerTarget.find(target);
    if (it != _entriesPerTarget.end() && --it->second <= 0)
        _entriesPerTarget.erase(it);
}

void Scheduler::insertUpdate(UpdateEntry* entry)
{
    // After every entry of lower or equal priority.
    auto pos = std::upper_bound(_updates.begin(), _updates.end(), entry->priority,
                                [](int p, const UpdateEntry* e) { return p < e->priority; });
    _updates.insert(pos, entry);
}

void Scheduler::scheduleUpdate(Ref* target, int priority, bool paused, const ccSchedulerFunc& callback)
{
    if (UpdateEntry* existing = findUpdate(target))
    {
        if (existing->priority == priority)
            return;
        kill(existing); // re-scheduled at the new priority below
    }
    auto* entry = new UpdateEntry{target, priority, callback, true};
    _updateByTarget[target] = entry;
    ++_entriesPerTarget[target];
    // Entries made during a frame join after it, so the frame's walk over
    // the list is never disturbed.
    if (_updating)
        _pendingUpdates.push_back(entry);
    else
        insertUpdate(entry);
    if (paused)
        pauseTarget(target);
}

void Scheduler::unscheduleUpdate(Ref* target)
{
    if (UpdateEntry* e = findUpdate(target))
        kill(e);
}

// --- timers ---------------------------------------------------------------

Scheduler::Timer* Scheduler::findTimer(const void* target, SEL_SCHEDULE selector, const std::string& key) const
{
    for (Timer* t : _timers)
    {
        if (!t->alive || t->target != target)
            continue;
        if (selector ? t->selector == selector : (!t->selector && t->key == key))
            return t;
    }
    return nullptr;
}

void Scheduler::addTimer(Timer* timer)
{
    if (Timer* existing = findTimer(timer->target, timer->selector, timer->key))
    {
        // Scheduling again only changes the interval, as it always has.
        existing->interval = timer->interval;
        delete timer;
        return;
    }
    _timers.push_back(timer);
    ++_entriesPerTarget[timer->target];
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay,
                         bool paused)
{
    auto* t = new Timer{target, target, target, selector, std::string(), nullptr, std::max(interval, 0.0f),
                        std::max(delay, 0.0f), repeat, 0, 0.0f, delay > 0.0f, _tick, true};
    addTimer(t);
    if (paused)
        pauseTarget(target);
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused)
{
    schedule(selector, target, interval, CC_REPEAT_FOREVER, 0.0f, paused);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat,
                         float delay, bool paused, const std::string& key)
{
    auto* t = new Timer{target, nullptr, nullptr, nullptr, key, callback, std::max(interval, 0.0f),
                        std::max(delay, 0.0f), repeat, 0, 0.0f, delay > 0.0f, _tick, true};
    addTimer(t);
    if (paused)
        pauseTarget(target);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, Ref* target, float interval, unsigned int repeat,
                         float delay, bool paused, const std::string& key)
{
    schedule(callback, static_cast<void*>(target), interval, repeat, delay, paused, key);
    if (Timer* t = findTimer(target, nullptr, key))
        t->keepAlive = target;
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused,
                         const std::string& key)
{
    schedule(callback, target, interval, CC_REPEAT_FOREVER, 0.0f, paused, key);
}

void Scheduler::unschedule(SEL_SCHEDULE selector, Ref* target)
{
    if (Timer* t = findTimer(target, selector, std::string()))
        kill(t);
}

void Scheduler::unschedule(const std::string& key, void* target)
{
    if (Timer* t = findTimer(target, nullptr, key))
        kill(t);
}

void Scheduler::unscheduleAllForTarget(void* target)
{
    _pausedTargets.erase(target);
    // Most nodes freed or cleaned up have nothing scheduled.
    if (_entriesPerTarget.find(target) == _entriesPerTarget.end())
        return;
    if (UpdateEntry* e = findUpdate(target))
        kill(e);
    for (Timer* t : _timers)
    {
        if (t->target == target)
            kill(t);
    }
}

void Scheduler::unscheduleAll()
{
    for (const auto* list : {&_updates, &_pendingUpdates})
    {
        for (UpdateEntry* e : *list)
        {
            // The system update (the action manager) stays.
            if (e->priority != PRIORITY_SYSTEM)
                kill(e);
        }
    }
    for (Timer* t : _timers)
        kill(t);
    _pausedTargets.clear();
}

bool Scheduler::isScheduled(SEL_SCHEDULE selector, const Ref* target) const
{
    return findTimer(target, selector, std::string()) != nullptr;
}

bool Scheduler::isScheduled(const std::string& key, const void* target) const
{
    return findTimer(target, nullptr, key) != nullptr;
}

// --- pausing --------------------------------------------------------------

void Scheduler::pauseTarget(void* target)
{
    _pausedTargets.insert(target);
}

void Scheduler::resumeTarget(void* target)
{
    _pausedTargets.erase(target);
}

bool Scheduler::isTargetPaused(void* target) const
{
    return !_pausedTargets.empty() && _pausedTargets.count(target) != 0;
}

// --- the frame ------------------------------------------------------------

void Scheduler::update(float dt)
{
    ++_tick;
    _updating = true;
    runUpdates(dt);
    runTimers(dt);
    _updating = false;
    purgeDead();
    std::vector<UpdateEntry*> pending;
    pending.swap(_pendingUpdates);
    for (UpdateEntry* e : pending)
    {
        if (e->alive)
            insertUpdate(e);
        else
            delete e;
    }
}

void Scheduler::runUpdates(float dt)
{
    for (std::size_t i = 0; i < _updates.size(); ++i)
    {
        UpdateEntry* e = _updates[i];
        if (!e->alive || isTargetPaused(e->target))
            continue;
        // The target may be released by its own update.
        Ref* target = e->target;
        const ccSchedulerFunc callback = e->callback;
        target->retain();
        callback(dt);
        target->release();
    }
}

void Scheduler::runTimers(float dt)
{
    const std::size_t count = _timers.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        Timer* t = _timers[i];
        if (!t->alive || t->addedTick == _tick || isTargetPaused(t->target))
            continue;
        t->elapsed += dt;
        const float due = t->useDelay ? t->delay : t->interval;
        if (t->elapsed < due)
            continue;
        const float passed = t->elapsed;
        t->elapsed -= due;
        // One call a frame at most; a long frame does not queue up calls.
        if (t->interval > 0.0f && t->elapsed >= t->interval)
            t->elapsed = std::fmod(t->elapsed, t->interval);
        else if (t->interval <= 0.0f)
            t->elapsed = 0.0f;
        t->useDelay = false;
        ++t->timesExecuted;
        const bool last = !t->runsForever() && t->timesExecuted > t->repeat;
        if (last)
            kill(t);
        const ccSchedulerFunc callback = t->callback;
        Ref* selectorTarget = t->selectorTarget;
        const SEL_SCHEDULE selector = t->selector;
        // The target may be released by its own callback.
        Ref* keepAlive = t->keepAlive;
        if (keepAlive)
            keepAlive->retain();
        if (selectorTarget)
            (selectorTarget->*selector)(passed);
        else if (callback)
            callback(passed);
        if (keepAlive)
            keepAlive->release();
    }
}

void Scheduler::purgeDead()
{
    auto deadUpdate = [](UpdateEntry* e) {
        if (e->alive)
            return false;
        delete e;
        return true;
    };
    _updates.erase(std::remove_if(_updates.begin(), _updates.end(), deadUpdate), _updates.end());
    auto deadTimer = [](Timer* t) {
        if (t->alive)
            return false;
        delete t;
        return true;
    };
    _timers.erase(std::remove_if(_timers.begin(), _timers.end(), deadTimer), _timers.end());
}

}
