#pragma once
#include "actions/MoveBy.h"

namespace cocos2d {

// Moves to a position; it ends exactly there unless something else moved the
// node meanwhile.
class MoveTo : public MoveBy
{
public:
    static MoveTo* create(float duration, const Vec2& position);

    void startWithTarget(Node* target) override;
    void update(float t) override;

private:
    MoveTo() = default;
    Vec2 _endPosition;
};

}
