#pragma once
#include "actions/ActionInterval.h"
#include <cstdint>

namespace cocos2d {

// Changes the node's opacity (through its virtual setOpacity) from where it
// is to the given value.
class FadeTo : public ActionInterval
{
public:
    static FadeTo* create(float duration, uint8_t opacity);

    void startWithTarget(Node* target) override;
    void update(float t) override;

protected:
    FadeTo() = default;
    bool initWithDuration(float duration, uint8_t opacity);

    uint8_t _toOpacity = 255;
    uint8_t _fromOpacity = 255;
};

}
