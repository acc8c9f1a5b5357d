#pragma once

#include <string>

namespace cocos2d {
class Animation;
class SpriteFrame;
}

// One frame animation of an object, built from frames of the sprite-frame
// cache when it is made.
class AnimationDef {
public:
    enum Mode { Loop = 0, Hold = 1, Once = 2 };

    // Longest sequence an animation may have; longer counts in the data are refused.
    static constexpr int kMaxFrames = 999;

    AnimationDef(int id, int frameCount, int mode, const std::string& prefix, float duration);
    ~AnimationDef();
    AnimationDef(const AnimationDef&) = delete;
    AnimationDef& operator=(const AnimationDef&) = delete;

    // Frame file name number n (from 1) of a prefix: walk.png gives walk01.png, walk10.png.
    static std::string frameName(const std::string& prefix, int frameNumber);

    int id;
    int frameCount;
    int mode;
    float duration;
    std::string prefix;
    cocos2d::SpriteFrame* firstFrame = nullptr;
    cocos2d::Animation* animation = nullptr;

private:
    void build();
};
