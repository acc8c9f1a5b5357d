#include "ComicFixture.h"

TEST_F(StoryScreenTest, CharacterScreenBuildsItsLayersAndWaitsForAChoice)
{
    ASSERT_TRUE(chooser->init());
    ASSERT_NE(chooser->backLayer, nullptr);
    EXPECT_EQ(chooser->backLayer->getLocalZOrder(), -2);
    EXPECT_EQ(chooser->frontLayer->getLocalZOrder(), 100);
    ASSERT_NE(chooser->male, nullptr);
    ASSERT_NE(chooser->female, nullptr);
    EXPECT_EQ(chooser->male->getParent(), chooser->middleLayer);
    EXPECT_FLOAT_EQ(chooser->male->getPositionX(), 318.0f);
    EXPECT_FLOAT_EQ(chooser->female->getPositionX(), 194.0f);

    chooser->showPrompt();
    chooser->select();
    EXPECT_EQ(driver->playerCharacter, -1) << "nothing highlighted: nothing chosen";
    EXPECT_FALSE(folder.exists(StatEngine::kFileName));
}

TEST_F(StoryScreenTest, ChoosingTheFemaleCharacterPlaysHerGoThenMovesTheIntroOn)
{
    chooser->init();
    chooser->selection = -1;
    chooser->showPrompt();
    advance(3.0f);
    EXPECT_EQ(chooser->prompt->text, "`%Tammy Jane Trench `7[`$e`7 to select]");
    EXPECT_EQ(chooser->male->getOpacity(), 64);
    driver->state = GameState::Menu;
    driver->introStep = 2;
    chooser->select();
    EXPECT_EQ(driver->playerCharacter, CharSelectScreen::kFemale);
    EXPECT_TRUE(folder.exists(StatEngine::kFileName));
    // A and D after the choice change nothing.
    chooser->highlight(1);
    chooser->highlight(-1);
    EXPECT_EQ(chooser->selection, -1);
    advance(1.1f);
    EXPECT_EQ(chooser->male->getOpacity(), 0);
    for (const cocos2d::Sprite* glyph : chooser->prompt->glyphs)
        EXPECT_EQ(glyph->getOpacity(), 0) << "the prompt stays faded";
    EXPECT_EQ(driver->introStep, 2);
    advance(1.5f);
    // The Go animation has played and step 3 ran; with no fade layer in this
    // scene the prologue follows at once.
    EXPECT_EQ(driver->introStep, 4);
    EXPECT_EQ(driver->comicPart, 1);
}

TEST_F(StoryScreenTest, TakingTheScreenOffTheSceneKeepsItAlive)
{
    chooser->init();
    const unsigned int before = chooser->getReferenceCount();
    chooser->removeFromParent();
    EXPECT_EQ(chooser->getReferenceCount(), before - 1);
    EXPECT_GE(chooser->getReferenceCount(), 1u);
    advance(0.1f);
    chooser->close();
    EXPECT_TRUE(chooser->init());
    scene->addChild(chooser);
}
