// What the game driver hands the HUD: console lines and their clearing on
// death, the cursor picture, and the weapon's warm-up animation that stays
// on the cursor.
#include "HudFixture.h"

#include <gtest/gtest.h>

USING_NS_CC;

class HudHandOffsTest : public HudFixture
{
protected:
    void TearDown() override
    {
        driver->clearMessages();
        if (driver->cursorSprite)
        {
            driver->cursorSprite->removeFromParent();
            driver->cursorSprite->release();
            driver->cursorSprite = nullptr;
        }
        driver->cursorFile.clear();
        HudFixture::TearDown();
    }
};

TEST_F(HudHandOffsTest, ADeathClearsTheConsole)
{
    driver->addConsoleLine("`7A `!hitman`7 has been dispatched by a shadow authority.");
    driver->addConsoleLine("`7second");
    driver->console->update(0.01f);
    ASSERT_EQ(driver->console->shownLines.size(), 1u);
    player.health = 0;
    driver->playerDied(7);
    EXPECT_TRUE(driver->console->shownLines.empty());
    EXPECT_TRUE(driver->console->queuedLines.empty());
    EXPECT_EQ(driver->console->getChildrenCount(), 0u);
}

TEST_F(HudHandOffsTest, TheCursorShowsWhetherTheWeaponIsRaised)
{
    driver->refreshCursor();
    ASSERT_NE(driver->cursorSprite, nullptr);
    EXPECT_EQ(driver->cursorFile, "Cursor_Normal.png");
    EXPECT_EQ(driver->cursorSprite->getAnchorPoint(), Vec2(0.0f, 1.0f));
    EXPECT_EQ(driver->cursorSprite->getParent(), layer);

    player.weaponRaised = true;
    driver->refreshCursor();
    EXPECT_EQ(driver->cursorFile, "Cursor_Target.png");
    EXPECT_EQ(driver->cursorSprite->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_TRUE(driver->aiming);

    // The warm-up animation starts on the cursor, follows it and goes when it ends.
    driver->onMouseMove(Vec2(100.0f, 80.0f));
    hud->playGunAnimation();
    ASSERT_NE(hud->chargeAnimation, nullptr);
    EXPECT_EQ(hud->chargeAnimation->getPosition(), Vec2(100.0f, 80.0f));
    driver->onMouseMove(Vec2(140.0f, 60.0f));
    EXPECT_EQ(hud->chargeAnimation->getPosition(), Vec2(140.0f, 60.0f));
    EXPECT_EQ(driver->cursorSprite->getPosition(), Vec2(140.0f, 60.0f));
    advance(2.1f);
    EXPECT_EQ(hud->chargeAnimation, nullptr);
}
