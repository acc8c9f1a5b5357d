#include "actions/ActionManager.h"
#include "2d/Node.h"
#include "actions/Action.h"
#include <algorithm>

namespace cocos2d {

ActionManager::~ActionManager()
{
    removeAllActions();
    compact();
}

ActionManager::Element* ActionManager::find(const Node* target) const
{
    auto it = _byTarget.find(target);
    return it == _byTarget.end() ? nullptr : it->second;
}

void ActionManager::addAction(Action* action, Node* target, bool paused)
{
    if (!action || !target)
        return;
    Element* element = find(target);
    if (!element)
    {
        element = new Element{target, {}, paused, true, false};
        // Kept alive while it has actions.
        target->retain();
        _elements.push_back(element);
        _byTarget[target] = element;
    }
    action->retain();
    element->actions.push_back(Entry{action, _tick, true});
    action->startWithTarget(target);
}

void ActionManager::killEntry(Element* element, std::size_t index)
{
    Entry& entry = element->actions[index];
    if (!entry.alive)
        return;
    entry.alive = false;
    element->hasDead = true;
    _needsCompact = true;
    Action* action = entry.action;
    if (action->getTarget())
        action->stop();
    if (!_updating)
        compact();
}

void ActionManager::killElement(Element* element)
{
    if (!element->alive)
        return;
    markElementDead(element);
    // Stopping may run game code that adds actions: walk by index.
    for (std::size_t i = 0; i < element->actions.size(); ++i)
    {
        if (!element->actions[i].alive)
            continue;
        element->actions[i].alive = false;
        Action* action = element->actions[i].action;
        if (action->getTarget())
            action->stop();
    }
}

void ActionManager::markElementDead(Element* element)
{
    element->alive = false;
    element->hasDead = true;
    _needsCompact = true;
    _byTarget.erase(element->target);
}

void ActionManager::removeAllActions()
{
    for (std::size_t i = 0; i < _elements.size(); ++i)
        killElement(_elements[i]);
    if (!_updating)
        compact();
}

void ActionManager::removeAllActionsFromTarget(Node* target)
{
    Element* element = find(target);
    if (!element)
        return;
    killElement(element);
    if (!_updating)
        compact();
}

void ActionManager::removeAction(Action* action)
{
    if (!action)
        return;
    Element* element = find(action->getOriginalTarget());
    if (!element)
        return;
    for (std::size_t i = 0; i < element->actions.size(); ++i)
    {
        if (element->actions[i].alive && element->actions[i].action == action)
        {
            killEntry(element, i);
            return;
        }
    }
}

void ActionManager::removeActionByTag(int tag, Node* target)
{
    Element* element = find(target);
    if (!element)
        return;
    for (std::size_t i = 0; i < element->actions.size(); ++i)
    {
        if (element->actions[i].alive && element->actions[i].action->getTag() == tag)
        {
            killEntry(element, i);
            return;
        }
    }
}

Action* ActionManager::getActionByTag(int tag, const Node* target) const
{
    Element* element = find(target);
    if (!element)
        return nullptr;
    for (const Entry& entry : element->actions)
    {
        if (entry.alive && entry.action->getTag() == tag)
            return entry.action;
    }
    return nullptr;
}

std::size_t ActionManager::getNumberOfRunningActionsInTarget(const Node* target) const
{
    Element* element = find(target);
    if (!element)
        return 0;
    return static_cast<std::size_t>(std::count_if(element->actions.begin(), element->actions.end(),
                                                  [](const Entry& e) { return e.alive; }));
}

void ActionManager::pauseTarget(Node* target)
{
    if (Element* element = find(target))
        element->paused = true;
}

void ActionManager::resumeTarget(Node* target)
{
    if (Element* element = find(target))
        element->paused = false;
}

void ActionManager::update(float dt)
{
    ++_tick;
    ++_updating;
    // Elements and actions added during this walk wait for the next frame.
    const std::size_t elementCount = _elements.size();
    for (std::size_t e = 0; e < elementCount; ++e)
    {
        Element* element = _elements[e];
        if (!element->alive || element->paused)
            continue;
        for (std::size_t i = 0; i < element->actions.size() && element->alive; ++i)
        {
            Entry& entry = element->actions[i];
            if (!entry.alive || entry.addedTick == _tick)
                continue;
            Action* action = entry.action;
            action->retain();
            action->step(dt);
            // The step may have stopped this action, its node's actions or
            // added actions (which may have moved the entries).
            Entry& after = element->actions[i];
            if (after.alive && after.action == action && action->isDone())
            {
                after.alive = false;
                element->hasDead = true;
                _needsCompact = true;
                action->stop();
            }
            action->release();
        }
        if (element->alive && element->hasDead &&
            std::none_of(element->actions.begin(), element->actions.end(), [](const Entry& en) { return en.alive; }))
            markElementDead(element);
    }
    --_updating;
    if (!_updating)
        compact();
}

void ActionManager::compact()
{
    if (!_needsCompact)
        return;
    _needsCompact = false;
    for (Element* element : _elements)
    {
        if (!element->hasDead)
            continue;
        element->hasDead = false;
        auto& list = element->actions;
        auto keptEnd = std::stable_partition(list.begin(), list.end(), [](const Entry& en) { return en.alive; });
        std::vector<Action*> dropped;
        for (auto it = keptEnd; it != list.end(); ++it)
            dropped.push_back(it->action);
        list.erase(keptEnd, list.end());
        for (Action* action : dropped)
            action->release();
        if (element->alive && list.empty())
            markElementDead(element);
    }
    auto firstDead = std::stable_partition(_elements.begin(), _elements.end(),
                                           [](const Element* el) { return el->alive; });
    std::vector<Element*> dead(firstDead, _elements.end());
    _elements.erase(firstDead, _elements.end());
    // Releasing a node may free it, and its destructor calls back in here:
    // the lists are already consistent at this point.
    for (Element* element : dead)
    {
        for (const Entry& entry : element->actions)
            entry.action->release();
        Node* target = element->target;
        delete element;
        target->release();
    }
}

}
