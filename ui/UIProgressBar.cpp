#include "ui/UIProgressBar.h"

#include "ui/UIText.h"

USING_NS_CC;

namespace
{
const char* const kBarTexture = "white.png";
const float kLabelGap = 8.0f;

// A white sprite stretched to a size, anchored at its bottom-left corner.
Sprite* makeBlock(float width, float height, const Color3B& colour)
{
    Sprite* block = Sprite::create(kBarTexture);
    if (!block)
        return nullptr;
    const Size& own = block->getContentSize();
    if (own.width > 0 && own.height > 0)
        block->setScale(width / own.width, height / own.height);
    block->setColor(colour);
    block->setAnchorPoint(Vec2::ZERO);
    return block;
}
} // namespace

UIProgressBar* UIProgressBar::create(const Color3B& borderColour, const Color3B& fillColour, const Vec2& size,
                                     std::string label)
{
    auto* bar = new UIProgressBar(borderColour, fillColour, size, std::move(label));
    bar->autorelease();
    return bar;
}

UIProgressBar::UIProgressBar(const Color3B& borderColour_, const Color3B& fillColour_, const Vec2& size_,
                             std::string label_)
    : label(std::move(label_)), size(size_), fillColour(fillColour_), borderColour(borderColour_)
{
    Node::init();
    build();
    setContentSize(Size(size.x, size.y));
}

void UIProgressBar::build()
{
    removeParts();
    border = makeBlock(size.x + 2, size.y + 2, borderColour);
    if (border) {
        border->setPosition(-1.0f, -1.0f);
        addChild(border, -1);
    }
    fill = makeBlock(size.x, size.y, fillColour);
    if (fill) {
        fill->setVisible(false);
        fill->setPosition(Vec2::ZERO);
        addChild(fill, -1);
    }
    if (!label.empty()) {
        labelText = UIText::create(-1, -1, label);
        labelText->setAnchorPoint(Vec2(0.5f, 0.0f));
        labelText->setPosition(size.x * 0.5f, size.y + kLabelGap);
        addChild(labelText, 1);
    }
}

void UIProgressBar::setValue(int percent)
{
    if (!fill)
        return;
    if (percent == 0) {
        fill->setVisible(false);
        return;
    }
    fill->setVisible(true);
    const float ownWidth = fill->getContentSize().width;
    if (ownWidth > 0)
        fill->setScaleX(size.x * static_cast<float>(percent) / 100.0f / ownWidth);
}

void UIProgressBar::cleanup()
{
    removeParts();
    Node::cleanup();
}

void UIProgressBar::removeParts()
{
    for (Node* part : {static_cast<Node*>(border), static_cast<Node*>(fill), static_cast<Node*>(labelText)}) {
        if (part)
            part->removeFromParentAndCleanup(true);
    }
    border = nullptr;
    fill = nullptr;
    labelText = nullptr;
}
