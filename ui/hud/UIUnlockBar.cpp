#include "ui/hud/UIUnlockBar.h"

#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace
{
const Size kBarSize(384, 36);
const float kIconWidth = 32.0f;
const Vec2 kIconPlace(2, 18);
const Vec2 kTextCentre(209, 18);
const int kTextHeight = 7;
const float kSlideSeconds = 0.4f;
const float kShowSeconds = 3.2f;
} // namespace

UIUnlockBar* UIUnlockBar::create()
{
    auto* bar = new UIUnlockBar();
    bar->autorelease();
    return bar;
}

UIUnlockBar::UIUnlockBar()
{
    init();
    setContentSize(kBarSize);
}

UIUnlockBar::~UIUnlockBar() = default;

void UIUnlockBar::queueUnlock(const std::string& image, const std::string& noticeText, const std::string& sound)
{
    queue.push_back(Notice{image, noticeText, sound});
}

void UIUnlockBar::advance(float dt)
{
    // An empty queue leaves the timer alone; -1 means the bar is free, so the
    // first notice shows at once.
    if (queue.empty())
        return;
    if (timer == -1.0f)
    {
        showNext();
        timer = kHoldSeconds;
        return;
    }
    timer -= dt;
    if (timer <= 0.0f)
        timer = -1.0f;
}

void UIUnlockBar::showNext()
{
    if (queue.empty())
        return;
    const Notice notice = queue.front();
    queue.pop_front();

    if (!background)
    {
        background = createSprite("UI_UnlockBackground.png");
        if (background)
        {
            background->setPosition(Vec2::ZERO);
            addChild(background, -1);
        }
    }
    showIcon(notice.image);
    if (!text)
    {
        text = UIText::create(-1, kTextHeight, "");
        addChild(text, 1);
    }
    if (!notice.sound.empty())
        SoundEngine::getInstance()->play(nullptr, false, notice.sound, 1.0f);
    text->setText(true, true, notice.text);
    text->setAnchorPoint(Vec2(0.5f, 0.5f));
    text->setPosition(kTextCentre);

    if (icon)
        icon->setVisible(true);
    if (background)
        background->setVisible(true);
    slide();
}

void UIUnlockBar::showIcon(const std::string& image)
{
    if (icon)
    {
        icon->removeFromParentAndCleanup(true);
        icon = nullptr;
    }
    icon = createSprite(image);
    if (!icon)
        return;
    icon->setAnchorPoint(Vec2(0.0f, 0.5f));
    const float width = icon->getContentSize().width;
    if (width > kIconWidth)
        icon->setScale(kIconWidth / width);
    icon->setPosition(kIconPlace);
    // Without a background the icon hangs on the bar itself.
    (background ? static_cast<Node*>(background) : this)->addChild(icon);
}

void UIUnlockBar::slide()
{
    const Size visible = GameInterface::getInstance()->visibleSize;
    const Vec2 above(visible.width * 0.5f, visible.height);
    const Vec2 shown(visible.width * 0.5f, visible.height - kBarSize.height);
    setPosition(above);
    stopAllActions();
    runAction(Sequence::create(MoveTo::create(kSlideSeconds, shown), DelayTime::create(kShowSeconds),
                               MoveTo::create(kSlideSeconds, above),
                               CallFunc::create([this]() { onSlideOutDone(); }), nullptr));
}

void UIUnlockBar::onSlideOutDone()
{
    if (icon)
        icon->setVisible(false);
    if (background)
        background->setVisible(false);
}
