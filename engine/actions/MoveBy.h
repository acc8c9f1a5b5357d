#pragma once
#include "actions/ActionInterval.h"
#include "math/Vec2.h"

namespace cocos2d {

// Moves by a delta. Moves of the node made by others meanwhile (another move
// running together) add up rather than being overwritten.
class MoveBy : public ActionInterval
{
public:
    static MoveBy* create(float duration, const Vec2& deltaPosition);

    void startWithTarget(Node* target) override;
    void update(float t) override;

protected:
    MoveBy() = default;
    bool initWithDuration(float duration, const Vec2& deltaPosition);
    // Where the node would be at progress t, before any exact-end fix-up.
    Vec2 positionAt(float t);

    Vec2 _positionDelta;
    Vec2 _startPosition;
    Vec2 _previousPosition;
    bool _disturbed = false;
};

}
