#include "2d/Animation.h"

#include "2d/AnimationFrame.h"
#include "2d/SpriteFrame.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"

namespace cocos2d {

Animation* Animation::create()
{
    Animation* animation = new Animation();
    animation->autorelease();
    return animation;
}

Animation* Animation::createWithSpriteFrames(const Vector<SpriteFrame*>& frames, float delayPerUnit,
                                             unsigned int loops)
{
    Animation* animation = create();
    for (SpriteFrame* frame : frames)
        animation->addSpriteFrame(frame);
    animation->_delayPerUnit = delayPerUnit;
    animation->_loops = loops;
    return animation;
}

Animation* Animation::create(const Vector<AnimationFrame*>& frames, float delayPerUnit, unsigned int loops)
{
    Animation* animation = create();
    animation->setFrames(frames);
    animation->_delayPerUnit = delayPerUnit;
    animation->_loops = loops;
    return animation;
}

void Animation::setFrames(const Vector<AnimationFrame*>& frames)
{
    _frames.clear();
    _totalDelayUnits = 0.0f;
    for (AnimationFrame* frame : frames) {
        if (!frame || !frame->getSpriteFrame())
            continue;
        _frames.pushBack(frame);
        _totalDelayUnits += frame->getDelayUnits();
    }
}

void Animation::addSpriteFrame(SpriteFrame* frame)
{
    AnimationFrame* step = AnimationFrame::create(frame, 1.0f);
    if (!step)
        return;
    _frames.pushBack(step);
    _totalDelayUnits += 1.0f;
}

void Animation::addSpriteFrameWithFile(const std::string& fileName)
{
    Texture2D* texture = TextureCache::getInstance()->addImage(fileName);
    if (!texture)
        return;
    const Size size = texture->getContentSize();
    addSpriteFrame(SpriteFrame::createWithTexture(texture, Rect(0.0f, 0.0f, size.width, size.height)));
}

void Animation::addSpriteFrameWithTexture(Texture2D* texture, const Rect& rect)
{
    addSpriteFrame(SpriteFrame::createWithTexture(texture, rect));
}

Animation* Animation::clone() const
{
    Animation* copy = create(_frames, _delayPerUnit, _loops);
    copy->_restoreOriginalFrame = _restoreOriginalFrame;
    return copy;
}

}
