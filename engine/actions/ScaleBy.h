#pragma once
#include "actions/ScaleTo.h"

namespace cocos2d {

// Multiplies the node's scale by the given factors.
class ScaleBy : public ScaleTo
{
public:
    static ScaleBy* create(float duration, float scale);
    static ScaleBy* create(float duration, float scaleX, float scaleY);

    void startWithTarget(Node* target) override;

private:
    ScaleBy() = default;
    float _byX = 1.0f, _byY = 1.0f, _byZ = 1.0f;
};

}
