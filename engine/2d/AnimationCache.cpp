#include "2d/AnimationCache.h"

#include <cstdio>

#include "2d/Animation.h"
#include "base/RefOwnership.h"

namespace cocos2d {

namespace {
AnimationCache* instance = nullptr;
}

AnimationCache* AnimationCache::getInstance()
{
    if (!instance)
        instance = new AnimationCache();
    return instance;
}

void AnimationCache::destroyInstance()
{
    delete instance;
    instance = nullptr;
}

AnimationCache::~AnimationCache()
{
    for (auto& entry : _animations)
        entry.second->release();
}

void AnimationCache::addAnimation(Animation* animation, const std::string& name)
{
    if (!animation)
        return;
    assignRetained(_animations[name], animation);
}

Animation* AnimationCache::getAnimation(const std::string& name) const
{
    auto found = _animations.find(name);
    if (found == _animations.end()) {
        std::fprintf(stderr, "AnimationCache: animation \"%s\" not found\n", name.c_str());
        return nullptr;
    }
    return found->second;
}

void AnimationCache::removeAnimation(const std::string& name)
{
    auto found = _animations.find(name);
    if (found == _animations.end())
        return;
    found->second->release();
    _animations.erase(found);
}

}
