#include "EngineFixture.h"
#include <vector>

USING_NS_CC;

using ActionTimingTest = EngineFixture;

TEST_F(ActionTimingTest, MoveToLandsExactlyOnItsEndAfterItsDuration)
{
    Node* node = addNode();
    node->setPosition(Vec2(0.1f, 0.3f));
    node->runAction(MoveTo::create(1.0f, Vec2(123.456f, -78.9f)));
    frames(30, 1.0f / 60.0f);
    EXPECT_NEAR(node->getPositionX(), 0.1f + (123.456f - 0.1f) * 0.5f, 1e-3f);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1u);
    frames(31, 1.0f / 60.0f); // a little past the end
    EXPECT_EQ(node->getPosition(), Vec2(123.456f, -78.9f));
    EXPECT_EQ(node->getNumberOfRunningActions(), 0u);
}

TEST_F(ActionTimingTest, EveryIntervalActionEndsOnItsExactValue)
{
    Node* node = addNode();
    node->setScale(0.3f);
    node->setRotation(350.0f);
    node->setOpacity(7);
    node->setColor(Color3B(1, 2, 3));
    node->runAction(Spawn::create(ScaleTo::create(0.7f, 2.5f, 0.25f), RotateTo::create(0.7f, 10.0f),
                                  FadeTo::create(0.7f, 201), TintTo::create(0.7f, 250, 128, 9), nullptr));
    frames(50, 0.0171f);
    EXPECT_EQ(node->getScaleX(), 2.5f);
    EXPECT_EQ(node->getScaleY(), 0.25f);
    EXPECT_EQ(node->getRotation(), 10.0f);
    EXPECT_EQ(node->getOpacity(), 201);
    EXPECT_EQ(node->getColor(), Color3B(250, 128, 9));
}

TEST_F(ActionTimingTest, RotateToTakesTheShortWayRound)
{
    Node* node = addNode();
    node->setRotation(350.0f);
    node->runAction(RotateTo::create(1.0f, 10.0f));
    frames(1, 0.5f);
    EXPECT_NEAR(std::fmod(node->getRotation(), 360.0f), 0.0f, 1e-3f);
}

TEST_F(ActionTimingTest, ByActionsAndEasesEndExactly)
{
    Node* node = addNode();
    node->setPosition(Vec2(1.0f, 2.0f));
    node->setScale(2.0f);
    node->runAction(EaseInOut::create(MoveBy::create(0.9f, Vec2(10.0f, -4.0f)), 3.0f));
    node->runAction(EaseSineIn::create(ScaleBy::create(0.9f, 1.5f)));
    node->runAction(EaseSineOut::create(RotateBy::create(0.9f, 45.0f)));
    frames(1, 0.45f);
    // Ease in-out is half way at half time.
    EXPECT_NEAR(node->getPositionX(), 6.0f, 1e-4f);
    frames(1, 0.46f);
    EXPECT_EQ(node->getPosition(), Vec2(11.0f, -2.0f));
    EXPECT_EQ(node->getScale(), 3.0f);
    EXPECT_EQ(node->getRotation(), 45.0f);
}

TEST_F(ActionTimingTest, EaseCurvesHaveTheirShapes)
{
    Node* a = addNode();
    Node* b = addNode();
    Node* c = addNode();
    a->runAction(EaseIn::create(MoveTo::create(1.0f, Vec2(100.0f, 0.0f)), 2.0f));
    b->runAction(EaseOut::create(MoveTo::create(1.0f, Vec2(100.0f, 0.0f)), 2.0f));
    c->runAction(EaseSineInOut::create(MoveTo::create(1.0f, Vec2(100.0f, 0.0f))));
    frames(1, 0.25f);
    EXPECT_NEAR(a->getPositionX(), 6.25f, 1e-3f);
    EXPECT_NEAR(b->getPositionX(), 50.0f, 1e-3f);
    EXPECT_NEAR(c->getPositionX(), 100.0f * 0.5f * (1.0f - std::cos(0.25f * 3.14159265f)), 1e-3f);
}

TEST_F(ActionTimingTest, LeftOverTimeGoesToTheNextStepOfASequence)
{
    Node* node = addNode();
    node->runAction(Sequence::create(MoveBy::create(0.5f, Vec2(10.0f, 0.0f)),
                                     MoveBy::create(1.0f, Vec2(0.0f, 20.0f)), nullptr));
    frames(1, 0.7f); // 0.2 s into the second move
    EXPECT_EQ(node->getPositionX(), 10.0f);
    EXPECT_NEAR(node->getPositionY(), 4.0f, 1e-4f);
}

TEST_F(ActionTimingTest, ZeroLengthStepsRunAtTheirMomentAndInOrder)
{
    Node* node = addNode();
    std::vector<std::string> log;
    node->runAction(Sequence::create(CallFunc::create([&] { log.push_back("a"); }), Hide::create(),
                                     DelayTime::create(0.0f),
                                     CallFunc::create([&] { log.push_back("b"); }),
                                     DelayTime::create(0.5f), Show::create(),
                                     CallFunc::create([&] { log.push_back("c"); }), nullptr));
    frames(1, 0.1f);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(node->isVisible());
    frames(1, 0.4f); // exactly at the end of the delay
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(node->isVisible());
    EXPECT_EQ(node->getNumberOfRunningActions(), 0u);
}

