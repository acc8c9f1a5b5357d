#include "2d/LayerColor.h"

#include "base/Director.h"
#include "base/RefOwnership.h"
#include "renderer/Renderer.h"

namespace cocos2d {

namespace {

template <typename Init>
LayerColor* makeLayer(Init init)
{
    LayerColor* layer = new LayerColor();
    return autoreleaseIfInitialised(layer, init(layer));
}

}

LayerColor* LayerColor::create()
{
    return makeLayer([](LayerColor* l) { return l->init(); });
}

LayerColor* LayerColor::create(const Color4B& color)
{
    return makeLayer([&](LayerColor* l) { return l->initWithColor(color); });
}

LayerColor* LayerColor::create(const Color4B& color, float width, float height)
{
    return makeLayer([&](LayerColor* l) { return l->initWithColor(color, width, height); });
}

bool LayerColor::init()
{
    return initWithColor(Color4B(0, 0, 0, 0));
}

bool LayerColor::initWithColor(const Color4B& color)
{
    const Size size = Director::getInstance()->getVisibleSize();
    return initWithColor(color, size.width, size.height);
}

bool LayerColor::initWithColor(const Color4B& color, float width, float height)
{
    if (!Layer::init())
        return false;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    setColor(Color3B(color.r, color.g, color.b));
    setOpacity(color.a);
    setContentSize(Size(width, height));
    return true;
}

void LayerColor::changeWidth(float width)
{
    setContentSize(Size(width, _contentSize.height));
}

void LayerColor::changeHeight(float height)
{
    setContentSize(Size(_contentSize.width, height));
}

void LayerColor::changeWidthAndHeight(float width, float height)
{
    setContentSize(Size(width, height));
}

void LayerColor::draw(Renderer* renderer, const Mat4& transform, uint32_t)
{
    if (!renderer || _contentSize.width <= 0.0f || _contentSize.height <= 0.0f)
        return;
    if (_displayedOpacity == 0 && _blendFunc == BlendFunc::ALPHA_PREMULTIPLIED)
        return;
    const unsigned opacity = _displayedOpacity;
    const uint8_t r = uint8_t(_displayedColor.r * opacity / 255);
    const uint8_t g = uint8_t(_displayedColor.g * opacity / 255);
    const uint8_t b = uint8_t(_displayedColor.b * opacity / 255);
    const float xs[4] = {0.0f, 0.0f, _contentSize.width, _contentSize.width};
    const float ys[4] = {0.0f, _contentSize.height, 0.0f, _contentSize.height};
    Quad* quad = renderer->appendQuads(nullptr, _blendFunc, 1);
    QuadVertex* corners[4] = {&quad->bl, &quad->tl, &quad->br, &quad->tr};
    for (int k = 0; k < 4; ++k) {
        QuadVertex& v = *corners[k];
        const Mat4& m = transform;
        v.x = m.m[0] * xs[k] + m.m[4] * ys[k] + m.m[12];
        v.y = m.m[1] * xs[k] + m.m[5] * ys[k] + m.m[13];
        v.z = m.m[2] * xs[k] + m.m[6] * ys[k] + m.m[14];
        v.r = r;
        v.g = g;
        v.b = b;
        v.a = uint8_t(opacity);
        v.u = 0.0f;
        v.v = 0.0f;
    }
}

}
