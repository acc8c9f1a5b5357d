#include "EngineFixture.h"
#include <string>
#include <vector>

USING_NS_CC;

using SchedulerTest = EngineFixture;

namespace {

class Logger : public Node
{
public:
    Logger(std::vector<std::string>* log, std::string name) : _log(log), _name(std::move(name)) {}
    void update(float) override { _log->push_back(_name); }
    void tick(float dt)
    {
        _log->push_back(_name + "-tick");
        lastDt = dt;
    }
    float lastDt = 0.0f;

private:
    std::vector<std::string>* _log;
    std::string _name;
};

Logger* logger(std::vector<std::string>* log, const std::string& name)
{
    auto* l = new Logger(log, name);
    l->autorelease();
    return l;
}

}

TEST_F(SchedulerTest, UpdatesRunByPriorityThenInTheOrderScheduled)
{
    std::vector<std::string> log;
    Logger* a = logger(&log, "a");
    Logger* b = logger(&log, "b");
    Logger* c = logger(&log, "c");
    Logger* d = logger(&log, "d");
    for (Node* n : {static_cast<Node*>(a), static_cast<Node*>(b), static_cast<Node*>(c), static_cast<Node*>(d)})
        scene->addChild(n);
    a->scheduleUpdateWithPriority(5);
    b->scheduleUpdate();
    c->scheduleUpdateWithPriority(-2);
    d->scheduleUpdate();
    frames(1);
    EXPECT_EQ(log, (std::vector<std::string>{"c", "b", "d", "a"}));
}

TEST_F(SchedulerTest, UnschedulingDuringATickTakesEffectAtOnce)
{
    std::vector<std::string> log;
    Logger* a = logger(&log, "a");
    Logger* b = logger(&log, "b");
    scene->addChild(a);
    scene->addChild(b);
    a->scheduleUpdate();
    b->scheduleUpdate();
    // a's timer (after the updates) unschedules b's update and b's timer.
    b->schedule([&log](float) { log.push_back("b-timer"); }, "bt");
    a->schedule(
        [&](float) {
            log.push_back("a-timer");
            b->unscheduleUpdate();
            b->unschedule("bt");
        },
        "at");
    b->schedule([&log](float) { log.push_back("b-timer2"); }, "bt2");
    frames(1);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "b-timer", "a-timer", "b-timer2"}));
    log.clear();
    frames(1);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a-timer", "b-timer2"}));
}

TEST_F(SchedulerTest, ACallbackCanUnscheduleItselfAndScheduleOthersForNextFrame)
{
    int selfCalls = 0;
    int laterCalls = 0;
    Node* node = addNode();
    node->schedule(
        [&](float) {
            ++selfCalls;
            node->unschedule("self");
            node->schedule([&](float) { ++laterCalls; }, "later");
        },
        "self");
    frames(1);
    EXPECT_EQ(selfCalls, 1);
    EXPECT_EQ(laterCalls, 0);
    frames(2);
    EXPECT_EQ(selfCalls, 1);
    EXPECT_EQ(laterCalls, 2);
}

TEST_F(SchedulerTest, TimersHonourIntervalRepeatAndDelay)
{
    std::vector<std::string> log;
    Logger* n = logger(&log, "n");
    scene->addChild(n);
    // Once after 0.5 s, then twice more every 0.25 s.
    n->schedule(schedule_selector(Logger::tick), 0.25f, 2, 0.5f);
    frames(4, 0.1f); // 0.4 s
    EXPECT_TRUE(log.empty());
    frames(1, 0.1f); // 0.5 s
    EXPECT_EQ(log.size(), 1u);
    frames(2, 0.1f); // 0.7 s
    EXPECT_EQ(log.size(), 1u);
    frames(1, 0.1f); // 0.8 s
    EXPECT_EQ(log.size(), 2u);
    EXPECT_NEAR(n->lastDt, 0.3f, 1e-4f);
    frames(20, 0.1f);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_FALSE(n->isScheduled(schedule_selector(Logger::tick)));
}

TEST_F(SchedulerTest, ScheduleOnceRunsOnceAfterTheDelay)
{
    int calls = 0;
    Node* node = addNode();
    node->scheduleOnce([&](float) { ++calls; }, 1.0f, "once");
    frames(9, 0.1f);
    EXPECT_EQ(calls, 0);
    frames(2, 0.1f);
    EXPECT_EQ(calls, 1);
    frames(20, 0.1f);
    EXPECT_EQ(calls, 1);
}

TEST_F(SchedulerTest, SchedulesOfANodeOutsideTheSceneArePausedAndCleanupDropsThem)
{
    std::vector<std::string> log;
    Logger* n = logger(&log, "n");
    n->retain();
    n->scheduleUpdate();
    frames(2);
    EXPECT_TRUE(log.empty());
    scene->addChild(n);
    frames(1);
    EXPECT_EQ(log.size(), 1u);
    n->removeFromParentAndCleanup(true);
    scene->addChild(n);
    frames(2);
    EXPECT_EQ(log.size(), 1u);
    n->release();
}

TEST_F(SchedulerTest, AFreedNodeIsNeverCalledAgain)
{
    int calls = 0;
    {
        auto* node = Node::create();
        scene->addChild(node);
        node->schedule([&](float) { ++calls; }, "t");
        frames(1);
        // Removed without clean-up: the pool frees it at the end of the frame.
        node->removeFromParentAndCleanup(false);
    }
    frames(3);
    EXPECT_EQ(calls, 1);
}

TEST_F(SchedulerTest, ANodeRemovedByItsOwnTimerLivesUntilTheCallbackReturns)
{
    struct Victim : public Node
    {
        bool* alive;
        explicit Victim(bool* a) : alive(a) { *alive = true; }
        ~Victim() override { *alive = false; }
    };
    bool alive = false;
    bool aliveAfterRemoval = false;
    auto* node = new Victim(&alive);
    scene->addChild(node);
    node->release(); // the scene holds the only reference
    node->schedule(
        [&, node](float) {
            node->removeFromParent();
            aliveAfterRemoval = alive;
        },
        "suicide");
    frames(1);
    EXPECT_TRUE(aliveAfterRemoval);
    EXPECT_FALSE(alive);
}
