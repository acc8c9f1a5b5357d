// The status panels fed through the HUD's readings: every state of the
// money, weapon, ammunition, items and police lines, and a refresh that
// rebuilds only what changed.
#include "HudFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "world/GameData.h"

USING_NS_CC;

namespace
{
const int kEmpItem = 154;

WeaponReading pistol(int rounds, int magazine, int spare)
{
    WeaponReading weapon;
    weapon.image = "HUD_Pistol.png";
    weapon.rounds = rounds;
    weapon.magazine = magazine;
    weapon.spare = spare;
    weapon.ammunitionCarried = spare;
    return weapon;
}
} // namespace

class StatusPanelsTest : public HudFixture
{
};

TEST_F(StatusPanelsTest, TheMoneyLineColoursTheCreditsByWhatThePapersCost)
{
    source->purse = 0;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyLine, "TJ: `80`7/2500`7c\n");
    source->purse = 2499;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyLine, "TJ: `$2499`7/2500`7c\n");
    source->purse = 2500;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyLine, "TJ: `!2500`7/2500`7c\n");

    // Score Attack counts what the run earned instead.
    driver->mode = 1;
    driver->creditsEarned = 730;
    source->purse = 120;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyLine, "TJ: `$120`7c Score:`%730`7\n");
    EXPECT_EQ(mainHud()->moneyText->text, mainHud()->moneyLine);

    // With an accepted contract its target, conditions and value follow.
    ContractReading contract;
    contract.targetName = "Ada Quill";
    contract.summary = "\x03";
    contract.value = 450;
    source->accepted = contract;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyLine, "TJ: `$120`7c Score:`%730`7\n`@Ada Quill\n\x03 `$450`7c");
}

TEST_F(StatusPanelsTest, WithoutReadingsThePanelsShowNothingMadeUp)
{
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyText, nullptr);
    EXPECT_EQ(mainHud()->weaponSprite, nullptr);
    EXPECT_EQ(mainHud()->ammoText, nullptr);
    EXPECT_EQ(mainHud()->itemIcon, nullptr);
    // The police panel keeps its empty city: no droids, no pursuit, level Low.
    ASSERT_NE(copHud()->text, nullptr);
    EXPECT_EQ(copHud()->text->text, "`9cops`7:\n`80`7/`%0\n`7Low");

    // And without a player nothing at all is refreshed.
    driver->player = nullptr;
    source->purse = 10;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyText, nullptr);
}

TEST_F(StatusPanelsTest, TheWeaponLineShowsEachAmmunitionState)
{
    source->held = pistol(3, 6, 12);
    hud->refresh(true);
    ASSERT_NE(mainHud()->weaponSprite, nullptr);
    EXPECT_EQ(mainHud()->ammoText->text, "`%3/6 `712");
    EXPECT_EQ(mainHud()->weaponSprite->getColor(), Color3B::WHITE);

    source->held = pistol(0, 6, 12);
    hud->refresh(true);
    EXPECT_EQ(mainHud()->ammoText->text, "`%0/6 `712");
    EXPECT_EQ(mainHud()->weaponSprite->getColor(), Color3B(128, 0, 0)) << "an empty weapon is tinted dark red";

    WeaponReading blaster = pistol(0, 1, 0);
    blaster.image = "HUD_Blaster.png";
    blaster.recharges = true;
    source->held = blaster;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->weaponImage, "HUD_Blaster.png");
    EXPECT_EQ(mainHud()->ammoText->text, "`@charging");
    blaster.rounds = 1;
    source->held = blaster;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->ammoText->text, "`%ready");
    blaster.warmingUp = true;
    blaster.rounds = 7;
    source->held = blaster;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->ammoText->text, "`6warming");

    // A weapon given up leaves no picture behind.
    source->held.reset();
    hud->refresh(true);
    EXPECT_EQ(mainHud()->weaponSprite, nullptr);
    EXPECT_EQ(mainHud()->ammoText, nullptr);
}

