#pragma once
#include "cocos2d.h"

#include <string>

class GameMob;

// A floating description over an actor, such as the marker over the current
// target.
class UIObjectDescriptor : public cocos2d::Node
{
public:
    static UIObjectDescriptor* create(const std::string& name, int flag);
    ~UIObjectDescriptor() override;

    // Shows the description over the actor.
    void describe(GameMob* actor);
    virtual void hide();
    void update(float dt) override;

    // Keeps the current target instead of looking for a new one.
    bool hold = false;
    bool shown = false;
    GameMob* target = nullptr;

protected:
    UIObjectDescriptor(const std::string& name, int flag);
};
