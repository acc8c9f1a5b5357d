#pragma once
#include "actions/ActionInterval.h"

namespace cocos2d {

class ScaleTo : public ActionInterval
{
public:
    static ScaleTo* create(float duration, float scale);
    static ScaleTo* create(float duration, float scaleX, float scaleY);
    static ScaleTo* create(float duration, float scaleX, float scaleY, float scaleZ);

    void startWithTarget(Node* target) override;
    void update(float t) override;

protected:
    ScaleTo() = default;
    bool initWithDuration(float duration, float sx, float sy, float sz);

    float _startX = 1.0f, _startY = 1.0f, _startZ = 1.0f;
    float _endX = 1.0f, _endY = 1.0f, _endZ = 1.0f;
    float _deltaX = 0.0f, _deltaY = 0.0f, _deltaZ = 0.0f;
};

}
