#pragma once
#include <vector>

#include "actions/ActionInterval.h"

namespace cocos2d {

class Animation;
class Sprite;
class SpriteFrame;

// Plays an Animation on a Sprite: its duration is the animation's duration
// times its loops. Frame i of a run shows from the moment its preceding
// delay units have passed; the last update shows the last frame. With the
// animation's restore flag the sprite gets back the frame it showed before
// when the action stops. On a node that is not a Sprite it does nothing.
class Animate : public ActionInterval
{
public:
    static Animate* create(Animation* animation);
    ~Animate() override;

    Animation* getAnimation() const { return _animation; }

    void startWithTarget(Node* target) override;
    void stop() override;
    void update(float t) override;

private:
    Animate() = default;
    bool initWithAnimation(Animation* animation);

    Animation* _animation = nullptr;
    std::vector<float> _splitTimes;
    std::size_t _nextFrame = 0;
    unsigned int _executedLoops = 0;
    SpriteFrame* _originalFrame = nullptr;
    // The target as a sprite (null for other nodes), found once per start
    // rather than on every step.
    Sprite* _sprite = nullptr;
};

}
