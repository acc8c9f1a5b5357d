// The console of city events and the unlock bar: their queues, their timing
// and where they stand on the screen.
#include "HudFixture.h"

#include <gtest/gtest.h>

USING_NS_CC;

class NoticeQueuesTest : public HudFixture
{
protected:
    // Runs the console as the driver does, once a frame, for seconds.
    void runConsole(float seconds)
    {
        const float step = 0.01f;
        for (float t = 0.0f; t < seconds - step * 0.5f; t += step)
        {
            driver->console->update(step);
            director->stepFrame(step);
        }
    }

    bool visibleLine(const std::string& text) const
    {
        for (UIText* line : driver->console->shownLines)
            if (line->text == text)
                return line->isVisible();
        return false;
    }
};

TEST_F(NoticeQueuesTest, ConsoleLinesShowOneAfterAnotherAndFade)
{
    UITextConsole* console = driver->console;
    driver->addConsoleLine("`7one");
    driver->addConsoleLine("`7two");
    driver->addConsoleLine("`7three");
    ASSERT_EQ(console->queuedLines.size(), 3u) << "a living player's console takes the lines";

    runConsole(0.05f);
    EXPECT_TRUE(visibleLine("`7one"));
    EXPECT_EQ(console->queuedLines.size(), 2u);
    runConsole(4.0f); // 4.05 s: the second is taken, hidden while the first fades
    EXPECT_EQ(console->queuedLines.size(), 1u);
    EXPECT_FALSE(visibleLine("`7two"));
    runConsole(1.0f); // 5.05 s: the first is gone and the second shows
    EXPECT_EQ(console->shownLines.size(), 1u);
    EXPECT_TRUE(visibleLine("`7two"));
    runConsole(4.0f); // 9.05 s
    EXPECT_TRUE(visibleLine("`7three"));
    EXPECT_TRUE(console->queuedLines.empty());
    runConsole(3.2f); // 12.25 s: the last one fades
    ASSERT_EQ(console->shownLines.size(), 1u);
    EXPECT_LT(console->shownLines[0]->glyphs.front()->getOpacity(), 255);
    runConsole(1.0f); // 13.25 s
    EXPECT_TRUE(console->shownLines.empty());

    // A clear in the middle of a fade takes every line at once.
    driver->addConsoleLine("`7four");
    driver->addConsoleLine("`7five");
    runConsole(4.5f);
    console->clear();
    EXPECT_TRUE(console->shownLines.empty());
    EXPECT_TRUE(console->queuedLines.empty());
    EXPECT_FLOAT_EQ(console->holdTimer, -1.0f);
    runConsole(1.0f);
    EXPECT_EQ(console->getChildrenCount(), 0u);

    // Without a living player the lines are dropped.
    player.health = 0;
    driver->addConsoleLine("`7unheard");
    EXPECT_TRUE(console->queuedLines.empty());
}

TEST_F(NoticeQueuesTest, TheConsoleHangsBelowThePolicePanel)
{
    driver->addConsoleLine("`9Police`7 report: a long line\nthat runs to\nthree lines");
    runConsole(0.05f);
    ASSERT_EQ(driver->console->shownLines.size(), 1u);
    UIText* line = driver->console->shownLines[0];
    const Vec2 lineTopRight = line->convertToWorldSpace(Vec2(line->getContentSize().width, line->getContentSize().height));
    const Vec2 panelBottom = copHud()->convertToWorldSpace(Vec2::ZERO);
    EXPECT_GT(copHud()->getContentSize().height, 0.0f);
    EXPECT_LE(lineTopRight.y, panelBottom.y) << "the console never climbs into the police panel";
    EXPECT_NEAR(lineTopRight.x, visible.width - 4.0f, 0.01f) << "right-aligned under the panel";
}

TEST_F(NoticeQueuesTest, UnlockNoticesSlideInHoldAndFollowEveryFourSeconds)
{
    UIUnlockBar* bar = driver->unlockBar;
    bar->queueUnlock("Unlock.png", "`!Unlocked:`% EMP", "unlock.mp3");
    bar->advance(0.01f);
    ASSERT_NE(bar->text, nullptr);
    EXPECT_EQ(bar->text->text, "`!Unlocked:`% EMP");
    EXPECT_EQ(bar->text->getPosition(), Vec2(209.0f, 18.0f));
    EXPECT_EQ(bar->getPosition(), Vec2(visible.width * 0.5f, visible.height)) << "starts above the top edge";
    advance(0.4f);
    EXPECT_NEAR(bar->getPositionY(), visible.height - 36.0f, 0.01f);
    advance(3.2f + 0.4f + 0.05f);
    EXPECT_NEAR(bar->getPositionY(), visible.height, 0.01f);
    EXPECT_FALSE(bar->background->isVisible()) << "slid out, the bar hides";

    // A wide icon is drawn 32 pixels wide; the next notice waits out the four seconds.
    ASSERT_NE(bar->icon, nullptr);
    bar->queueUnlock("UI_UnlockBackground.png", "`!second", "");
    const float before = bar->timer;
    EXPECT_FLOAT_EQ(before, 4.0f) << "the timer stood still while the queue was empty";
    int frames = 0;
    while (!bar->queue.empty() && frames < 1000)
    {
        bar->advance(0.01f);
        ++frames;
    }
    EXPECT_NEAR(frames, 401, 2) << "four seconds, then the next frame";
    EXPECT_LE(bar->icon->getContentSize().width * bar->icon->getScaleX(), 32.0f + 0.01f);
}
