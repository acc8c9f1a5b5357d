#include "ui/hud/UICopHUD.h"

#include <algorithm>
#include <array>

#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace
{
const std::array<const char*, 6> kLevelNames = {"`7Low", "`%Med.", "`%Med.", "`$High", "`$High", "`@ALERT"};
const Size kPanelSize(48, 48);
const int kTextBox = 36;
const Vec2 kTextCorner(12, 45);
const float kBadgeSeconds = 1.0f;
} // namespace

UICopHUD* UICopHUD::create()
{
    auto* panel = new UICopHUD();
    panel->autorelease();
    return panel;
}

UICopHUD::UICopHUD()
{
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile("CopUI.plist");
    update();
}

UICopHUD::~UICopHUD() = default;

const char* UICopHUD::levelName(int level)
{
    return kLevelNames[static_cast<size_t>(std::clamp(level, 0, static_cast<int>(kLevelNames.size()) - 1))];
}

void UICopHUD::cleanup()
{
    if (badge)
    {
        badge->removeFromParentAndCleanup(true);
        badge = nullptr;
    }
    if (text)
    {
        text->removeFromParentAndCleanup(true);
        text = nullptr;
    }
}

void UICopHUD::update()
{
    cleanup();
    badge = createSprite("CopUI.png");
    if (badge)
    {
        badge->setPosition(Vec2::ZERO);
        addChild(badge, -1);
    }
    setContentSize(kPanelSize);
    if (alert)
        runAnimation(2, true, "CopUI_Alert_%02d.png", kBadgeSeconds);
    else
        runAnimation(1, false, "CopUI_Safe_%02d.png", kBadgeSeconds);

    const std::string line = std::string("`9cops`7:\n") + (pursuingCount < 1 ? "`8" : "`@") +
                             formatString("%d`7/`%%%d", pursuingCount, droidCount) + "\n" + levelName(policeLevel);
    text = UIText::create(kTextBox, kTextBox, line);
    text->setAnchorPoint(Vec2(0.0f, 1.0f));
    text->setPosition(kTextCorner);
    addChild(text, 1);
}

void UICopHUD::runAnimation(int frameCount, bool forever, const std::string& format, float duration)
{
    if (!badge || frameCount < 1)
        return;
    Animation* animation = Animation::create();
    for (int i = 1; i <= frameCount; ++i)
    {
        if (SpriteFrame* frame = SpriteFrameCache::getInstance()->getSpriteFrameByName(formatString(format.c_str(), i)))
            animation->addSpriteFrame(frame);
    }
    if (animation->getFrames().empty())
        return;
    animation->setDelayPerUnit(duration / static_cast<float>(frameCount));
    animation->setLoops(1);
    Animate* animate = Animate::create(animation);
    if (forever)
        badge->runAction(RepeatForever::create(animate));
    else
        badge->runAction(animate);
}
