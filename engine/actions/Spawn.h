#pragma once
#include "actions/ActionGroup.h"
#include <vector>

namespace cocos2d {

// Runs its actions together; it lasts as long as the longest.
class Spawn : public ActionGroup<Spawn>
{
public:
    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    friend class ActionGroup<Spawn>;
    Spawn() = default;
    bool initTiming();

    std::vector<bool> _running;
};

}
