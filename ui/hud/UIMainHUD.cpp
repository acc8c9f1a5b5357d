#include "ui/hud/UIMainHUD.h"

#include <cstdlib>

#include "app/SoundEngine.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIText.h"
#include "world/AnimationDef.h"
#include "world/GameData.h"
#include "world/ObjectDef.h"

USING_NS_CC;

namespace
{
const Vec2 kWeaponCorner(75, 128);
const Vec2 kAmmoCorner(78, 128);
const int kAmmoWidth = 64;
const Vec2 kItemIconCentre(20, 57);
const Vec2 kItemCountCorner(36, 41);
const Vec2 kMoneyCorner(43, 109);
const int kMoneyWidth = 512;
const Vec2 kTrackerCorner(6, 76);
const Vec2 kTrackerSlotCentre(22, 92);
// A fresh tracker arrow flashes bright, then dims to this over the time.
const GLubyte kTrackerDimOpacity = 64;
const float kTrackerDimSeconds = 3.0f;
const Color3B kEmptyWeaponTint(128, 0, 0);
const int kStandAnimation = 0;

// Takes a child off the panel (stopping what it runs) and clears the pointer.
template <class T>
void removeNode(T*& node)
{
    if (!node)
        return;
    node->removeFromParentAndCleanup(true);
    node = nullptr;
}

void playTypingTick()
{
    SoundEngine::getInstance()->play(nullptr, false, formatString("typing_%d.wav", std::rand() % 3 + 1), 1.0f);
}
} // namespace

UIMainHUD* UIMainHUD::create()
{
    auto* panel = new UIMainHUD();
    panel->autorelease();
    return panel;
}

UIMainHUD::UIMainHUD()
{
    panelSprite = createSprite("UI_TopLeft.png");
    if (panelSprite)
    {
        panelSprite->setPosition(Vec2::ZERO);
        addChild(panelSprite, -1);
        setContentSize(panelSprite->getContentSize());
    }
}

UIMainHUD::~UIMainHUD() = default;

void UIMainHUD::setEMPMode(bool on)
{
    if (!empPanel)
    {
        empPanel = createSprite("UI_TopLeft_EMP.png");
        if (!empPanel)
            return;
        empPanel->setPosition(Vec2::ZERO);
        empPanel->setVisible(false);
        addChild(empPanel, 0);
    }
    if (empPanel->isVisible() != on)
        empPanel->setVisible(on);
}

void UIMainHUD::setWeapon(int rounds, int second, int third, const std::string& image)
{
    if (image != weaponImage)
    {
        removeNode(weaponSprite);
        weaponImage = image;
        weaponSprite = createSprite(image);
        if (weaponSprite)
        {
            weaponSprite->setAnchorPoint(Vec2(1.0f, 1.0f));
            weaponSprite->setPosition(kWeaponCorner);
            addChild(weaponSprite, 0);
        }
    }
    if (rounds != shownRounds || second != shownSecond || third != shownThird)
    {
        shownRounds = rounds;
        shownSecond = second;
        shownThird = third;
        showAmmunition();
    }
    if (weaponSprite)
        weaponSprite->setColor(shownRounds == 0 ? kEmptyWeaponTint : Color3B::WHITE);
}

void UIMainHUD::showAmmunition()
{
    if (!ammoText)
    {
        ammoText = UIText::create(kAmmoWidth, -1, "");
        ammoText->setAnchorPoint(Vec2(0.0f, 1.0f));
        ammoText->setPosition(kAmmoCorner);
        addChild(ammoText, 0);
    }
    std::string text;
    if (shownSecond == kWarmingUp)
        text = "`6warming";
    else if (shownSecond == kRecharging)
        text = shownRounds == 0 ? "`@charging" : "`%ready";
    else
        text = formatString("`%%%d/%d `7%d", shownRounds, shownSecond, shownThird);
    ammoText->setText(true, false, text);
}

void UIMainHUD::clearWeapon()
{
    removeNode(weaponSprite);
    removeNode(ammoText);
    weaponImage.clear();
    shownRounds = shownSecond = shownThird = -1;
}

