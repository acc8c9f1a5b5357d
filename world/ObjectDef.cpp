#include "world/ObjectDef.h"

#include "world/AnimationDef.h"
#include "2d/SpriteFrameCache.h"

ObjectDef::ObjectDef() : size(0.0f, 0.0f) {}

ObjectDef::~ObjectDef()
{
    for (AnimationDef* animation : animations)
        delete animation;
}

bool ObjectDef::addFile(const std::string& fileName)
{
    if (fileCount >= kMaxFiles)
        return false;
    files.push_back(fileName);
    ++fileCount;
    return true;
}

const std::string& ObjectDef::file(int index) const
{
    static const std::string none;
    if (index < 0 || index >= static_cast<int>(files.size()))
        return none;
    return files[index];
}

std::string ObjectDef::spriteSheetName() const
{
    if (files.empty())
        return std::string();
    return files[0].substr(0, files[0].find('.')) + ".plist";
}

void ObjectDef::loadSpriteSheet()
{
    const std::string sheet = spriteSheetName();
    if (!sheet.empty())
        cocos2d::SpriteFrameCache::getInstance()->addSpriteFramesWithFile(sheet);
}

void ObjectDef::addAnimation(int animationId, int frameCount, int mode, const std::string& prefix, float duration)
{
    animations.push_back(new AnimationDef(animationId, frameCount, mode, prefix, duration));
}

AnimationDef* ObjectDef::findAnimation(int animationId) const
{
    for (AnimationDef* animation : animations) {
        if (animation->id == animationId)
            return animation;
    }
    return nullptr;
}
