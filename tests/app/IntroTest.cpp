#include "IntroFixture.h"

USING_NS_CC;

using KC = EventKeyboard::KeyCode;

namespace {

int pagesShown()
{
    int count = 0;
    for (Sprite* page : ComicEngine::getInstance()->pages)
        count += page ? 1 : 0;
    return count;
}

}

TEST_F(IntroFixture, FirstStartChoosesACharacterThenShowsThePrologue)
{
    CharSelectScreen* screen = CharSelectScreen::getInstance();
    ComicEngine* comic = ComicEngine::getInstance();
    driver->setState(GameState::Intro);
    EXPECT_EQ(driver->introStep, 1);
    ASSERT_NE(driver->logoSprite, nullptr);
    EXPECT_EQ(driver->flashOverlay->getOpacity(), 255);
    EXPECT_EQ(driver->logoSprite->getOpacity(), 0);

    run(3.0f);
    EXPECT_FALSE(driver->flashOverlay->isVisible()) << "the white layer goes at 2.8 s";
    EXPECT_EQ(driver->logoSprite->getOpacity(), 255);
    run(2.0f);
    EXPECT_TRUE(driver->presentsSprite->isVisible()) << "the presents picture at 4.95 s";
    EXPECT_FALSE(driver->logoSprite->isVisible());
    run(1.3f);
    EXPECT_EQ(driver->introStep, 1) << "step 1 begins at 6.45 s";
    run(0.2f);
    EXPECT_EQ(driver->introStep, 2);
    EXPECT_EQ(screen->getParent(), layer);
    EXPECT_EQ(screen->prompt, nullptr);
    run(2.1f);
    ASSERT_NE(screen->prompt, nullptr);
    EXPECT_EQ(screen->prompt->text, "Select Character [`$a`7/`$d`7]");

    tap(KC::KEY_E);
    EXPECT_EQ(driver->playerCharacter, -1) << "nothing is highlighted yet";
    tap(KC::KEY_A);
    EXPECT_EQ(screen->selection, -1);
    EXPECT_EQ(screen->prompt->text, "`%Tammy Jane Trench `7[`$e`7 to select]");
    ASSERT_NE(screen->male, nullptr);
    EXPECT_EQ(screen->male->getOpacity(), 64);
    tap(KC::KEY_D);
    EXPECT_EQ(screen->prompt->text, "`%Thaddeus John Trench `7[`$e`7 to select]");
    EXPECT_EQ(screen->female->getOpacity(), 64);
    tap(KC::KEY_SPACE);
    EXPECT_EQ(driver->playerCharacter, CharSelectScreen::kMale);
    EXPECT_EQ(read32(folder.read(StatEngine::kFileName), 4), CharSelectScreen::kMale);
    tap(KC::KEY_SPACE);
    EXPECT_EQ(driver->introStep, 2) << "a second confirm does not replay the choice";

    run(2.6f);
    EXPECT_EQ(driver->introStep, 4) << "the Go animation ends and the screen fades to black";
    EXPECT_EQ(driver->comicPart, 1);
    run(1.6f);
    EXPECT_EQ(pagesShown(), 3);
    EXPECT_EQ(comic->pages[0]->getOpacity(), 0);
    tap(KC::KEY_E);
    EXPECT_FALSE(comic->pageComplete);
    run(11.3f);
    ASSERT_TRUE(comic->pageComplete);
    ASSERT_NE(comic->prompt, nullptr);
    tap(KC::KEY_E);
    tap(KC::KEY_E);
    run(1.0f);
    EXPECT_EQ(pagesShown(), 3) << "the pages fade out over 2 s";
    run(1.1f);
    EXPECT_EQ(pagesShown(), 0);
    EXPECT_EQ(driver->introStep, 5);
    EXPECT_EQ(driver->state, GameState::Menu);
    EXPECT_EQ(screen->getParent(), nullptr);
    EXPECT_EQ(driver->logoSprite, nullptr);
    // Off the scene, the kept screen is still alive and can be built again.
    EXPECT_GE(screen->getReferenceCount(), 1u);
    run(0.1f);
    EXPECT_TRUE(screen->init());
    screen->close();
}

TEST_F(IntroFixture, LaterStartGoesStraightToTheMenu)
{
    driver->playerCharacter = CharSelectScreen::kFemale;
    driver->setState(GameState::Intro);
    run(6.5f);
    EXPECT_EQ(driver->introStep, 5);
    EXPECT_EQ(driver->state, GameState::Intro);
    run(2.1f);
    EXPECT_EQ(driver->state, GameState::Menu);
    EXPECT_EQ(CharSelectScreen::getInstance()->backLayer, nullptr) << "the character screen is never built";
    EXPECT_EQ(pagesShown(), 0) << "no comic at a later start";
    EXPECT_EQ(driver->logoSprite, nullptr);
}

// The map editor's way in skips the intro: nothing of it is left on the
// screen, and no later step (the character choice of a first start, the menu)
// comes back over the editor.
TEST_F(IntroFixture, ASkippedIntroLeavesNothingBehind)
{
    driver->setState(GameState::Intro);
    run(1.0f);
    ASSERT_NE(driver->logoSprite, nullptr);
    driver->skipIntro();
    EXPECT_EQ(driver->logoSprite, nullptr);
    EXPECT_EQ(driver->presentsSprite, nullptr);
    EXPECT_FALSE(driver->flashOverlay->isVisible());
    run(12.0f);
    EXPECT_EQ(driver->state, GameState::Intro) << "the intro's last step never ran";
    EXPECT_EQ(CharSelectScreen::getInstance()->backLayer, nullptr) << "no character choice";
    EXPECT_EQ(driver->logoSprite, nullptr);
}

TEST_F(IntroFixture, ComicReplayShowsThePartAndReturnsToTheMenu)
{
    driver->playerCharacter = CharSelectScreen::kFemale;
    driver->playComic(3);
    EXPECT_EQ(driver->state, GameState::Intro);
    EXPECT_EQ(driver->introStep, 4);
    // A second request while the intro runs only sets the fields.
    driver->playComic(3);
    EXPECT_EQ(driver->introStep, 3);
    driver->introStep = 4;
    run(1.6f);
    ComicEngine* comic = ComicEngine::getInstance();
    ASSERT_EQ(pagesShown(), 2);
    EXPECT_EQ(ComicEngine::pageFile(3, 'F', 1), "Part03_F_02.png");
    // The part began about 0.1 s ago.
    run(5.2f);
    EXPECT_EQ(comic->pages[1]->getOpacity(), 0) << "the second page starts at 5.5 s";
    run(0.4f);
    EXPECT_GT(comic->pages[1]->getOpacity(), 0);
    run(1.2f);
    EXPECT_FALSE(comic->pageComplete) << "the prompt comes at 7.1 s";
    run(0.4f);
    EXPECT_TRUE(comic->pageComplete);
    tap(KC::KEY_ENTER);
    run(2.1f);
    EXPECT_EQ(driver->state, GameState::Menu);
    EXPECT_EQ(pagesShown(), 0);
}
