#include "2d/Sprite.h"

#include <utility>

#include "2d/SpriteFrame.h"
#include "2d/SpriteFrameCache.h"
#include "base/RefOwnership.h"
#include "platform/FileUtils.h"
#include "renderer/Renderer.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"

namespace cocos2d {

namespace {

template <typename Init>
Sprite* makeSprite(Init init)
{
    Sprite* sprite = new Sprite();
    return autoreleaseIfInitialised(sprite, init(sprite));
}

void place(QuadVertex& out, const Mat4& m, const QuadVertex& in)
{
    out = in;
    out.x = m.m[0] * in.x + m.m[4] * in.y + m.m[12];
    out.y = m.m[1] * in.x + m.m[5] * in.y + m.m[13];
    out.z = m.m[2] * in.x + m.m[6] * in.y + m.m[14];
}

}

Sprite* Sprite::create()
{
    return makeSprite([](Sprite* s) { return s->init(); });
}

Sprite* Sprite::create(const std::string& fileName)
{
    return makeSprite([&](Sprite* s) { return s->initWithFile(fileName); });
}

Sprite* Sprite::create(const std::string& fileName, const Rect& rect)
{
    return makeSprite([&](Sprite* s) { return s->initWithFile(fileName, rect); });
}

Sprite* Sprite::createWithTexture(Texture2D* texture)
{
    return makeSprite([&](Sprite* s) { return s->initWithTexture(texture); });
}

Sprite* Sprite::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated)
{
    return makeSprite([&](Sprite* s) { return s->initWithTexture(texture, rect, rotated); });
}

Sprite* Sprite::createWithSpriteFrame(SpriteFrame* frame)
{
    return makeSprite([&](Sprite* s) { return s->initWithSpriteFrame(frame); });
}

Sprite* Sprite::createWithSpriteFrameName(const std::string& frameName)
{
    return makeSprite([&](Sprite* s) { return s->initWithSpriteFrameName(frameName); });
}

Sprite::Sprite()
{
    _anchorPoint = Vec2(0.5f, 0.5f);
    _quad = Quad{};
    updateColor();
}

Sprite::~Sprite()
{
    if (_texture)
        _texture->release();
}

bool Sprite::init()
{
    return initWithTexture(nullptr, Rect::ZERO, false);
}

bool Sprite::initWithFile(const std::string& fileName)
{
    // Game code names images and sheet frames alike; an image file wins.
    FileUtils* files = FileUtils::getInstance();
    SpriteFrame* frame = SpriteFrameCache::getInstance()->findSpriteFrame(fileName);
    if (frame && !files->isFileExist(files->fullPathForFilename(fileName)))
        return initWithSpriteFrame(frame);
    Texture2D* texture = TextureCache::getInstance()->addImage(fileName);
    if (!texture)
        return false;
    return initWithTexture(texture);
}

bool Sprite::initWithFile(const std::string& fileName, const Rect& rect)
{
    Texture2D* texture = TextureCache::getInstance()->addImage(fileName);
    return texture && initWithTexture(texture, rect, false);
}

bool Sprite::initWithTexture(Texture2D* texture)
{
    if (!texture)
        return false;
    const Size size = texture->getContentSize();
    return initWithTexture(texture, Rect(0.0f, 0.0f, size.width, size.height), false);
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect)
{
    return initWithTexture(texture, rect, false);
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect, bool rotated)
{
    if (!Node::init())
        return false;
    _anchorPoint = Vec2(0.5f, 0.5f);
    _flippedX = _flippedY = false;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    setTexture(texture);
    setTextureRect(rect, rotated, rect.size);
    setAnchorPoint(Vec2(0.5f, 0.5f));
    return true;
}

bool Sprite::initWithSpriteFrame(SpriteFrame* frame)
{
    if (!frame || !initWithTexture(frame->getTexture(), frame->getRect(), frame->isRotated()))
        return false;
    setSpriteFrame(frame);
    return true;
}

bool Sprite::initWithSpriteFrameName(const std::string& frameName)
{
    return initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(frameName));
}

void Sprite::setTexture(Texture2D* texture)
{
    assignRetained(_texture, texture);
}

void Sprite::setTexture(const std::string& fileName)
{
    Texture2D* texture = TextureCache::getInstance()->addImage(fileName);
    if (texture)
        setTexture(texture);
}

void Sprite::setTextureRect(const Rect& rect)
{
    setTextureRect(rect, false, rect.size);
}

void Sprite::setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize)
{
    _rectRotated = rotated;
    _rect = rect;
    setContentSize(untrimmedSize);
    updateQuadTexCoords();
    updateQuadPositions();
}

