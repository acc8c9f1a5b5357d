#pragma once
#include "base/Ref.h"
#include <cstddef>
#include <unordered_map>
#include <vector>

namespace cocos2d {

class Action;
class Node;

// Steps every running action once a frame. While a node has actions it is
// retained, so it may be removed from the scene (even by its own action)
// without being freed under the manager's feet. Actions added during a step
// start stepping in the next frame; actions removed during a step are not
// stepped again.
class ActionManager : public Ref
{
public:
    ActionManager() = default;
    ~ActionManager() override;

    void addAction(Action* action, Node* target, bool paused);
    void removeAllActions();
    void removeAllActionsFromTarget(Node* target);
    void removeAction(Action* action);
    void removeActionByTag(int tag, Node* target);
    Action* getActionByTag(int tag, const Node* target) const;
    std::size_t getNumberOfRunningActionsInTarget(const Node* target) const;
    void pauseTarget(Node* target);
    void resumeTarget(Node* target);

    void update(float dt);

private:
    struct Entry
    {
        Action* action;
        unsigned long addedTick;
        bool alive;
    };
    struct Element
    {
        Node* target;
        std::vector<Entry> actions;
        bool paused;
        bool alive;
        bool hasDead; // some entries (or the element itself) wait for compact()
    };

    Element* find(const Node* target) const;
    void killEntry(Element* element, std::size_t index);
    void killElement(Element* element);
    void markElementDead(Element* element);
    void compact();

    std::vector<Element*> _elements;
    std::unordered_map<const Node*, Element*> _byTarget;
    unsigned long _tick = 0;
    int _updating = 0;
    bool _needsCompact = false;
};

}