TEST_F(ActionTimingTest, SequenceOfOneActionAndOfOnlyInstantsWork)
{
    Node* node = addNode();
    int calls = 0;
    node->runAction(Sequence::create(MoveTo::create(0.2f, Vec2(5.0f, 5.0f)), nullptr));
    node->runAction(Sequence::create(CallFunc::create([&] { ++calls; }), CallFunc::create([&] { ++calls; }),
                                     nullptr));
    frames(1, 0.01f);
    EXPECT_EQ(calls, 2);
    frames(1, 0.2f);
    EXPECT_EQ(node->getPosition(), Vec2(5.0f, 5.0f));
    frames(3);
    EXPECT_EQ(calls, 2);
}

TEST_F(ActionTimingTest, RepeatAndRepeatForeverCountRoundsExactly)
{
    Node* node = addNode();
    int rounds = 0;
    int forever = 0;
    node->runAction(Repeat::create(Sequence::create(DelayTime::create(0.1f),
                                                    CallFunc::create([&] { ++rounds; }), nullptr),
                                   3));
    node->runAction(RepeatForever::create(Sequence::create(DelayTime::create(0.25f),
                                                           CallFunc::create([&] { ++forever; }), nullptr)));
    frames(1, 0.25f);
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(forever, 1);
    frames(1, 0.8f); // one step over several rounds: left-over time is kept
    EXPECT_EQ(rounds, 3);
    EXPECT_EQ(forever, 4);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1u);
}

TEST_F(ActionTimingTest, RepeatOfInstantActionRunsEveryTimeInOneStep)
{
    Node* node = addNode();
    int calls = 0;
    node->runAction(Repeat::create(CallFunc::create([&] { ++calls; }), 4));
    frames(1);
    EXPECT_EQ(calls, 4);
}

TEST_F(ActionTimingTest, SpeedBlinkAndFadesWork)
{
    Node* node = addNode();
    node->runAction(Speed::create(MoveTo::create(2.0f, Vec2(100.0f, 0.0f)), 4.0f));
    frames(1, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 50.0f, 1e-3f);
    frames(1, 0.25f);
    EXPECT_EQ(node->getPositionX(), 100.0f);

    Node* blinker = addNode();
    blinker->runAction(Blink::create(1.0f, 2));
    frames(1, 0.1f); // first half of the first blink: hidden
    EXPECT_FALSE(blinker->isVisible());
    frames(1, 0.2f); // second half: shown
    EXPECT_TRUE(blinker->isVisible());
    frames(1, 0.8f);
    EXPECT_TRUE(blinker->isVisible()); // back to how it started

    Node* fader = addNode();
    fader->runAction(Sequence::create(FadeOut::create(0.5f), FadeIn::create(0.5f), nullptr));
    frames(1, 0.5f);
    EXPECT_EQ(fader->getOpacity(), 0);
    frames(1, 0.25f);
    EXPECT_NEAR(fader->getOpacity(), 127, 1);
    frames(1, 0.25f);
    EXPECT_EQ(fader->getOpacity(), 255);
}

TEST_F(ActionTimingTest, TaggedActionsCanBeFoundAndStopped)
{
    Node* node = addNode();
    Action* move = MoveBy::create(1.0f, Vec2(10.0f, 0.0f));
    move->setTag(7);
    node->runAction(move);
    node->runAction(DelayTime::create(1.0f));
    EXPECT_EQ(node->getActionByTag(7), move);
    node->stopActionByTag(7);
    EXPECT_EQ(node->getActionByTag(7), nullptr);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1u);
    frames(2);
    EXPECT_EQ(node->getPositionX(), 0.0f);
}

TEST_F(ActionTimingTest, ActionsOfANodeOutsideTheSceneWaitUntilItEnters)
{
    auto* node = Node::create();
    node->runAction(MoveTo::create(0.1f, Vec2(3.0f, 4.0f)));
    frames(10);
    EXPECT_EQ(node->getPosition(), Vec2::ZERO);
    scene->addChild(node);
    frames(10);
    EXPECT_EQ(node->getPosition(), Vec2(3.0f, 4.0f));
}

TEST_F(ActionTimingTest, FollowKeepsTheFollowedNodeCentredWithinBounds)
{
    Node* layer = addNode();
    auto* hero = Node::create();
    layer->addChild(hero);
    hero->setPosition(Vec2(1000.0f, 300.0f));
    layer->runAction(Follow::create(hero));
    frames(1);
    EXPECT_EQ(layer->getPosition(), Vec2(480.0f - 1000.0f, 270.0f - 300.0f));
    layer->stopAllActions();
    layer->runAction(Follow::create(hero, Rect(0.0f, 0.0f, 1200.0f, 600.0f)));
    hero->setPosition(Vec2(1190.0f, 10.0f));
    frames(1);
    EXPECT_EQ(layer->getPosition(), Vec2(-(1200.0f - 960.0f), 0.0f));
}

TEST_F(ActionTimingTest, CallFuncNAndMemberCallbacksGetTheirTargets)
{
    struct Counter : public Ref
    {
        int calls = 0;
        Node* seen = nullptr;
        void tick() { ++calls; }
        void tickNode(Node* n) { seen = n; }
    };
    auto* counter = new Counter();
    Node* node = addNode();
    Node* seenByLambda = nullptr;
    node->runAction(Sequence::create(CallFunc::create(counter, callfunc_selector(Counter::tick)),
                                     CallFuncN::create(counter, callfuncN_selector(Counter::tickNode)),
                                     CallFuncN::create([&](Node* n) { seenByLambda = n; }), nullptr));
    frames(1);
    EXPECT_EQ(counter->calls, 1);
    EXPECT_EQ(counter->seen, node);
    EXPECT_EQ(seenByLambda, node);
    counter->release();
}
