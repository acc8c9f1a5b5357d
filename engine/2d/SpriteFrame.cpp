#include "2d/SpriteFrame.h"

#include "base/RefOwnership.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"

namespace cocos2d {

SpriteFrame* SpriteFrame::create(const std::string& fileName, const Rect& rect)
{
    return create(fileName, rect, false, Vec2::ZERO, rect.size);
}

SpriteFrame* SpriteFrame::create(const std::string& fileName, const Rect& rect, bool rotated, const Vec2& offset,
                                 const Size& originalSize)
{
    Texture2D* texture = TextureCache::getInstance()->addImage(fileName);
    return texture ? createWithTexture(texture, rect, rotated, offset, originalSize) : nullptr;
}

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect)
{
    return createWithTexture(texture, rect, false, Vec2::ZERO, rect.size);
}

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                            const Size& originalSize)
{
    SpriteFrame* frame = new SpriteFrame();
    return autoreleaseIfInitialised(frame, frame->initWithTexture(texture, rect, rotated, offset, originalSize));
}

SpriteFrame::~SpriteFrame()
{
    if (_texture)
        _texture->release();
}

bool SpriteFrame::initWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                  const Size& originalSize)
{
    if (!texture)
        return false;
    setTexture(texture);
    _rect = rect;
    _rotated = rotated;
    _offset = offset;
    _originalSize = originalSize;
    return true;
}

void SpriteFrame::setTexture(Texture2D* texture)
{
    assignRetained(_texture, texture);
}

SpriteFrame* SpriteFrame::clone() const
{
    return createWithTexture(_texture, _rect, _rotated, _offset, _originalSize);
}

}
