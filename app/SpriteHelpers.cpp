#include "app/SpriteHelpers.h"

#include "app/StringHelpers.h"

#include <cstdio>

USING_NS_CC;

namespace {

// Pixel art stays sharp when scaled and never bleeds at its edges.
const Texture2D::TexParams kPixelArtParams = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};

Sprite* prepareSprite(Sprite* sprite, const std::string& fileName)
{
    if (!sprite)
    {
        std::fprintf(stderr, "Tallowind: missing image \"%s\"\n", fileName.c_str());
        return nullptr;
    }
    if (Texture2D* texture = sprite->getTexture())
        texture->setTexParameters(kPixelArtParams);
    sprite->setAnchorPoint(Vec2(0.0f, 0.0f));
    return sprite;
}

// Gives the sprite the animation's first frame and plays the animation once
// over duration seconds: forever, or with the callback at its end.
Sprite* playAnimation(Sprite* sprite, Animation* animation, int frameCount, float duration, bool forever,
                      const std::function<void()>& callback)
{
    if (!sprite)
        return nullptr;
    animation->setLoops(1);
    animation->setDelayPerUnit(frameCount > 0 ? duration / static_cast<float>(frameCount) : duration);
    if (!animation->getFrames().empty())
        sprite->setSpriteFrame(animation->getFrames().front()->getSpriteFrame());
    Animate* animate = Animate::create(animation);
    if (forever)
        sprite->runAction(RepeatForever::create(animate));
    else if (callback)
        sprite->runAction(Sequence::createWithTwoActions(animate, CallFunc::create(callback)));
    else
        sprite->runAction(animate);
    return sprite;
}

}

Sprite* createSprite(const std::string& fileName)
{
    // An image file of the name comes first, then a frame of a loaded sheet.
    const bool isImage = Director::getInstance()->getTextureCache()->getTextureForKey(fileName) ||
                         (!fileName.empty() && FileUtils::getInstance()->isFileExist(fileName));
    if (!isImage && SpriteFrameCache::getInstance()->findSpriteFrame(fileName))
        return prepareSprite(Sprite::createWithSpriteFrameName(fileName), fileName);
    return prepareSprite(isImage ? Sprite::create(fileName) : nullptr, fileName);
}

Sprite* createSpriteWithRect(const std::string& fileName, const Rect& rect)
{
    return prepareSprite(Sprite::create(fileName, rect), fileName);
}

std::string animationFrameName(const std::string& baseName, int number)
{
    return formatString("%s_%s%d.png", baseName.c_str(), number < 10 ? "0" : "", number);
}

Sprite* createAnimatedSprite(int frameCount, bool forever, float duration, const std::function<void()>& callback,
                             const std::string& baseName)
{
    Animation* animation = Animation::create();
    for (int i = 1; i <= frameCount; ++i)
    {
        // A frame missing from the cache is reported by the cache and skipped.
        if (SpriteFrame* frame = SpriteFrameCache::getInstance()->getSpriteFrameByName(animationFrameName(baseName, i)))
            animation->addSpriteFrame(frame);
    }
    return playAnimation(createSprite(baseName + ".png"), animation, frameCount, duration, forever, callback);
}

Sprite* createAnimatedSpriteFromFirstFrame(int frameCount, bool forever, float duration,
                                           const std::function<void()>& callback, const std::string& baseName)
{
    Animation* animation = Animation::create();
    for (int i = 1; i <= frameCount; ++i)
    {
        Sprite* frameSprite = createSprite(animationFrameName(baseName, i));
        if (!frameSprite)
            continue;
        const Size size = frameSprite->getContentSize();
        animation->addSpriteFrame(
            SpriteFrame::createWithTexture(frameSprite->getTexture(), Rect(0, 0, size.width, size.height)));
    }
    return playAnimation(createSprite(animationFrameName(baseName, 1)), animation, frameCount, duration, forever,
                         callback);
}
