#pragma once
#include <string>
#include <unordered_map>

namespace cocos2d {

class Animation;

// Animations kept by name.
class AnimationCache
{
public:
    static AnimationCache* getInstance();
    static void destroyInstance();

    void addAnimation(Animation* animation, const std::string& name);
    // Null, with a message naming it, when unknown.
    Animation* getAnimation(const std::string& name) const;
    void removeAnimation(const std::string& name);

private:
    AnimationCache() = default;
    ~AnimationCache();
    AnimationCache(const AnimationCache&) = delete;
    AnimationCache& operator=(const AnimationCache&) = delete;

    std::unordered_map<std::string, Animation*> _animations;
};

}
