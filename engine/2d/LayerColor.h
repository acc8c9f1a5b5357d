#pragma once
#include "2d/Layer.h"
#include "base/BlendFunc.h"
#include "renderer/QuadVertex.h"

namespace cocos2d {

// A layer filled with one colour at its opacity; by default as large as the
// visible area. Fades and tints act on it like on any node.
class LayerColor : public Layer
{
public:
    // Transparent black, the visible size.
    static LayerColor* create();
    static LayerColor* create(const Color4B& color);
    static LayerColor* create(const Color4B& color, float width, float height);

    bool init() override;
    virtual bool initWithColor(const Color4B& color);
    virtual bool initWithColor(const Color4B& color, float width, float height);

    void changeWidth(float width);
    void changeHeight(float height);
    void changeWidthAndHeight(float width, float height);

    void setBlendFunc(const BlendFunc& blend) { _blendFunc = blend; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }

    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    LayerColor() = default;

private:
    BlendFunc _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
};

}
