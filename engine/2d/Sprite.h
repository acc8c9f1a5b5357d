#pragma once
#include <string>

#include "2d/Node.h"
#include "base/BlendFunc.h"
#include "renderer/QuadVertex.h"

namespace cocos2d {

class SpriteFrame;
class Texture2D;

// A textured rectangle: a whole image, a rectangle of it, or a sprite frame
// (possibly trimmed or rotated inside its sheet). Its content size is the
// frame's untrimmed size; its colour and opacity tint the texture.
class Sprite : public Node
{
public:
    static Sprite* create();
    // An image file; when no such file exists but a sprite frame of that name
    // does, the frame. Null, with a message, when neither exists.
    static Sprite* create(const std::string& fileName);
    static Sprite* create(const std::string& fileName, const Rect& rect);
    static Sprite* createWithTexture(Texture2D* texture);
    static Sprite* createWithTexture(Texture2D* texture, const Rect& rect, bool rotated = false);
    static Sprite* createWithSpriteFrame(SpriteFrame* frame);
    static Sprite* createWithSpriteFrameName(const std::string& frameName);

    ~Sprite() override;

    bool init() override;
    virtual bool initWithFile(const std::string& fileName);
    virtual bool initWithFile(const std::string& fileName, const Rect& rect);
    virtual bool initWithTexture(Texture2D* texture);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect, bool rotated);
    virtual bool initWithSpriteFrame(SpriteFrame* frame);
    virtual bool initWithSpriteFrameName(const std::string& frameName);

    virtual void setTexture(Texture2D* texture);
    virtual void setTexture(const std::string& fileName);
    Texture2D* getTexture() const { return _texture; }

    // Shows a rectangle of the texture (origin at its top-left corner).
    virtual void setTextureRect(const Rect& rect);
    virtual void setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize);
    const Rect& getTextureRect() const { return _rect; }
    bool isTextureRectRotated() const { return _rectRotated; }
    const Vec2& getOffsetPosition() const { return _offsetPosition; }

    // Shows a frame: texture, rectangle, trim offset and untrimmed size.
    virtual void setSpriteFrame(SpriteFrame* frame);
    // A frame of the SpriteFrameCache; an unknown name is reported and
    // leaves the sprite as it was.
    virtual void setSpriteFrame(const std::string& frameName);
    void setDisplayFrame(SpriteFrame* frame) { setSpriteFrame(frame); }
    // A new (autoreleased) frame describing what the sprite shows now.
    SpriteFrame* getSpriteFrame() const;
    virtual bool isFrameDisplayed(SpriteFrame* frame) const;

    void setFlippedX(bool flipped);
    bool isFlippedX() const { return _flippedX; }
    void setFlippedY(bool flipped);
    bool isFlippedY() const { return _flippedY; }

    void setBlendFunc(const BlendFunc& blend) { _blendFunc = blend; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }

    // The quad in node space (positions) with its texture coordinates and
    // premultiplied colour.
    const Quad& getQuad() const { return _quad; }

    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    Sprite();

protected:
    void updateColor() override;
    void updateQuadPositions();
    void updateQuadTexCoords();

    Texture2D* _texture = nullptr;
    Rect _rect;
    bool _rectRotated = false;
    Vec2 _unflippedOffset;
    Vec2 _offsetPosition;
    bool _flippedX = false;
    bool _flippedY = false;
    BlendFunc _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    Quad _quad;
};

}
