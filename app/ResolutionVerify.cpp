#include "app/ResolutionVerify.h"

#include "app/DisplaySettings.h"
#include "app/ProgramEntry.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace {

constexpr int kTextBoxWidth = 384;
constexpr int kKeyListenerPriority = 1;
constexpr int kFlashZ = 1;

}

ResolutionVerify::ResolutionVerify()
{
    init();
    keyListener = EventListenerKeyboard::create();
    keyListener->onKeyReleased = std::bind(&ResolutionVerify::onKeyReleased, this, std::placeholders::_1,
                                           std::placeholders::_2);
    Director::getInstance()->getEventDispatcher()->addEventListenerWithFixedPriority(keyListener,
                                                                                     kKeyListenerPriority);
}

ResolutionVerify::~ResolutionVerify()
{
    removeKeyListener();
}

void ResolutionVerify::showText()
{
    removeText();

    std::string text;
    if (currentDisplayMode.width != -1)
        text = formatString("Testing Resolution: `!%d`7x`!%d`7 - press `$e`7 to confirm.\nTimeout in: %d",
                            currentDisplayMode.width, currentDisplayMode.height, secondsLeft);
    else
        text = formatString("Testing Resolution: `!auto`7 - press `$e`7 to confirm.\nTimeout in: %d", secondsLeft);

    textNode = UIText::create(kTextBoxWidth, -1, text);
    textNode->setAnchorPoint(Vec2(0.5f, 0.5f));
    const Size visible = mainGLView ? mainGLView->getVisibleSize() : Director::getInstance()->getVisibleSize();
    textNode->setPosition(Vec2(visible.width * 0.5f, visible.height * 0.5f));
    addChild(textNode);
}

void ResolutionVerify::onKeyReleased(EventKeyboard::KeyCode key, Event* event)
{
    (void)event;
    if (key != EventKeyboard::KeyCode::KEY_E || confirmed)
        return;
    flashLayer = LayerColor::create(Color4B(255, 255, 255, 255));
    addChild(flashLayer, kFlashZ);
    removeKeyListener();
    confirmed = true;
}

void ResolutionVerify::update(float dt)
{
    tickTimer -= dt;
    if (tickTimer > 0.0f)
        return;

    if (confirmed)
    {
        saveSettings(currentDisplayMode, fullScreen, true);
        removeText();
        unscheduleUpdate();
        if (onConfirmed)
            onConfirmed();
        return;
    }

    --secondsLeft;
    tickTimer += 1.0f;
    showText();

    if (secondsLeft < 0)
    {
        // A safe fallback for the next start: the smallest mode in a window,
        // checked again then.
        if (!displayModes.empty())
            saveSettings(displayModes.front(), false, false);
        removeKeyListener();
        unscheduleUpdate();
        Director::getInstance()->end();
    }
}

void ResolutionVerify::removeText()
{
    if (!textNode)
        return;
    textNode->removeFromParentAndCleanup(true);
    textNode = nullptr;
}

void ResolutionVerify::removeKeyListener()
{
    if (!keyListener)
        return;
    Director::getInstance()->getEventDispatcher()->removeEventListener(keyListener);
    keyListener = nullptr;
}
