#include "EngineFixture.h"

USING_NS_CC;

namespace {

// A little game: arrows move a player, SPACE fires shots that fly and remove
// themselves, the mouse places a marker, a blinking light runs forever.
class MiniGame : public Layer
{
public:
    CREATE_FUNC(MiniGame);

    bool init() override
    {
        if (!Layer::init())
            return false;
        player = Node::create();
        player->setPosition(Vec2(100.0f, 100.0f));
        addChild(player, 1);
        marker = Node::create();
        addChild(marker, 2);
        light = Node::create();
        light->runAction(RepeatForever::create(
            Sequence::create(FadeOut::create(0.25f), FadeIn::create(0.25f),
                             CallFunc::create([this] { ++lightCycles; }), nullptr)));
        addChild(light);

        auto* keys = EventListenerKeyboard::create();
        keys->onKeyPressed = [this](EventKeyboard::KeyCode k, Event*) {
            if (k == EventKeyboard::KeyCode::KEY_RIGHT_ARROW)
                held = true;
            if (k == EventKeyboard::KeyCode::KEY_SPACE)
                fire();
        };
        keys->onKeyReleased = [this](EventKeyboard::KeyCode k, Event*) {
            if (k == EventKeyboard::KeyCode::KEY_RIGHT_ARROW)
                held = false;
        };
        getEventDispatcher()->addEventListenerWithFixedPriority(keys, 10000);
        auto* mouse = EventListenerMouse::create();
        mouse->onMouseMove = [this](Event* e) {
            auto* m = static_cast<EventMouse*>(e);
            GLView* v = Director::getInstance()->getOpenGLView();
            marker->setPosition(Vec2(m->getCursorX() / v->getScaleX(), m->getCursorY() / v->getScaleY()));
        };
        getEventDispatcher()->addEventListenerWithFixedPriority(mouse, 10001);
        schedule([this](float) { ++seconds; }, 1.0f, "clock");
        scheduleUpdate();
        return true;
    }

    void update(float dt) override
    {
        ++updates;
        if (held)
            player->setPositionX(player->getPositionX() + 60.0f * dt);
    }

    void fire()
    {
        auto* shot = Node::create();
        shot->setPosition(player->getPosition());
        addChild(shot);
        ++shotsFired;
        shot->runAction(Sequence::create(MoveBy::create(0.5f, Vec2(0.0f, 200.0f)),
                                         CallFunc::create([this] { ++shotsLanded; }), RemoveSelf::create(),
                                         nullptr));
    }

    Node* player = nullptr;
    Node* marker = nullptr;
    Node* light = nullptr;
    bool held = false;
    int updates = 0;
    int seconds = 0;
    int lightCycles = 0;
    int shotsFired = 0;
    int shotsLanded = 0;
};

}

using HeadlessRunTest = EngineFixture;

TEST_F(HeadlessRunTest, SceneRunsSixHundredFramesWithActionsAndListeners)
{
    MiniGame* game = MiniGame::create();
    scene->addChild(game);
    const float dt = 1.0f / 60.0f;
    for (int frame = 0; frame < 600; ++frame)
    {
        if (frame == 60)
            view->injectKeyPress(EventKeyboard::KeyCode::KEY_RIGHT_ARROW);
        if (frame == 180)
            view->injectKeyRelease(EventKeyboard::KeyCode::KEY_RIGHT_ARROW);
        if (frame % 100 == 10)
            view->injectKeyPress(EventKeyboard::KeyCode::KEY_SPACE);
        if (frame == 300)
            view->injectMouseMove(400.0f, 200.0f);
        director->stepFrame(dt);
    }
    EXPECT_EQ(game->updates, 600);
    EXPECT_NEAR(game->seconds, 10, 1);
    // Held for 120 frames at 60 units a second.
    EXPECT_NEAR(game->player->getPositionX(), 220.0f, 0.01f);
    EXPECT_EQ(game->shotsFired, 6);
    EXPECT_EQ(game->shotsLanded, 6);
    // Only the three permanent children are left: every shot removed itself.
    EXPECT_EQ(game->getChildrenCount(), 3u);
    EXPECT_EQ(game->marker->getPosition(), Vec2(200.0f, 440.0f));
    EXPECT_NEAR(game->lightCycles, 20, 1);
    EXPECT_EQ(game->light->getNumberOfRunningActions(), 1u);
}
