#include "app/SpriteHelpers.h"

#include "TempFolder.h"
#include "TestImages.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace {

// Puts the sprite on the running scene (actions run only on running nodes)
// and advances the frames.
void playOnStage(Sprite* sprite, float seconds)
{
    Director* director = Director::getInstance();
    if (!director->getRunningScene())
    {
        director->runWithScene(Scene::create());
        director->stepFrame(0.0f);
    }
    director->getRunningScene()->addChild(sprite);
    for (float t = 0.0f; t < seconds; t += 0.05f)
        director->stepFrame(0.05f);
}

}

TEST(SpriteHelpers, AMissingImageIsReportedAndGivesNoSprite)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(createSprite("no_such_image.png"), nullptr);
    EXPECT_EQ(createSpriteWithRect("no_such_image.png", Rect(0, 0, 4, 4)), nullptr);
    EXPECT_EQ(createAnimatedSprite(3, true, 1.0f, nullptr, "no_such_sheet"), nullptr);
    EXPECT_EQ(createAnimatedSpriteFromFirstFrame(3, false, 1.0f, nullptr, "no_such_frames"), nullptr);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("no_such_image.png"), std::string::npos) << errors;
    EXPECT_NE(errors.find("no_such_frames_01.png"), std::string::npos) << errors;
}

TEST(SpriteHelpers, PixelArtSpritesAreSharpAndAnchoredBottomLeft)
{
    TempFolder folder;
    ASSERT_TRUE(writeTestPng(folder.file("crate.png"), 8, 4));
    Sprite* sprite = createSprite(folder.file("crate.png"));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2(0, 0));
    EXPECT_EQ(sprite->getContentSize().width, 8.0f);
    const Texture2D::TexParams& params = sprite->getTexture()->getTexParameters();
    EXPECT_EQ(params.minFilter, static_cast<GLuint>(GL_NEAREST));
    EXPECT_EQ(params.magFilter, static_cast<GLuint>(GL_NEAREST));
    EXPECT_EQ(params.wrapS, static_cast<GLuint>(GL_CLAMP_TO_EDGE));
    EXPECT_EQ(params.wrapT, static_cast<GLuint>(GL_CLAMP_TO_EDGE));

    Sprite* part = createSpriteWithRect(folder.file("crate.png"), Rect(0, 0, 4, 4));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->getContentSize().width, 4.0f);
    EXPECT_EQ(part->getAnchorPoint(), Vec2(0, 0));
}

TEST(SpriteHelpers, FrameNamesAreNumberedFromOneWithTwoDigitsAtLeast)
{
    EXPECT_EQ(animationFrameName("MaleGo", 1), "MaleGo_01.png");
    EXPECT_EQ(animationFrameName("MaleGo", 9), "MaleGo_09.png");
    EXPECT_EQ(animationFrameName("MaleGo", 10), "MaleGo_10.png");
    EXPECT_EQ(animationFrameName("MaleGo", 12), "MaleGo_12.png");
    EXPECT_EQ(animationFrameName("MaleGo", 100), "MaleGo_100.png");
}

TEST(SpriteHelpers, AnimationFromFrameFilesPlaysOnceThenCallsBack)
{
    TempFolder folder;
    const std::string base = folder.file("Female");
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(writeTestPng(animationFrameName(base, i), 6, 6));

    int finished = 0;
    Sprite* sprite = createAnimatedSpriteFromFirstFrame(3, false, 0.3f, [&finished]() { ++finished; }, base);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2(0, 0));
    EXPECT_EQ(sprite->getNumberOfRunningActions(), 1u);
    playOnStage(sprite, 0.5f);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(sprite->getNumberOfRunningActions(), 0u);
    sprite->removeFromParent();
}

TEST(SpriteHelpers, AMissingFrameFileIsSkipped)
{
    TempFolder folder;
    const std::string base = folder.file("Male");
    ASSERT_TRUE(writeTestPng(animationFrameName(base, 1), 6, 6));
    ASSERT_TRUE(writeTestPng(animationFrameName(base, 3), 6, 6));

    testing::internal::CaptureStderr();
    Sprite* sprite = createAnimatedSpriteFromFirstFrame(3, true, 0.3f, nullptr, base);
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_NE(sprite, nullptr);
    EXPECT_NE(errors.find("Male_02.png"), std::string::npos) << errors;
    playOnStage(sprite, 1.0f);
    EXPECT_EQ(sprite->getNumberOfRunningActions(), 1u) << "a forever animation keeps running";
    sprite->removeFromParent();
}

TEST(SpriteHelpers, AnimationFromTheFrameCacheRunsForeverOnTheSheetImage)
{
    TempFolder folder;
    const std::string base = folder.file("Sheet");
    ASSERT_TRUE(writeTestPng(base + ".png", 16, 8));
    Sprite* sheet = createSprite(base + ".png");
    ASSERT_NE(sheet, nullptr);
    for (int i = 1; i <= 12; ++i)
        SpriteFrameCache::getInstance()->addSpriteFrame(
            SpriteFrame::createWithTexture(sheet->getTexture(), Rect(0, 0, 8, 8)), animationFrameName(base, i));

    Sprite* sprite = createAnimatedSprite(12, true, 1.2f, nullptr, base);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getContentSize().width, 8.0f) << "it shows the first frame";
    EXPECT_EQ(sprite->getNumberOfRunningActions(), 1u);
}
