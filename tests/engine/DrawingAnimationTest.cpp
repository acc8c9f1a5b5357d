// Frame order and timing of Animate on a sprite, loops, restoring the
// original frame, and frames missing from the cache.
#include <gtest/gtest.h>

#include "DrawingTestFiles.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

class Animations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.searchFirst();
        folder.writeSolidPng("strip.png", 40, 10, {255, 255, 255, 255});
        texture = TextureCache::getInstance()->addImage("strip.png");
        ASSERT_NE(texture, nullptr);
        for (int i = 0; i < 4; ++i)
            frames[i] = SpriteFrame::createWithTexture(texture, Rect(float(i * 10), 0, 10, 10));
        sprite = Sprite::createWithTexture(texture, Rect(0, 0, 40, 10));
        sprite->retain();
    }
    void TearDown() override
    {
        sprite->release();
        TextureCache::getInstance()->removeAllTextures();
        AutoreleasePool::getInstance()->clear();
    }

    // Which of the four frames the sprite shows, -1 for none of them.
    int shown() const
    {
        for (int i = 0; i < 4; ++i)
            if (sprite->isFrameDisplayed(frames[i]))
                return i;
        return -1;
    }

    Animation* fourFrames(float delay, unsigned int loops)
    {
        Animation* animation = Animation::create();
        for (SpriteFrame* frame : frames)
            animation->addSpriteFrame(frame);
        animation->setDelayPerUnit(delay);
        animation->setLoops(loops);
        return animation;
    }

    DrawingTestFolder folder;
    Texture2D* texture = nullptr;
    SpriteFrame* frames[4] = {};
    Sprite* sprite = nullptr;
};

}

TEST_F(Animations, FramesFollowTheirDelays)
{
    Animation* animation = fourFrames(0.1f, 1);
    EXPECT_FLOAT_EQ(animation->getDuration(), 0.4f);
    Animate* animate = Animate::create(animation);
    ASSERT_NE(animate, nullptr);
    EXPECT_FLOAT_EQ(animate->getDuration(), 0.4f);

    animate->startWithTarget(sprite);
    animate->step(0.05f);
    EXPECT_EQ(shown(), 0);
    animate->step(0.1f);  // 0.15
    EXPECT_EQ(shown(), 1);
    animate->step(0.1f);  // 0.25
    EXPECT_EQ(shown(), 2);
    animate->step(0.1f);  // 0.35
    EXPECT_EQ(shown(), 3);
    EXPECT_FALSE(animate->isDone());
    animate->step(0.1f);
    EXPECT_TRUE(animate->isDone());
    EXPECT_EQ(shown(), 3) << "the run ends on its last frame";
}

TEST_F(Animations, ALongStepShowsTheLatestFrameAndLoopsStartOver)
{
    Animate* animate = Animate::create(fourFrames(0.1f, 2));
    EXPECT_FLOAT_EQ(animate->getDuration(), 0.8f);
    animate->startWithTarget(sprite);
    animate->step(0.32f);
    EXPECT_EQ(shown(), 3);
    animate->step(0.1f);  // 0.42: second loop, first frame
    EXPECT_EQ(shown(), 0);
    animate->step(0.1f);  // 0.52
    EXPECT_EQ(shown(), 1);
}

TEST_F(Animations, RestoresTheOriginalFrameWhenAsked)
{
    Animation* animation = fourFrames(0.1f, 1);
    animation->setRestoreOriginalFrame(true);
    sprite->setSpriteFrame(frames[2]);
    Animate* animate = Animate::create(animation);
    animate->startWithTarget(sprite);
    animate->step(0.05f);
    EXPECT_EQ(shown(), 0);
    animate->stop();
    EXPECT_EQ(shown(), 2);
}

TEST_F(Animations, RunsOnTheSpriteThroughTheActionManager)
{
    Node* parent = Node::create();
    parent->addChild(sprite);
    parent->onEnter();
    sprite->runAction(RepeatForever::create(Animate::create(fourFrames(0.25f, 1))));
    ActionManager* actions = Director::getInstance()->getActionManager();
    ASSERT_NE(actions, nullptr);
    // Steps of 1/8 s against frames of 1/4 s: every frame shows twice, and
    // the run starts again after one second.
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i) {
        actions->update(0.125f);
        seen.push_back(shown());
    }
    seen.erase(seen.begin() + 7);  // the wrap moment itself may show either end
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 0, 1}));
    parent->onExit();
    parent->removeAllChildren();
}

TEST_F(Animations, NullFramesAreSkippedAndAnEmptyAnimationIsHarmless)
{
    Animation* animation = Animation::create();
    animation->addSpriteFrame(frames[1]);
    animation->addSpriteFrame(SpriteFrameCache::getInstance()->findSpriteFrame("never_loaded.png"));
    animation->addSpriteFrame(frames[3]);
    animation->setDelayPerUnit(0.5f);
    EXPECT_EQ(animation->getFrames().size(), 2u);
    EXPECT_FLOAT_EQ(animation->getDuration(), 1.0f);

    Animate* empty = Animate::create(Animation::create());
    ASSERT_NE(empty, nullptr);
    empty->startWithTarget(sprite);
    empty->step(1.0f);
    EXPECT_TRUE(empty->isDone());
    EXPECT_EQ(Animate::create(nullptr), nullptr);

    // On a node that is no sprite it does nothing.
    Node* plain = Node::create();
    Animate* animate = Animate::create(animation);
    animate->startWithTarget(plain);
    animate->step(0.7f);
}

TEST_F(Animations, AnimationCacheKeepsAnimationsByName)
{
    AnimationCache::getInstance()->addAnimation(fourFrames(0.1f, 1), "walk");
    AutoreleasePool::getInstance()->clear();
    Animation* walk = AnimationCache::getInstance()->getAnimation("walk");
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->getFrames().size(), 4u);
    EXPECT_EQ(AnimationCache::getInstance()->getAnimation("run"), nullptr);
    AnimationCache::getInstance()->removeAnimation("walk");
    EXPECT_EQ(AnimationCache::getInstance()->getAnimation("walk"), nullptr);
}
