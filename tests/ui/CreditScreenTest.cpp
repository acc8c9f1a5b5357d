#include "ComicFixture.h"

#include "app/StringHelpers.h"
#include "ui/TextMarkup.h"

TEST_F(StoryScreenTest, CreditsNameThisProjectInFortyFourLines)
{
    const std::string text = CreditScreen::creditsText();
    const std::vector<std::string> lines = splitString(text + "\n", '\n');
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[0].substr(0, 5), "   `%");
    EXPECT_EQ(lines[2], "        `!TALLOWIND");
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(TextMarkup::visibleLength(lines[i]), 34) << lines[i];
    EXPECT_EQ(lines[12], "`0testing:");
    EXPECT_EQ(lines[43], "`7press `$e`7 to continue");
    for (const char* tool : {"GLFW", "SDL2", "libpng", "tinyxml2", "tinyobjloader", "Tallowind"})
        EXPECT_NE(text.find(tool), std::string::npos) << tool;
}

TEST_F(StoryScreenTest, CreditsScrollUpAndStayUntilClosed)
{
    driver->state = GameState::Paused;
    credits->show();
    ASSERT_TRUE(credits->isShowing());
    ASSERT_NE(credits->backdrop, nullptr);
    EXPECT_EQ(credits->backdrop->getOpacity(), 0);
    EXPECT_NE(credits->musicHandle, -1);
    EXPECT_FLOAT_EQ(credits->text->getPositionY(), 0.0f);
    advance(1.2f);
    EXPECT_EQ(credits->backdrop->getOpacity(), 255);
    EXPECT_FLOAT_EQ(credits->text->getPositionY(), 0.0f) << "the scroll waits 1.5 s";

    advance(60.0f);
    const cocos2d::Size view = driver->visibleSize;
    EXPECT_FLOAT_EQ(credits->text->getPositionY(), credits->text->getContentSize().height + view.height - 10.0f);
    EXPECT_TRUE(credits->isShowing()) << "only E closes the credits";

    credits->close();
    EXPECT_FALSE(credits->isShowing());
    EXPECT_EQ(credits->backdrop, nullptr);
    EXPECT_EQ(credits->musicHandle, -1);
    EXPECT_EQ(driver->state, GameState::Menu);
    EXPECT_EQ(credits->getParent(), scene) << "the screen itself stays for the next time";
}
