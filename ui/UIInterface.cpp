#include "ui/UIInterface.h"

USING_NS_CC;

UIInterface* UIInterface::create()
{
    auto* panel = new UIInterface();
    panel->autorelease();
    return panel;
}

UIInterface::UIInterface()
{
    Node::init();
}

void UIInterface::show()
{
    setVisible(true);
}

void UIInterface::hide()
{
    setVisible(false);
}

void UIInterface::showAnimated(float, float)
{
    show();
}

void UIInterface::hideAnimated(float, float)
{
    hide();
}

void UIInterface::slideIn(float duration)
{
    stopAllActions();
    setVisible(true);
    setPosition(hiddenPosition);
    setScale(0.0f);
    runAction(Spawn::create(
        Sequence::create(EaseSineIn::create(MoveTo::create(duration, shownPosition)),
                         CallFunc::create([this]() { onSlidIn(); }), nullptr),
        EaseSineIn::create(ScaleTo::create(duration, 1.0f)), nullptr));
}

void UIInterface::slideOut(float duration)
{
    stopAllActions();
    setVisible(true);
    runAction(Spawn::create(
        Sequence::create(EaseSineIn::create(MoveTo::create(duration, hiddenPosition)),
                         CallFunc::create([this]() { onSlidOut(); }), nullptr),
        EaseSineIn::create(ScaleTo::create(duration, 0.0f)), nullptr));
}

void UIInterface::onSlidIn()
{
}

void UIInterface::onSlidOut()
{
}

void UIInterface::moveIn(float duration)
{
    stopAllActions();
    show();
    runAction(EaseSineOut::create(MoveTo::create(duration, shownPosition)));
}

void UIInterface::moveOut(float duration)
{
    runAction(Sequence::create(EaseSineIn::create(MoveTo::create(duration, moveOutTarget())),
                               CallFunc::create([this]() { hide(); }), nullptr));
}

const Vec2& UIInterface::moveOutTarget() const
{
    if (slideDirection == kNoDirection)
        return hiddenPosition;
    if (slideDirection >= kLeft && slideDirection <= kDown)
        return offScreenPositions[slideDirection - 1];
    return offScreenPositions[3];
}