TEST_F(StatusPanelsTest, TheItemSlotAndTheEmpPanelFollowTheInventory)
{
    const ObjectDef* emp = GameData::getInstance()->getObjectDef(kEmpItem);
    ASSERT_NE(emp, nullptr);
    ASSERT_FALSE(emp->hudfilename.empty());

    source->itemChange = ItemReading{kEmpItem, 1};
    source->carried[kEmpItem] = 1;
    hud->refresh(true);
    ASSERT_NE(mainHud()->itemIcon, nullptr);
    EXPECT_EQ(mainHud()->itemCountText, nullptr) << "one item shows the icon alone";
    ASSERT_NE(mainHud()->empPanel, nullptr);
    EXPECT_TRUE(mainHud()->empPanel->isVisible());

    source->itemChange = ItemReading{kEmpItem, 3};
    hud->refresh(true);
    ASSERT_NE(mainHud()->itemCountText, nullptr);
    EXPECT_EQ(mainHud()->itemCountText->text, "x`%3");

    // The item line is read only when the inventory says it changed.
    Sprite* icon = mainHud()->itemIcon;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->itemIcon, icon);

    source->itemChange = ItemReading{-1, 0};
    source->carried[kEmpItem] = 0;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->itemIcon, nullptr);
    EXPECT_EQ(mainHud()->itemCountText, nullptr);
    EXPECT_FALSE(mainHud()->empPanel->isVisible());
}

TEST_F(StatusPanelsTest, ThePolicePanelShowsPursuersDroidsAndLevel)
{
    PoliceReading police;
    police.droids = 5;
    police.pursuing = 2;
    police.level = 3;
    source->cops = police;
    hud->refresh(true);
    EXPECT_EQ(copHud()->text->text, "`9cops`7:\n`@2`7/`%5\n`$High");
    EXPECT_TRUE(copHud()->alert);
    EXPECT_EQ(copHud()->badge->getNumberOfRunningActions(), 1u) << "the alarmed badge flashes";

    police.pursuing = 0;
    police.level = 5;
    source->cops = police;
    hud->refresh(true);
    EXPECT_EQ(copHud()->text->text, "`9cops`7:\n`80`7/`%5\n`@ALERT");
    EXPECT_FALSE(copHud()->alert);
    advance(1.1f);
    EXPECT_EQ(copHud()->badge->getNumberOfRunningActions(), 0u) << "the calm badge shows one frame once";

    for (int level : {0, 1, 2, 4})
        EXPECT_STREQ(UICopHUD::levelName(level), level == 0 ? "`7Low" : level < 3 ? "`%Med." : "`$High");
}

TEST_F(StatusPanelsTest, ARefreshRebuildsOnlyWhatChanged)
{
    source->purse = 100;
    source->held = pistol(3, 6, 12);
    GameObject contact(nullptr, false, GameObject::PlainObject);
    contact.setPosition(player.getPosition() + Vec2(600.0f, 0.0f));
    source->contact = &contact;
    hud->refresh(true);

    UIText* money = mainHud()->moneyText;
    Sprite* weapon = mainHud()->weaponSprite;
    UIText* ammo = mainHud()->ammoText;
    Sprite* arrow = mainHud()->trackerArrow;
    UIText* distance = mainHud()->distanceText;
    Sprite* minimap = hud->minimapBackground;
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(mainHud()->trackerImage, "UI_Tracker_E.png");
    EXPECT_EQ(distance->text, "`!100M");
    const std::vector<Sprite*> glyphs = money->glyphs;
    const std::vector<Sprite*> ammoGlyphs = ammo->glyphs;

    hud->refresh(true);
    EXPECT_EQ(mainHud()->weaponSprite, weapon);
    EXPECT_EQ(mainHud()->trackerArrow, arrow);
    EXPECT_EQ(mainHud()->distanceText, distance);
    EXPECT_EQ(hud->minimapBackground, minimap);
    EXPECT_EQ(money->glyphs, glyphs) << "an unchanged money line keeps its glyphs";
    EXPECT_EQ(ammo->glyphs, ammoGlyphs);

    source->purse = 90;
    hud->refresh(true);
    EXPECT_EQ(mainHud()->moneyText, money);
    EXPECT_NE(money->glyphs, glyphs) << "new credits, new glyphs";
    EXPECT_EQ(mainHud()->weaponSprite, weapon);
    EXPECT_EQ(ammo->glyphs, ammoGlyphs) << "the ammunition did not change";
    EXPECT_EQ(mainHud()->trackerArrow, arrow);

    // Without resetting the tracker the reading is taken but the arrow stays.
    contact.setPosition(player.getPosition() + Vec2(0.0f, -60.0f));
    hud->refresh(false);
    EXPECT_EQ(hud->trackerDirectionShown, 9);
    EXPECT_EQ(hud->trackerDistanceShown, 10);
    EXPECT_EQ(mainHud()->trackerImage, "UI_Tracker_E.png");
    hud->refresh(true);
    EXPECT_EQ(mainHud()->trackerImage, "UI_Tracker_S.png");
    EXPECT_EQ(mainHud()->distanceText->text, "`!10M");
}

