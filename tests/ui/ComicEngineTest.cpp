#include "ComicFixture.h"

TEST_F(StoryScreenTest, ComicPageTimesFollowThePageNumber)
{
    EXPECT_FLOAT_EQ(ComicEngine::pageDelay(0), 1.3f);
    EXPECT_FLOAT_EQ(ComicEngine::pageDelay(1), 5.5f);
    EXPECT_FLOAT_EQ(ComicEngine::pageDelay(3), 13.9f);
    EXPECT_EQ(ComicEngine::pageCount(1), 3);
    EXPECT_EQ(ComicEngine::pageCount(2), 4);
    EXPECT_EQ(ComicEngine::pageCount(3), 2);
    EXPECT_EQ(ComicEngine::pageCount(4), 4);
    EXPECT_EQ(ComicEngine::pageFile(4, 'M', 3), "Part04_M_04.png");
}

TEST_F(StoryScreenTest, ComicPicksThePagesOfTheChosenCharacter)
{
    driver->playerCharacter = CharSelectScreen::kMale;
    comic->show(2);
    int shown = 0;
    for (cocos2d::Sprite* page : comic->pages)
        shown += page ? 1 : 0;
    EXPECT_EQ(shown, 4);
    ASSERT_NE(comic->pages[3], nullptr);
    EXPECT_EQ(comic->pages[3]->getLocalZOrder(), 3);
    EXPECT_FLOAT_EQ(comic->pages[0]->getScale(), driver->visibleSize.height / comic->pages[0]->getContentSize().height);
    advance(ComicEngine::pageDelay(3) + 1.5f);
    EXPECT_FALSE(comic->pageComplete);
    advance(0.2f);
    EXPECT_TRUE(comic->pageComplete);
    ASSERT_NE(comic->prompt, nullptr);
    EXPECT_EQ(comic->prompt->text, "Press `$e`7 to continue.");
}

TEST_F(StoryScreenTest, LeavingAPartFadesOutThenGoesBackToTheMenuStep)
{
    driver->state = GameState::Intro;
    driver->introStep = 4;
    comic->show(3);
    advance(7.2f);
    ASSERT_TRUE(comic->pageComplete);
    comic->pageComplete = false;
    comic->pageTransition(ComicEngine::kTransitionSeconds);
    advance(1.9f);
    EXPECT_NE(comic->pages[0], nullptr);
    EXPECT_LT(comic->pages[0]->getOpacity(), 255);
    advance(0.2f);
    EXPECT_EQ(comic->pages[0], nullptr);
    EXPECT_EQ(comic->prompt, nullptr);
    EXPECT_EQ(driver->introStep, 5);
}

TEST_F(StoryScreenTest, AnUnknownPartNeverStallsTheIntro)
{
    comic->show(9);
    advance(0.1f);
    EXPECT_TRUE(comic->pageComplete) << "the prompt comes at once, so a key can leave";
    EXPECT_EQ(comic->pages[0], nullptr);
}
