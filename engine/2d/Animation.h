#pragma once
#include <string>

#include "base/Ref.h"
#include "base/Vector.h"
#include "math/Rect.h"

namespace cocos2d {

class AnimationFrame;
class SpriteFrame;
class Texture2D;

// A sequence of sprite frames. Each frame lasts its delay units times the
// delay per unit; one run lasts getDuration() and is played getLoops() times
// by an Animate. A null frame (say, one missing from the sprite-frame cache)
// is skipped, so a damaged sheet shows fewer frames instead of crashing.
class Animation : public Ref
{
public:
    static Animation* create();
    static Animation* createWithSpriteFrames(const Vector<SpriteFrame*>& frames, float delayPerUnit = 0.0f,
                                             unsigned int loops = 1);
    static Animation* create(const Vector<AnimationFrame*>& frames, float delayPerUnit, unsigned int loops = 1);

    void addSpriteFrame(SpriteFrame* frame);
    // The whole image of a file as a frame.
    void addSpriteFrameWithFile(const std::string& fileName);
    void addSpriteFrameWithTexture(Texture2D* texture, const Rect& rect);

    const Vector<AnimationFrame*>& getFrames() const { return _frames; }
    void setFrames(const Vector<AnimationFrame*>& frames);
    float getTotalDelayUnits() const { return _totalDelayUnits; }
    void setDelayPerUnit(float delay) { _delayPerUnit = delay; }
    float getDelayPerUnit() const { return _delayPerUnit; }
    // Seconds of one run.
    float getDuration() const { return _totalDelayUnits * _delayPerUnit; }
    void setLoops(unsigned int loops) { _loops = loops; }
    unsigned int getLoops() const { return _loops; }
    void setRestoreOriginalFrame(bool restore) { _restoreOriginalFrame = restore; }
    bool getRestoreOriginalFrame() const { return _restoreOriginalFrame; }

    Animation* clone() const;

private:
    Animation() = default;

    Vector<AnimationFrame*> _frames;
    float _totalDelayUnits = 0.0f;
    float _delayPerUnit = 0.0f;
    unsigned int _loops = 1;
    bool _restoreOriginalFrame = false;
};

}
