#include "2d/AnimationFrame.h"

#include "2d/SpriteFrame.h"
#include "base/RefOwnership.h"

namespace cocos2d {

AnimationFrame* AnimationFrame::create(SpriteFrame* spriteFrame, float delayUnits)
{
    if (!spriteFrame)
        return nullptr;
    AnimationFrame* frame = new AnimationFrame();
    frame->setSpriteFrame(spriteFrame);
    frame->_delayUnits = delayUnits;
    frame->autorelease();
    return frame;
}

AnimationFrame::~AnimationFrame()
{
    if (_spriteFrame)
        _spriteFrame->release();
}

void AnimationFrame::setSpriteFrame(SpriteFrame* frame)
{
    assignRetained(_spriteFrame, frame);
}

}
