#pragma once
#include "actions/ActionInterval.h"
#include "math/Vec3.h"

namespace cocos2d {

// Turns by an angle (degrees, clockwise).
class RotateBy : public ActionInterval
{
public:
    static RotateBy* create(float duration, float deltaAngle);
    static RotateBy* create(float duration, const Vec3& deltaAngle3D);

    void startWithTarget(Node* target) override;
    void update(float t) override;

private:
    RotateBy() = default;

    bool _is3D = false;
    Vec3 _delta;
    Vec3 _start;
};

}
