#pragma once
#include "base/Ref.h"
#include <climits>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace cocos2d {

// repeat value for "until unscheduled".
constexpr unsigned int CC_REPEAT_FOREVER = UINT_MAX - 1;
constexpr unsigned int kRepeatForever = CC_REPEAT_FOREVER;

using ccSchedulerFunc = std::function<void(float)>;

// Calls per-frame updates and timed callbacks. Each frame: update callbacks in
// ascending priority (equal priorities in the order scheduled), then timers
// in the order scheduled. A timer fires at most once a frame: first after its
// delay (or its interval when there is no delay), then every interval, repeat
// + 1 times in all (or forever). Anything scheduled during a frame first runs
// in the next frame; anything unscheduled during a frame does not run again,
// not even later in the same frame (dead entries are swept at the end of each
// update). The target of a running callback is kept alive until the callback
// returns.
class Scheduler : public Ref
{
public:
    // Priority of the system update that steps the actions (runs first).
    static const int PRIORITY_SYSTEM = INT_MIN;

    Scheduler() = default;
    ~Scheduler() override;

    void update(float dt);

    void scheduleUpdate(Ref* target, int priority, bool paused, const ccSchedulerFunc& callback);
    void unscheduleUpdate(Ref* target);

    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay, bool paused);
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused);
    void schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat, float delay,
                  bool paused, const std::string& key);
    // A Ref target (a node) is kept alive while its callback runs.
    void schedule(const ccSchedulerFunc& callback, Ref* target, float interval, unsigned int repeat, float delay,
                  bool paused, const std::string& key);
    void schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused,
                  const std::string& key);
    void unschedule(SEL_SCHEDULE selector, Ref* target);
    void unschedule(const std::string& key, void* target);
    void unscheduleAllForTarget(void* target);
    void unscheduleAll();
    bool isScheduled(SEL_SCHEDULE selector, const Ref* target) const;
    bool isScheduled(const std::string& key, const void* target) const;

    void pauseTarget(void* target);
    void resumeTarget(void* target);
    bool isTargetPaused(void* target) const;
    bool isTargetPaused(const void* target) const { return isTargetPaused(const_cast<void*>(target)); }


private:
    struct UpdateEntry;
    struct Timer;

    UpdateEntry* findUpdate(const void* target) const;
    void insertUpdate(UpdateEntry* entry);
    void kill(UpdateEntry* entry);
    void kill(Timer* timer);
    void dropTargetRef(const void* target);
    void addTimer(Timer* timer);
    Timer* findTimer(const void* target, SEL_SCHEDULE selector, const std::string& key) const;
    void runUpdates(float dt);
    void runTimers(float dt);
    void purgeDead();

    std::vector<UpdateEntry*> _updates;
    std::vector<UpdateEntry*> _pendingUpdates;
    std::vector<Timer*> _timers;
    std::unordered_set<void*> _pausedTargets;
    std::unordered_map<const void*, UpdateEntry*> _updateByTarget;
    // Live updates and timers of each target.
    std::unordered_map<const void*, int> _entriesPerTarget;
    unsigned long _tick = 0;
    bool _updating = false;
};

}
