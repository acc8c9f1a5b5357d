#pragma once
#include "actions/ActionInterval.h"
#include "base/Vector.h"
#include <cstdarg>
#include <vector>

namespace cocos2d {

// What Sequence and Spawn share: they are built from a list of actions
// (ending with nullptr, a Vector, or just two) and hold one reference to each
// for as long as they live. How the list is timed is the subclass's business:
// it provides initTiming(), called once the actions are held.
template <class Group>
class ActionGroup : public ActionInterval
{
public:
    // The list ends with nullptr.
    static Group* create(FiniteTimeAction* action1, ...)
    {
        std::vector<FiniteTimeAction*> list;
        va_list args;
        va_start(args, action1);
        for (FiniteTimeAction* a = action1; a; a = va_arg(args, FiniteTimeAction*))
            list.push_back(a);
        va_end(args);
        return createWithList(list);
    }

    static Group* create(const Vector<FiniteTimeAction*>& actions)
    {
        return createWithList(std::vector<FiniteTimeAction*>(actions.begin(), actions.end()));
    }

    static Group* createWithTwoActions(FiniteTimeAction* first, FiniteTimeAction* second)
    {
        return create(first, second, nullptr);
    }

    ~ActionGroup() override
    {
        for (FiniteTimeAction* a : _actions)
            a->release();
    }

protected:
    ActionGroup() = default;

    std::vector<FiniteTimeAction*> _actions;

private:
    static Group* createWithList(const std::vector<FiniteTimeAction*>& list)
    {
        auto* group = new Group();
        for (FiniteTimeAction* a : list)
        {
            a->retain();
            group->_actions.push_back(a);
        }
        group->initTiming();
        group->autorelease();
        return group;
    }
};

}
