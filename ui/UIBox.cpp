#include "ui/UIBox.h"

#include <algorithm>

USING_NS_CC;

namespace
{
const char* const kBarTexture = "white.png";
const float kTintTime = 0.01f;
} // namespace

UIBox* UIBox::create(const Color3B& boxColour, const Vec2& boxSize)
{
    auto* box = new UIBox(boxColour, boxSize);
    box->autorelease();
    return box;
}

UIBox::UIBox(const Color3B& boxColour, const Vec2& boxSize) : size(boxSize), colour(boxColour)
{
    Node::init();
    leftBar = makeBar();
    topBar = makeBar();
    rightBar = makeBar();
    bottomBar = makeBar();
    if (size.x != -1.0f)
        resize();
}

Sprite* UIBox::makeBar()
{
    Sprite* bar = Sprite::create(kBarTexture);
    if (!bar)
        return nullptr;
    bar->setColor(colour);
    bar->setAnchorPoint(Vec2(0.5f, 0.5f));
    addChild(bar);
    return bar;
}

void UIBox::resize()
{
    const float w = size.x;
    const float h = size.y;
    placeBar(leftBar, thickness, h, 0.0f, h / 2);
    placeBar(topBar, w, thickness, w / 2, h);
    placeBar(rightBar, thickness, h, w, h / 2);
    placeBar(bottomBar, w, thickness, w / 2, 0.0f);
    setContentSize(Size(w, h));
}

void UIBox::placeBar(Sprite* bar, float width, float height, float x, float y)
{
    if (!bar)
        return;
    const Size& own = bar->getContentSize();
    if (own.width > 0 && own.height > 0)
        bar->setScale(width / own.width, height / own.height);
    bar->setPosition(x, y);
    bar->setColor(colour);
}

void UIBox::setBoxOpacity(float opacity)
{
    const auto value = static_cast<GLubyte>(std::clamp(opacity, 0.0f, 255.0f));
    for (Sprite* bar : {leftBar, topBar, rightBar, bottomBar}) {
        if (bar)
            bar->setOpacity(value);
    }
}

void UIBox::flash(const Color3B& first, const Color3B& second, float firstHold, float secondHold)
{
    for (Sprite* bar : {leftBar, topBar, rightBar, bottomBar}) {
        if (!bar)
            continue;
        bar->runAction(RepeatForever::create(Sequence::create(
            TintTo::create(kTintTime, first.r, first.g, first.b), DelayTime::create(firstHold),
            TintTo::create(kTintTime, second.r, second.g, second.b), DelayTime::create(secondHold), nullptr)));
    }
}

void UIBox::cleanup()
{
    for (Sprite** bar : {&leftBar, &topBar, &rightBar, &bottomBar}) {
        if (*bar)
            (*bar)->removeFromParentAndCleanup(true);
        *bar = nullptr;
    }
    Node::cleanup();
}
