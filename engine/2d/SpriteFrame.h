#pragma once
#include <string>

#include "base/Ref.h"
#include "math/Rect.h"

namespace cocos2d {

class Texture2D;

// A rectangle of a texture, as a sprite shows it. A frame trimmed out of a
// sprite sheet remembers its untrimmed size (originalSize) and where the kept
// part sits in it (offset from centre to centre, y up); a rotated frame is
// stored turned 90 degrees clockwise in the texture.
class SpriteFrame : public Ref
{
public:
    static SpriteFrame* create(const std::string& fileName, const Rect& rect);
    static SpriteFrame* create(const std::string& fileName, const Rect& rect, bool rotated, const Vec2& offset,
                               const Size& originalSize);
    static SpriteFrame* createWithTexture(Texture2D* texture, const Rect& rect);
    static SpriteFrame* createWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                          const Size& originalSize);

    ~SpriteFrame() override;

    bool initWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                         const Size& originalSize);

    // The frame's rectangle in the texture, as the sprite shows it (width and
    // height unrotated), origin at the texture's top-left corner.
    const Rect& getRect() const { return _rect; }
    void setRect(const Rect& rect) { _rect = rect; }
    const Rect& getRectInPixels() const { return _rect; }
    bool isRotated() const { return _rotated; }
    void setRotated(bool rotated) { _rotated = rotated; }
    const Vec2& getOffset() const { return _offset; }
    void setOffset(const Vec2& offset) { _offset = offset; }
    const Size& getOriginalSize() const { return _originalSize; }
    void setOriginalSize(const Size& size) { _originalSize = size; }
    Texture2D* getTexture() const { return _texture; }
    void setTexture(Texture2D* texture);

    SpriteFrame* clone() const;

private:
    SpriteFrame() = default;

    Texture2D* _texture = nullptr;
    Rect _rect;
    bool _rotated = false;
    Vec2 _offset;
    Size _originalSize;
};

}