TEST_F(StatusPanelsTest, TheTrackerReadsBearingAndMetres)
{
    GameObject target(nullptr, false, GameObject::PlainObject);
    const Vec2 at = player.getPosition();
    target.setPosition(at + Vec2(100.0f, 0.0f));
    EXPECT_EQ(hud->trackerDirection(&target), 5);
    EXPECT_EQ(GameHUD::trackerImage(5), "UI_Tracker_E.png");
    target.setPosition(at + Vec2(0.0f, -100.0f));
    EXPECT_EQ(hud->trackerDirection(&target), 9);
    // A bearing of 10 degrees is still north.
    target.setPosition(at + Vec2(100.0f * std::sin(10.0f * static_cast<float>(M_PI) / 180.0f),
                                 100.0f * std::cos(10.0f * static_cast<float>(M_PI) / 180.0f)));
    EXPECT_EQ(hud->trackerDirection(&target), 1);
    target.setPosition(at + Vec2(600.0f, 0.0f));
    EXPECT_EQ(hud->trackerDistance(&target), 100);
    target.setPosition(at + Vec2(5.0f, 0.0f));
    EXPECT_EQ(hud->trackerDistance(&target), 0);

    // No target: no direction, no distance, no arrow.
    EXPECT_EQ(hud->trackerDirection(nullptr), -1);
    EXPECT_EQ(hud->trackerDistance(nullptr), -1);
    EXPECT_EQ(GameHUD::trackerImage(-1), "");

    // A tracked contract whose target is gone shows the distance as unknown.
    source->purse = 0;
    ContractReading contract;
    contract.target = nullptr;
    source->accepted = contract;
    hud->refresh(true);
    EXPECT_EQ(hud->trackerDirectionShown, -1);
    EXPECT_EQ(mainHud()->trackerArrow, nullptr);
}

TEST_F(StatusPanelsTest, TheTrackerFollowsThePlayerAndItsTargetEveryFrame)
{
    source->purse = 100;
    GameObject target(nullptr, false, GameObject::PlainObject);
    target.setPosition(player.getPosition() + Vec2(90.0f, 600.0f));
    ContractReading contract;
    contract.target = &target;
    source->accepted = contract;

    // Twenty seconds at the player's walking pace, up past the target, which
    // strolls west: each frame the figure shown against the true distance.
    const float dt = 1.0f / 60.0f;
    int laggingFrames = 0;
    int largestStep = 0;
    int previous = -1;
    std::string firstLag;
    for (int frame = 0; frame < 1200; ++frame)
    {
        player.setPosition(player.getPosition() + Vec2(0.0f, 36.0f * dt));
        target.setPosition(target.getPosition() + Vec2(-12.0f * dt, 0.0f));
        hud->updateOverlay(dt);
        const int truth = static_cast<int>(player.getPosition().distance(target.getPosition()) / 6.0f);
        const std::string arrow = GameHUD::trackerImage(hud->trackerDirection(&target));
        const std::string shown = mainHud()->distanceText ? mainHud()->distanceText->text : "<none>";
        if (shown != formatString("`@%dM", truth) || mainHud()->trackerImage != arrow)
        {
            if (laggingFrames++ == 0)
                firstLag = formatString("frame %d: %s %s for %dM %s", frame, shown.c_str(),
                                        mainHud()->trackerImage.c_str(), truth, arrow.c_str());
        }
        int figure = -1;
        std::sscanf(shown.c_str(), "`@%dM", &figure);
        if (previous != -1)
            largestStep = std::max(largestStep, std::abs(figure - previous));
        previous = figure;
    }
    EXPECT_EQ(laggingFrames, 0) << "first: " << firstLag;
    EXPECT_LE(largestStep, 1) << "the figure never leaps";

    // The job ends: the tracker turns to the nearest contact.
    GameObject contact(nullptr, false, GameObject::PlainObject);
    contact.setPosition(player.getPosition() + Vec2(-300.0f, 0.0f));
    source->contact = &contact;
    source->accepted.reset();
    hud->refresh(true);
    EXPECT_EQ(mainHud()->distanceText->text, "`!50M");
    EXPECT_EQ(mainHud()->trackerImage, "UI_Tracker_W.png");
    // The arrow dims after its flash; the figure stays bright enough to read.
    advance(3.1f);
    EXPECT_EQ(mainHud()->trackerArrow->getOpacity(), 64);
    EXPECT_EQ(mainHud()->distanceText->glyphs.front()->getDisplayedOpacity(), 255);
}

