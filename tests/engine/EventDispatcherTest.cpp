#include "EngineFixture.h"
#include <string>
#include <vector>

USING_NS_CC;

using EventDispatcherTest = EngineFixture;

namespace {

EventListenerKeyboard* keyLogger(std::vector<std::string>* log, const std::string& name)
{
    auto* l = EventListenerKeyboard::create();
    l->onKeyPressed = [log, name](EventKeyboard::KeyCode, Event*) { log->push_back(name); };
    return l;
}

}

TEST_F(EventDispatcherTest, FixedPrioritiesSurroundSceneGraphListenersFrontMostFirst)
{
    std::vector<std::string> log;
    EventDispatcher* d = director->getEventDispatcher();
    Node* back = addNode();
    Node* front = addNode();
    d->addEventListenerWithFixedPriority(keyLogger(&log, "+10001"), 10001);
    d->addEventListenerWithFixedPriority(keyLogger(&log, "+10000"), 10000);
    d->addEventListenerWithSceneGraphPriority(keyLogger(&log, "back"), back);
    d->addEventListenerWithSceneGraphPriority(keyLogger(&log, "front"), front);
    d->addEventListenerWithFixedPriority(keyLogger(&log, "-5"), -5);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log, (std::vector<std::string>{"-5", "front", "back", "+10000", "+10001"}));
}

TEST_F(EventDispatcherTest, ListenersAddedOrRemovedDuringDispatchWaitForTheNextEvent)
{
    std::vector<std::string> log;
    EventDispatcher* d = director->getEventDispatcher();
    EventListenerKeyboard* second = keyLogger(&log, "second");
    auto* first = EventListenerKeyboard::create();
    first->onKeyPressed = [&](EventKeyboard::KeyCode, Event*) {
        log.push_back("first");
        d->removeEventListener(second);
        d->addEventListenerWithFixedPriority(keyLogger(&log, "added"), 3);
    };
    d->addEventListenerWithFixedPriority(first, 1);
    d->addEventListenerWithFixedPriority(second, 2);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    log.clear();
    d->removeEventListener(first);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log, (std::vector<std::string>{"added"}));
}

TEST_F(EventDispatcherTest, ListenerCanRemoveItselfAndStopPropagation)
{
    std::vector<std::string> log;
    EventDispatcher* d = director->getEventDispatcher();
    auto* self = EventListenerKeyboard::create();
    self->onKeyPressed = [&, self](EventKeyboard::KeyCode, Event* e) {
        log.push_back("self");
        d->removeEventListener(self);
        e->stopPropagation();
    };
    d->addEventListenerWithFixedPriority(self, 1);
    d->addEventListenerWithFixedPriority(keyLogger(&log, "later"), 2);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log, (std::vector<std::string>{"self", "later"}));
}

TEST_F(EventDispatcherTest, NodeListenersHearOnlyWhileTheirNodeRunsAndGoWithIt)
{
    std::vector<std::string> log;
    EventDispatcher* d = director->getEventDispatcher();
    auto* node = Node::create();
    node->retain();
    d->addEventListenerWithSceneGraphPriority(keyLogger(&log, "node"), node);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_TRUE(log.empty());
    scene->addChild(node);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log.size(), 1u);
    const std::size_t before = d->getListenerCount();
    node->removeFromParent();
    node->release(); // freed: its listener goes too
    frames(1);
    EXPECT_EQ(d->getListenerCount(), before - 1);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_A);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(EventDispatcherTest, KeyPressAndReleaseReachTheirCallbacks)
{
    std::vector<int> pressed, released;
    auto* l = EventListenerKeyboard::create();
    l->onKeyPressed = [&](EventKeyboard::KeyCode k, Event*) { pressed.push_back(static_cast<int>(k)); };
    l->onKeyReleased = [&](EventKeyboard::KeyCode k, Event*) { released.push_back(static_cast<int>(k)); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(l, 10000);
    view->injectKeyPress(EventKeyboard::KeyCode::KEY_ESCAPE);
    view->injectKeyRelease(EventKeyboard::KeyCode::KEY_ESCAPE);
    EXPECT_EQ(pressed, std::vector<int>{6});
    EXPECT_EQ(released, std::vector<int>{6});
}

TEST_F(EventDispatcherTest, MouseEventsCarryBottomUpWindowPixelsAndTheButton)
{
    std::vector<std::string> log;
    float x = -1.0f, y = -1.0f, scrollY = 0.0f;
    int button = -1;
    auto* l = EventListenerMouse::create();
    l->onMouseMove = [&](Event* e) {
        auto* m = static_cast<EventMouse*>(e);
        log.push_back("move");
        x = m->getCursorX();
        y = m->getCursorY();
    };
    l->onMouseDown = [&](Event* e) {
        log.push_back("down");
        button = static_cast<EventMouse*>(e)->getMouseButton();
    };
    l->onMouseUp = [&](Event*) { log.push_back("up"); };
    l->onMouseScroll = [&](Event* e) { scrollY = static_cast<EventMouse*>(e)->getScrollY(); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(l, 10001);

    view->injectMouseMove(100.0f, 80.0f); // 80 px below the window's top
    view->injectMouseDown(1);
    view->injectMouseUp(1);
    view->injectScroll(0.0f, 2.0f);
    EXPECT_EQ(log, (std::vector<std::string>{"move", "down", "up"}));
    EXPECT_EQ(x, 100.0f);
    EXPECT_EQ(y, 1080.0f - 80.0f);
    EXPECT_EQ(button, 1);
    EXPECT_EQ(scrollY, -2.0f);
    // The game divides by the view's scale to get design units.
    EXPECT_EQ(y / view->getScaleY(), 500.0f);
}
