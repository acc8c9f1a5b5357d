#pragma once
#include "actions/ActionInterval.h"
#include "base/ccTypes.h"

namespace cocos2d {

// Changes the node's colour (through its virtual setColor) to the given one.
class TintTo : public ActionInterval
{
public:
    static TintTo* create(float duration, uint8_t red, uint8_t green, uint8_t blue);
    static TintTo* create(float duration, const Color3B& color);

    void startWithTarget(Node* target) override;
    void update(float t) override;

private:
    TintTo() = default;
    Color3B _to;
    Color3B _from;
};

}
