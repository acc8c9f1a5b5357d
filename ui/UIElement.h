#pragma once
#include <string>
#include <vector>

#include "cocos2d.h"
#include "ui/UIInterface.h"

// A panel drawn from one texture: either the whole texture as one sprite, or
// a nine-piece frame cut from it at the panel's own size. A framed panel can
// unroll downwards from its top row when it opens and roll up when it closes.
class UIElement : public UIInterface
{
public:
    static constexpr int kWholeTexture = 0;
    static constexpr int kNinePieceFrame = 2;

    static UIElement* create(std::string frameTexture);

    // Sizes of the four corner pieces; the left column is as wide as the top
    // left corner, the right column as the top right one, the top row as high
    // as the top left corner and the bottom row as the bottom left one.
    // Switches to the nine-piece frame.
    void setFrameCorners(const cocos2d::Vec2& topLeft, const cocos2d::Vec2& topRight,
                         const cocos2d::Vec2& bottomLeft, const cocos2d::Vec2& bottomRight);
    void setFrameSize(const cocos2d::Size& size);

    // Opens over duration, then calls selector on target when one is given.
    virtual void openAnimated(float duration, cocos2d::Ref* target, cocos2d::SEL_CallFunc selector);
    // Closes over duration, then calls selector on target when one is given.
    virtual void closeAnimated(float duration, cocos2d::Ref* target, cocos2d::SEL_CallFunc selector);
    // Discards the frame sprites and makes them anew.
    virtual void buildFrame();

    // Show and hide the frame pieces; the panel node itself stays as it is.
    void show() override;
    void hide() override;
    // Removes the frame pieces and stops the panel's actions and schedules.
    void cleanup() override;

    cocos2d::Vec2 cornerTopLeft;
    cocos2d::Vec2 cornerTopRight;
    cocos2d::Vec2 cornerBottomLeft;
    cocos2d::Vec2 cornerBottomRight;
    int frameMode = kWholeTexture;
    cocos2d::Vec2 innerSize;
    std::string frameTexture;
    std::vector<cocos2d::Sprite*> framePieces;
    std::vector<cocos2d::Sprite*> topRowPieces;
    std::vector<cocos2d::Sprite*> middleRowPieces;
    std::vector<cocos2d::Sprite*> bottomRowPieces;
    cocos2d::Ref* completionTarget = nullptr;
    cocos2d::SEL_CallFunc completionSelector = nullptr;

protected:
    explicit UIElement(std::string frameTexture);

private:
    void removePieces();
    void buildWholeTexture();
    void buildNinePieces();
    void onClosed();
};