void Sprite::updateQuadPositions()
{
    Vec2 relativeOffset = _unflippedOffset;
    if (_flippedX)
        relativeOffset.x = -relativeOffset.x;
    if (_flippedY)
        relativeOffset.y = -relativeOffset.y;
    _offsetPosition.x = relativeOffset.x + (_contentSize.width - _rect.size.width) / 2.0f;
    _offsetPosition.y = relativeOffset.y + (_contentSize.height - _rect.size.height) / 2.0f;
    const float x1 = _offsetPosition.x;
    const float y1 = _offsetPosition.y;
    const float x2 = x1 + _rect.size.width;
    const float y2 = y1 + _rect.size.height;
    _quad.bl.x = x1; _quad.bl.y = y1;
    _quad.tl.x = x1; _quad.tl.y = y2;
    _quad.br.x = x2; _quad.br.y = y1;
    _quad.tr.x = x2; _quad.tr.y = y2;
    _quad.bl.z = _quad.tl.z = _quad.br.z = _quad.tr.z = 0.0f;
}

void Sprite::updateQuadTexCoords()
{
    if (!_texture)
        return;
    const float width = float(_texture->getPixelsWide());
    const float height = float(_texture->getPixelsHigh());
    if (width <= 0.0f || height <= 0.0f)
        return;
    // Texture rows are stored top first, so v grows downwards in the image.
    if (_rectRotated) {
        // Stored turned 90 degrees clockwise: the frame's width runs down the texture.
        float left = _rect.origin.x / width;
        float right = (_rect.origin.x + _rect.size.height) / width;
        float top = _rect.origin.y / height;
        float bottom = (_rect.origin.y + _rect.size.width) / height;
        if (_flippedX)
            std::swap(top, bottom);
        if (_flippedY)
            std::swap(left, right);
        _quad.bl.u = left;  _quad.bl.v = top;
        _quad.br.u = left;  _quad.br.v = bottom;
        _quad.tl.u = right; _quad.tl.v = top;
        _quad.tr.u = right; _quad.tr.v = bottom;
    } else {
        float left = _rect.origin.x / width;
        float right = (_rect.origin.x + _rect.size.width) / width;
        float top = _rect.origin.y / height;
        float bottom = (_rect.origin.y + _rect.size.height) / height;
        if (_flippedX)
            std::swap(left, right);
        if (_flippedY)
            std::swap(top, bottom);
        _quad.bl.u = left;  _quad.bl.v = bottom;
        _quad.br.u = right; _quad.br.v = bottom;
        _quad.tl.u = left;  _quad.tl.v = top;
        _quad.tr.u = right; _quad.tr.v = top;
    }
}

void Sprite::setSpriteFrame(SpriteFrame* frame)
{
    if (!frame)
        return;
    _unflippedOffset = frame->getOffset();
    setTexture(frame->getTexture());
    setTextureRect(frame->getRect(), frame->isRotated(), frame->getOriginalSize());
}

void Sprite::setSpriteFrame(const std::string& frameName)
{
    setSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(frameName));
}

SpriteFrame* Sprite::getSpriteFrame() const
{
    if (!_texture)
        return nullptr;
    return SpriteFrame::createWithTexture(_texture, _rect, _rectRotated, _unflippedOffset, _contentSize);
}

bool Sprite::isFrameDisplayed(SpriteFrame* frame) const
{
    return frame && frame->getTexture() == _texture && frame->getRect().equals(_rect)
           && frame->getOffset() == _unflippedOffset;
}

void Sprite::setFlippedX(bool flipped)
{
    if (_flippedX == flipped)
        return;
    _flippedX = flipped;
    updateQuadTexCoords();
    updateQuadPositions();
}

void Sprite::setFlippedY(bool flipped)
{
    if (_flippedY == flipped)
        return;
    _flippedY = flipped;
    updateQuadTexCoords();
    updateQuadPositions();
}

void Sprite::updateColor()
{
    const unsigned opacity = _displayedOpacity;
    const uint8_t r = uint8_t(_displayedColor.r * opacity / 255);
    const uint8_t g = uint8_t(_displayedColor.g * opacity / 255);
    const uint8_t b = uint8_t(_displayedColor.b * opacity / 255);
    for (QuadVertex* v : {&_quad.bl, &_quad.tl, &_quad.br, &_quad.tr}) {
        v->r = r;
        v->g = g;
        v->b = b;
        v->a = uint8_t(opacity);
    }
}

void Sprite::draw(Renderer* renderer, const Mat4& transform, uint32_t)
{
    if (!renderer || _rect.size.width <= 0.0f || _rect.size.height <= 0.0f)
        return;
    // Fully transparent with the normal blend changes no pixel: skip it.
    if (_displayedOpacity == 0 && _blendFunc == BlendFunc::ALPHA_PREMULTIPLIED)
        return;
    Quad* out = renderer->appendQuads(_texture, _blendFunc, 1);
    place(out->bl, transform, _quad.bl);
    place(out->tl, transform, _quad.tl);
    place(out->br, transform, _quad.br);
    place(out->tr, transform, _quad.tr);
}

}