void UIMainHUD::setItemCount(int id, int count)
{
    if (id == shownItemId && count == shownItemCount)
        return;
    shownItemId = id;
    shownItemCount = count;
    removeItemSlot();
    const ObjectDef* def = id == -1 ? nullptr : GameData::getInstance()->getObjectDef(id);
    if (!def || def->hudfilename.empty())
        return;
    itemIcon = createSprite(def->hudfilename);
    if (itemIcon)
    {
        itemIcon->setAnchorPoint(Vec2(0.5f, 0.5f));
        itemIcon->setPosition(kItemIconCentre);
        addChild(itemIcon, 0);
    }
    if (count > 1)
    {
        itemCountText = UIText::create(-1, -1, formatString("x`%%%d", count));
        itemCountText->setAnchorPoint(Vec2(1.0f, 0.0f));
        itemCountText->setPosition(kItemCountCorner);
        addChild(itemCountText, 0);
    }
}

void UIMainHUD::removeItemSlot()
{
    removeNode(itemIcon);
    removeNode(itemCountText);
}

void UIMainHUD::setMoneyLine(const std::string& text)
{
    if (text == moneyLine)
        return;
    if (!moneyText)
    {
        moneyText = UIText::create(kMoneyWidth, -1, "");
        moneyText->setAnchorPoint(Vec2(0.0f, 1.0f));
        moneyText->setPosition(kMoneyCorner);
        addChild(moneyText, 1);
    }
    moneyLine = text;
    moneyText->setText(true, false, text);
}

void UIMainHUD::setTracker(bool onContract, int distance, const std::string& image)
{
    if (image == trackerImage && distance == shownTrackerDistance && onContract == shownOnContract)
        return;
    shownTrackerDistance = distance;
    shownOnContract = onContract;
    removeNode(distanceText);
    if (image != trackerImage)
    {
        trackerImage = image;
        removeNode(trackerArrow);
        if (!image.empty())
            showTrackerArrow();
    }
    if (!image.empty())
        showTrackerDistance(onContract, distance);
}

void UIMainHUD::showTrackerArrow()
{
    // Only a new bearing ticks and flashes: the figure changes with every
    // metre walked, and a tick for each would rattle on all the way.
    playTypingTick();
    trackerArrow = createSprite(trackerImage);
    if (!trackerArrow)
        return;
    trackerArrow->setPosition(kTrackerCorner);
    addChild(trackerArrow, 0);
    trackerArrow->runAction(FadeTo::create(kTrackerDimSeconds, kTrackerDimOpacity));
}

void UIMainHUD::showTrackerDistance(bool onContract, int distance)
{
    // Bright and never dimmed, so that the figure reads at a glance over the
    // dark middle of the arrow: the contract's in red, the others in cyan.
    const char* colour = onContract ? "@" : "!";
    const std::string reading =
        distance == -1 ? formatString("`%s~M", colour) : formatString("`%s%dM", colour, distance);
    distanceText = UIText::create(-1, -1, reading);
    distanceText->setAnchorPoint(Vec2(0.5f, 0.5f));
    distanceText->setPosition(kTrackerSlotCentre);
    addChild(distanceText, 1);
}

void UIMainHUD::setTarget(int id)
{
    if (id == targetId)
        return;
    removeNode(targetNode);
    targetId = id;
    ObjectDef* def = id == -1 ? nullptr : GameData::getInstance()->getObjectDef(id);
    if (!def)
        return;
    targetNode = createSprite(def->file(0));
    if (!targetNode)
        return;
    AnimationDef* stand = def->findAnimation(kStandAnimation);
    if (stand && stand->firstFrame)
        targetNode->setSpriteFrame(stand->firstFrame);
    targetNode->setAnchorPoint(Vec2(0.5f, 0.5f));
    targetNode->setPosition(kTrackerSlotCentre);
    addChild(targetNode, 2);
}

void UIMainHUD::removeTargetNode()
{
    removeNode(targetNode);
}
