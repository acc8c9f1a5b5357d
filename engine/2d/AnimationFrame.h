#pragma once
#include "base/Ref.h"

namespace cocos2d {

class SpriteFrame;

// One step of an Animation: a sprite frame shown for a number of delay units.
class AnimationFrame : public Ref
{
public:
    static AnimationFrame* create(SpriteFrame* spriteFrame, float delayUnits);
    ~AnimationFrame() override;

    SpriteFrame* getSpriteFrame() const { return _spriteFrame; }
    void setSpriteFrame(SpriteFrame* frame);
    float getDelayUnits() const { return _delayUnits; }
    void setDelayUnits(float units) { _delayUnits = units; }

private:
    AnimationFrame() = default;

    SpriteFrame* _spriteFrame = nullptr;
    float _delayUnits = 1.0f;
};

}
