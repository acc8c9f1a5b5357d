#pragma once
#include "actions/ActionInstant.h"

namespace cocos2d {

// Takes the node out of its parent (with clean-up unless told otherwise).
class RemoveSelf : public ActionInstant
{
public:
    static RemoveSelf* create(bool isNeedCleanUp = true);
    void update(float t) override;

private:
    RemoveSelf() = default;
    bool _isNeedCleanUp = true;
};

}
