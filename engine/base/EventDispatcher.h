#pragma once
#include "base/Ref.h"
#include <vector>

namespace cocos2d {

class Event;
class EventListener;
class Node;

// Hands events to listeners in this order: fixed priorities below 0
// (ascending), then listeners tied to scene nodes (front-most node first),
// then fixed priorities above 0 (ascending); equal priorities in the order
// they were added. A listener tied to a node only hears events while its node
// is in the running scene. Listeners added during a dispatch hear the next
// event; listeners removed during a dispatch hear nothing more.
class EventDispatcher : public Ref
{
public:
    EventDispatcher() = default;
    ~EventDispatcher() override;

    void addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node);
    // Priority 0 is reserved for scene-graph listeners and is refused.
    void addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority);
    void removeEventListener(EventListener* listener);
    void removeEventListenersForTarget(Node* target);
    void removeAllEventListeners();
    void pauseEventListenersForTarget(Node* target);
    void resumeEventListenersForTarget(Node* target);
    void setEnabled(bool enabled) { _isEnabled = enabled; }
    bool isEnabled() const { return _isEnabled; }

    void dispatchEvent(Event* event);

    std::size_t getListenerCount() const;

private:
    void addListener(EventListener* listener);
    void detach(EventListener* listener);
    void purgeRemoved();
    std::vector<EventListener*> orderedListenersFor(Event* event) const;

    std::vector<EventListener*> _listeners;
    std::vector<EventListener*> _pendingAdd;
    int _inDispatch = 0;
    bool _isEnabled = true;
};

}