TEST_F(StatusPanelsTest, TheMinimapDotMovesByTheMapsScale)
{
    hud->refresh(true);
    ASSERT_NE(hud->playerDot, nullptr);
    ASSERT_NE(hud->minimapBackground, nullptr);
    EXPECT_FALSE(hud->minimapBackground->isVisible()) << "every contract carries a tracker";
    player.setPosition(Vec2(10 * 32 + 16, 20 * 32 + 16));
    hud->refresh(true);
    EXPECT_EQ(hud->playerDot->getPosition(), Vec2(20.0f, 40.0f)) << "2 pixels a cell on a 48 x 50 city";

    // An untracked contract shows the minimap with its target's zone.
    ContractReading contract;
    contract.tracked = false;
    contract.targetZone = 3;
    source->accepted = contract;
    hud->refresh(true);
    EXPECT_TRUE(hud->minimapBackground->isVisible());
    EXPECT_EQ(hud->minimapZone, 3);
    ASSERT_NE(hud->zoneOverlay, nullptr);

    // A new run takes the minimap away; the next refresh builds it anew.
    hud->clear();
    EXPECT_EQ(hud->minimapBackground, nullptr);
    EXPECT_EQ(hud->playerDot, nullptr);
}

TEST_F(StatusPanelsTest, SettersGivenTheSameValuesChangeNothing)
{
    mainHud()->setTracker(true, -1, "UI_Tracker_N.png");
    ASSERT_NE(mainHud()->distanceText, nullptr);
    EXPECT_EQ(mainHud()->distanceText->text, "`@~M");
    UIText* ticker = mainHud()->distanceText;
    mainHud()->setTracker(true, -1, "UI_Tracker_N.png");
    EXPECT_EQ(mainHud()->distanceText, ticker) << "no second typing tick, no new ticker";
    mainHud()->setTracker(false, 42, "UI_Tracker_N.png");
    EXPECT_EQ(mainHud()->distanceText->text, "`!42M");
    // A contract taken whose target stands just where the contact stood.
    mainHud()->setTracker(true, 42, "UI_Tracker_N.png");
    EXPECT_EQ(mainHud()->distanceText->text, "`@42M");
    // A fresh reading dims over three seconds.
    advance(3.1f);
    EXPECT_EQ(mainHud()->trackerArrow->getOpacity(), 64);
    mainHud()->setTracker(false, 42, "");
    EXPECT_EQ(mainHud()->trackerArrow, nullptr);
    EXPECT_EQ(mainHud()->distanceText, nullptr);

    const size_t children = mainHud()->getChildrenCount();
    mainHud()->setWeapon(2, 6, 4, "HUD_Pistol.png");
    Sprite* weapon = mainHud()->weaponSprite;
    mainHud()->setWeapon(2, 6, 4, "HUD_Pistol.png");
    EXPECT_EQ(mainHud()->weaponSprite, weapon);
    EXPECT_EQ(mainHud()->getChildrenCount(), children + 2);
}

TEST_F(StatusPanelsTest, ASpriteNameIsAnImageFirstThenAFrameOfALoadedSheet)
{
    // "CopUI.png" is both an image file and nowhere a frame: the file.
    Sprite* image = createSprite("CopUI.png");
    ASSERT_NE(image, nullptr);
    // A frame of the police sheet, loaded by the police panel, has no file of its own.
    ASSERT_FALSE(FileUtils::getInstance()->isFileExist("CopUI_Safe_01.png"));
    Sprite* frame = createSprite("CopUI_Safe_01.png");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->getAnchorPoint(), Vec2::ZERO);
    EXPECT_EQ(createSprite("No_Such_Picture.png"), nullptr);
}
