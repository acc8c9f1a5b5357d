#pragma once
#include "actions/ActionInterval.h"
#include "math/Vec3.h"

namespace cocos2d {

// Turns to an angle (degrees, clockwise) the short way round, ending on
// exactly the angle asked for.
class RotateTo : public ActionInterval
{
public:
    static RotateTo* create(float duration, float angle);
    static RotateTo* create(float duration, const Vec3& angles3D);

    void startWithTarget(Node* target) override;
    void update(float t) override;

private:
    RotateTo() = default;
    static float shortestDelta(float& start, float end);

    bool _is3D = false;
    Vec3 _end;
    Vec3 _start;
    Vec3 _delta;
};

}
