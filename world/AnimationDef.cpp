#include "world/AnimationDef.h"

#include "cocos2d.h"
#include "2d/Animation.h"
#include "2d/SpriteFrameCache.h"

AnimationDef::AnimationDef(int id, int frameCount, int mode, const std::string& prefix, float duration)
    : id(id), frameCount(frameCount), mode(mode), duration(duration), prefix(prefix)
{
    build();
}

AnimationDef::~AnimationDef()
{
    CC_SAFE_RELEASE(animation);
}

std::string AnimationDef::frameName(const std::string& prefix, int frameNumber)
{
    const std::string number = (frameNumber <= 9 ? "0" : "") + std::to_string(frameNumber);
    const size_t dot = prefix.find('.');
    if (dot == std::string::npos)
        return prefix + number;
    return prefix.substr(0, dot) + number + prefix.substr(dot);
}

void AnimationDef::build()
{
    animation = cocos2d::Animation::create();
    animation->retain();
    cocos2d::SpriteFrameCache* cache = cocos2d::SpriteFrameCache::getInstance();
    for (int n = 1; n <= frameCount; ++n) {
        // A frame missing from its sheet is left out; the cache reports it.
        cocos2d::SpriteFrame* frame = cache->getSpriteFrameByName(frameName(prefix, n));
        if (!frame)
            continue;
        animation->addSpriteFrame(frame);
        if (n == 1)
            firstFrame = frame;
    }
    if (frameCount > 0)
        animation->setDelayPerUnit(duration / frameCount);
    animation->setLoops(1);
}
