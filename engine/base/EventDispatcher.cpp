#include "base/EventDispatcher.h"
#include "2d/Node.h"
#include "2d/Scene.h"
#include "base/Director.h"
#include "base/Event.h"
#include "base/EventListener.h"
#include "base/ccMacros.h"
#include <algorithm>
#include <unordered_map>

namespace cocos2d {

namespace {

EventListener::Type listenerTypeFor(const Event* event)
{
    switch (event->getType())
    {
    case Event::Type::KEYBOARD: return EventListener::Type::KEYBOARD;
    case Event::Type::MOUSE: return EventListener::Type::MOUSE;
    case Event::Type::ACCELERATION: return EventListener::Type::ACCELERATION;
    case Event::Type::CUSTOM: return EventListener::Type::CUSTOM;
    case Event::Type::TOUCH: return EventListener::Type::TOUCH_ONE_BY_ONE;
    }
    return EventListener::Type::UNKNOWN;
}

// Visit order of the running scene (drawn last = on top = first to hear).
void collectDrawOrder(Node* node, std::unordered_map<const Node*, std::size_t>& order)
{
    auto& children = node->getChildren();
    std::size_t i = 0;
    for (; i < children.size() && children.at(i)->getLocalZOrder() < 0; ++i)
        collectDrawOrder(children.at(i), order);
    order[node] = order.size();
    for (; i < children.size(); ++i)
        collectDrawOrder(children.at(i), order);
}

}

EventDispatcher::~EventDispatcher()
{
    removeAllEventListeners();
    purgeRemoved();
}

void EventDispatcher::addListener(EventListener* listener)
{
    listener->retain();
    listener->setRegistered(true);
    if (_inDispatch > 0)
        _pendingAdd.push_back(listener);
    else
        _listeners.push_back(listener);
}

void EventDispatcher::addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node)
{
    if (!listener || !node || listener->isRegistered())
    {
        CCLOG("EventDispatcher: listener is null or already registered");
        return;
    }
    listener->setAssociatedNode(node);
    listener->setFixedPriority(0);
    listener->setPaused(!node->isRunning());
    addListener(listener);
}

void EventDispatcher::addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority)
{
    if (!listener || listener->isRegistered() || fixedPriority == 0)
    {
        CCLOG("EventDispatcher: listener is null, already registered or given priority 0");
        return;
    }
    listener->setAssociatedNode(nullptr);
    listener->setFixedPriority(fixedPriority);
    listener->setPaused(false);
    addListener(listener);
}

void EventDispatcher::detach(EventListener* listener)
{
    // Only marked here; the list is tidied when no dispatch is running.
    listener->setRegistered(false);
    listener->setAssociatedNode(nullptr);
}

void EventDispatcher::removeEventListener(EventListener* listener)
{
    if (!listener || !listener->isRegistered())
        return;
    detach(listener);
    purgeRemoved();
}

void EventDispatcher::removeEventListenersForTarget(Node* target)
{
    for (auto* list : {&_listeners, &_pendingAdd})
    {
        for (EventListener* l : *list)
        {
            if (l->isRegistered() && l->getAssociatedNode() == target)
                detach(l);
        }
    }
    purgeRemoved();
}

void EventDispatcher::removeAllEventListeners()
{
    for (auto* list : {&_listeners, &_pendingAdd})
    {
        for (EventListener* l : *list)
            detach(l);
    }
    purgeRemoved();
}

void EventDispatcher::pauseEventListenersForTarget(Node* target)
{
    for (auto* list : {&_listeners, &_pendingAdd})
    {
        for (EventListener* l : *list)
        {
            if (l->getAssociatedNode() == target)
                l->setPaused(true);
        }
    }
}

void EventDispatcher::resumeEventListenersForTarget(Node* target)
{
    for (auto* list : {&_listeners, &_pendingAdd})
    {
        for (EventListener* l : *list)
        {
            if (l->getAssociatedNode() == target)
                l->setPaused(false);
        }
    }
}

void EventDispatcher::purgeRemoved()
{
    if (_inDispatch > 0)
        return;
    std::vector<EventListener*> dropped;
    for (auto* list : {&_listeners, &_pendingAdd})
    {
        auto keptEnd = std::stable_partition(list->begin(), list->end(),
                                             [](const EventListener* l) { return l->isRegistered(); });
        dropped.insert(dropped.end(), keptEnd, list->end());
        list->erase(keptEnd, list->end());
    }
    for (EventListener* l : dropped)
        l->release();
}

std::size_t EventDispatcher::getListenerCount() const
{
    std::size_t n = 0;
    for (const auto* list : {&_listeners, &_pendingAdd})
        n += static_cast<std::size_t>(std::count_if(list->begin(), list->end(),
                                                    [](const EventListener* l) { return l->isRegistered(); }));
    return n;
}

std::vector<EventListener*> EventDispatcher::orderedListenersFor(Event* event) const
{
    const EventListener::Type type = listenerTypeFor(event);
    std::vector<EventListener*> fixedLow, sceneGraph, fixedHigh;
    for (EventListener* l : _listeners)
    {
        if (l->getType() != type || !l->isRegistered())
            continue;
        if (l->getAssociatedNode())
            sceneGraph.push_back(l);
        else if (l->getFixedPriority() < 0)
            fixedLow.push_back(l);
        else
            fixedHigh.push_back(l);
    }
    auto byPriority = [](const EventListener* a, const EventListener* b) {
        return a->getFixedPriority() < b->getFixedPriority();
    };
    std::stable_sort(fixedLow.begin(), fixedLow.end(), byPriority);
    std::stable_sort(fixedHigh.begin(), fixedHigh.end(), byPriority);
    if (!sceneGraph.empty())
    {
        std::unordered_map<const Node*, std::size_t> order;
        if (Scene* scene = Director::getInstance()->getRunningScene())
            collectDrawOrder(scene, order);
        auto rank = [&order](const EventListener* l) {
            auto it = order.find(l->getAssociatedNode());
            return it == order.end() ? 0 : it->second + 1;
        };
        std::stable_sort(sceneGraph.begin(), sceneGraph.end(),
                         [&rank](const EventListener* a, const EventListener* b) { return rank(a) > rank(b); });
    }
    std::vector<EventListener*> all;
    all.reserve(fixedLow.size() + sceneGraph.size() + fixedHigh.size());
    all.insert(all.end(), fixedLow.begin(), fixedLow.end());
    all.insert(all.end(), sceneGraph.begin(), sceneGraph.end());
    all.insert(all.end(), fixedHigh.begin(), fixedHigh.end());
    return all;
}

void EventDispatcher::dispatchEvent(Event* event)
{
    if (!_isEnabled || !event)
        return;
    std::vector<EventListener*> listeners = orderedListenersFor(event);
    for (EventListener* l : listeners)
        l->retain();
    ++_inDispatch;
    for (EventListener* l : listeners)
    {
        if (event->isStopped())
            break;
        // Removed, disabled or paused by an earlier listener of this event?
        if (!l->isRegistered() || !l->isEnabled() || l->isPaused())
            continue;
        event->setCurrentTarget(l->getAssociatedNode());
        l->onEvent(event);
    }
    --_inDispatch;
    for (EventListener* l : listeners)
        l->release();
    if (_inDispatch == 0)
    {
        _listeners.insert(_listeners.end(), _pendingAdd.begin(), _pendingAdd.end());
        _pendingAdd.clear();
        purgeRemoved();
    }
}

}
