#include "ui/UIElement.h"

#include "app/SpriteHelpers.h"
#include "ui/NinePieceFrame.h"

USING_NS_CC;

namespace
{
// Framed windows carry text: the frame picture's own alpha says how much of
// the street may show through, the pieces add no translucency of their own.
const GLubyte kFrameOpacity = 255;
} // namespace

UIElement* UIElement::create(std::string texture)
{
    auto* element = new UIElement(std::move(texture));
    element->autorelease();
    return element;
}

UIElement::UIElement(std::string texture) : frameTexture(std::move(texture))
{
}

void UIElement::setFrameCorners(const Vec2& topLeft, const Vec2& topRight, const Vec2& bottomLeft,
                                const Vec2& bottomRight)
{
    cornerTopLeft = topLeft;
    cornerTopRight = topRight;
    cornerBottomLeft = bottomLeft;
    cornerBottomRight = bottomRight;
    frameMode = kNinePieceFrame;
    setFrameSize(getContentSize());
}

void UIElement::setFrameSize(const Size& size)
{
    setContentSize(size);
    if (frameMode == kNinePieceFrame)
        innerSize = Vec2(size.width - cornerTopLeft.x - cornerTopRight.x,
                         size.height - cornerTopLeft.y - cornerBottomLeft.y);
}

void UIElement::buildFrame()
{
    removePieces();
    if (frameMode == kWholeTexture)
        buildWholeTexture();
    else if (frameMode == kNinePieceFrame)
        buildNinePieces();
}

void UIElement::buildWholeTexture()
{
    Sprite* sprite = createSprite(frameTexture);
    if (!sprite)
        return;
    sprite->setPosition(Vec2::ZERO);
    addChild(sprite);
    framePieces.push_back(sprite);
    setContentSize(sprite->getContentSize());
}

void UIElement::buildNinePieces()
{
    Texture2D* texture = TextureCache::getInstance()->addImage(frameTexture);
    if (!texture)
        return;
    const Size textureSize = texture->getContentSize();
    const NinePieceFrame::Corners corners{{cornerTopLeft.x, cornerTopLeft.y},
                                          {cornerTopRight.x, cornerTopRight.y},
                                          {cornerBottomLeft.x, cornerBottomLeft.y},
                                          {cornerBottomRight.x, cornerBottomRight.y}};
    std::vector<Sprite*>* rows[] = {&topRowPieces, &middleRowPieces, &bottomRowPieces};
    for (const NinePieceFrame::Piece& piece :
         NinePieceFrame::layout(corners, innerSize.x, innerSize.y, textureSize.width, textureSize.height)) {
        const Rect rect(piece.rectX, piece.rectY, piece.rectWidth, piece.rectHeight);
        Sprite* sprite = createSpriteWithRect(frameTexture, rect);
        if (!sprite)
            continue;
        sprite->setOpacity(kFrameOpacity);
        sprite->setAnchorPoint(Vec2(piece.anchorX, piece.anchorY));
        sprite->setPosition(piece.x, piece.y);
        addChild(sprite);
        framePieces.push_back(sprite);
        rows[piece.row]->push_back(sprite);
    }
}

void UIElement::openAnimated(float duration, Ref* target, SEL_CallFunc selector)
{
    completionTarget = target;
    completionSelector = selector;
    for (Sprite* piece : middleRowPieces) {
        piece->setScaleY(0.0f);
        piece->runAction(EaseSineInOut::create(ScaleTo::create(duration, 1.0f, 1.0f)));
    }
    for (Sprite* piece : bottomRowPieces) {
        piece->setPositionY(innerSize.y);
        piece->runAction(EaseSineInOut::create(MoveTo::create(duration, Vec2(piece->getPositionX(), 0.0f))));
    }
    if (target && selector)
        runAction(Sequence::create(DelayTime::create(duration), CallFunc::create(target, selector), nullptr));
}

void UIElement::closeAnimated(float duration, Ref* target, SEL_CallFunc selector)
{
    completionTarget = target;
    completionSelector = selector;
    for (Sprite* piece : middleRowPieces) {
        piece->setScaleY(1.0f);
        piece->runAction(EaseSineInOut::create(ScaleTo::create(duration, 1.0f, 0.0f)));
    }
    for (Sprite* piece : bottomRowPieces) {
        piece->setPositionY(0.0f);
        piece->runAction(
            EaseSineInOut::create(MoveTo::create(duration, Vec2(piece->getPositionX(), innerSize.y))));
    }
    runAction(Sequence::create(DelayTime::create(duration), CallFunc::create([this]() { onClosed(); }), nullptr));
}

void UIElement::onClosed()
{
    if (completionTarget && completionSelector)
        runAction(CallFunc::create(completionTarget, completionSelector));
}

void UIElement::show()
{
    for (Sprite* piece : framePieces)
        piece->setVisible(true);
}

void UIElement::hide()
{
    for (Sprite* piece : framePieces)
        piece->setVisible(false);
}

void UIElement::cleanup()
{
    removePieces();
    UIInterface::cleanup();
}

void UIElement::removePieces()
{
    for (Sprite* piece : framePieces)
        piece->removeFromParentAndCleanup(true);
    framePieces.clear();
    topRowPieces.clear();
    middleRowPieces.clear();
    bottomRowPieces.clear();
}
