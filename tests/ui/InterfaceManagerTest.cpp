#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UIFixture.h"
#include "ui/GameMode.h"
#include "ui/InterfaceElement.h"
#include "ui/InterfaceManager.h"
#include "ui/UIInterface.h"

USING_NS_CC;

namespace
{
// A panel that records the animated shows and hides it is asked for.
class RecordingPanel : public UIInterface
{
public:
    static RecordingPanel* create()
    {
        auto* p = new RecordingPanel();
        p->autorelease();
        return p;
    }
    std::vector<std::string> calls;
    void showAnimated(float duration, float opacity) override
    {
        calls.push_back("showAnimated " + std::to_string(duration) + " " + std::to_string(opacity));
        UIInterface::showAnimated(duration, opacity);
    }
    void hideAnimated(float duration, float opacity) override
    {
        calls.push_back("hideAnimated " + std::to_string(duration) + " " + std::to_string(opacity));
        UIInterface::hideAnimated(duration, opacity);
    }
};

// Records enter and leave calls of modes, in order.
class ModeListener : public Ref
{
public:
    std::vector<std::string>* log = nullptr;
    void entered() { log->push_back("enter"); }
    void left() { log->push_back("leave"); }
};

void expectNear(const Vec2& got, const Vec2& want)
{
    EXPECT_NEAR(got.x, want.x, 0.01f);
    EXPECT_NEAR(got.y, want.y, 0.01f);
}

const Size kScreen(640, 360);
} // namespace

class InterfaceManagerTest : public UIFixture
{
protected:
    void SetUp() override
    {
        UIFixture::SetUp();
        manager = InterfaceManager::getInstance();
        manager->hostNode = scene;
        manager->screenSize = &screen;
        manager->currentMode = InterfaceManager::kNoMode;
        manager->nextMode = InterfaceManager::kNoMode;
        const char* names[] = {"Intro", "Not Spawned", "Playing", "Paused", "Dead", "Menu", "Edit"};
        for (int id = 1; id <= 7; ++id)
            manager->registerMode(id, names[id - 1]);
        // Earlier tests' panels leave the manager here.
        for (int id = 0; id < InterfaceManager::kSlotCount; ++id)
            manager->registerElement(id, placeholder(), InterfaceManager::kTopLeft);
    }

    void TearDown() override
    {
        manager->hostNode = nullptr;
        manager->screenSize = nullptr;
        UIFixture::TearDown();
    }

    // An off-stage panel seen in no mode.
    UIInterface* placeholder()
    {
        UIInterface* panel = UIInterface::create();
        return panel;
    }

    template <typename T = UIInterface>
    T* panel(float width, float height, const Vec2& anchor)
    {
        T* p = T::create();
        p->setContentSize(Size(width, height));
        p->setAnchorPoint(anchor);
        scene->addChild(p);
        return p;
    }

    // Files a panel the way the game driver files its HUD panels.
    InterfaceElement* file(int id, UIInterface* p, int anchorCode, int kind, std::initializer_list<int> modes)
    {
        manager->registerElement(id, p, anchorCode);
        InterfaceElement* e = manager->element(id);
        e->transitionKind = kind;
        for (int m : modes)
            e->visibleInMode[m] = true;
        manager->layoutElement(p, anchorCode);
        return e;
    }

    Size screen = kScreen;
    InterfaceManager* manager = nullptr;
};

TEST_F(InterfaceManagerTest, LayoutPlacesTheCornerByAnchorCode)
{
    struct Expect
    {
        int code;
        Vec2 shown;
        int direction;
        Vec2 hidden;
    };
    const Expect expected[] = {
        {0, {0, 320}, 1, {-200, 320}},   {1, {220, 320}, 3, {220, 360}}, {2, {440, 320}, 2, {640, 320}},
        {3, {440, 160}, 2, {640, 160}},  {4, {440, 0}, 2, {640, 0}},     {5, {220, 0}, 4, {220, -40}},
        {6, {0, 0}, 1, {-200, 0}},       {7, {0, 160}, 1, {-200, 160}},  {8, {220, 160}, 3, {220, 200}},
    };
    for (const Expect& e : expected) {
        UIInterface* p = panel(200, 40, Vec2::ZERO);
        manager->layoutElement(p, e.code);
        EXPECT_EQ(p->shownPosition, e.shown) << "code " << e.code;
        EXPECT_EQ(p->slideDirection, e.direction) << "code " << e.code;
        EXPECT_EQ(p->hiddenPosition, e.hidden) << "code " << e.code;
    }
}

TEST_F(InterfaceManagerTest, LayoutCountsThePanelsAnchorPoint)
{
    UIInterface* p = panel(100, 50, Vec2(0.5f, 0.5f));
    manager->layoutElement(p, InterfaceManager::kBottomLeft);
    EXPECT_EQ(p->shownPosition, Vec2(50, 25));
    EXPECT_EQ(p->offScreenPositions[0], Vec2(-50, 25));
    EXPECT_EQ(p->offScreenPositions[1], Vec2(150, 25));
    EXPECT_EQ(p->offScreenPositions[2], Vec2(50, 75));
    EXPECT_EQ(p->offScreenPositions[3], Vec2(50, -25));

    UIInterface* hud = panel(120, 30, Vec2(1, 1));
    manager->layoutElement(hud, InterfaceManager::kTopRight);
    EXPECT_EQ(hud->shownPosition, Vec2(640, 360));
}

TEST_F(InterfaceManagerTest, LayoutKeepsAChosenDirectionAndUnknownCodes)
{
    UIInterface* p = panel(200, 40, Vec2::ZERO);
    p->slideDirection = UIInterface::kDown;
    manager->layoutElement(p, InterfaceManager::kTopLeft);
    EXPECT_EQ(p->slideDirection, UIInterface::kDown);
    EXPECT_EQ(p->hiddenPosition, Vec2(0, 280));

    p->slideDirection = 9;
    manager->layoutElement(p, 42);
    EXPECT_EQ(p->shownPosition, Vec2(0, 320));
    EXPECT_EQ(p->slideDirection, 9);
    EXPECT_EQ(p->hiddenPosition, Vec2(0, 280));
}

TEST_F(InterfaceManagerTest, HudPanelsFollowTheGameState)
{
    UIInterface* mainHud = panel(200, 40, Vec2(0, 1));
    UIInterface* copHud = panel(120, 30, Vec2(1, 1));
    mainHud->setVisible(false);
    copHud->setVisible(false);
    file(1, mainHud, InterfaceManager::kTopLeft, InterfaceElement::kMove, {3, 4});
    file(2, copHud, InterfaceManager::kTopRight, InterfaceElement::kMove, {3, 4});

    manager->setMode(1);
    EXPECT_EQ(manager->currentMode, 1);
    EXPECT_EQ(mainHud->getPosition(), Vec2(-200, 360));
    EXPECT_EQ(copHud->getPosition(), Vec2(760, 360));
    EXPECT_EQ(mainHud->getNumberOfRunningActions(), 0u);

    manager->setMode(3);
    EXPECT_TRUE(mainHud->isVisible());
    EXPECT_TRUE(copHud->isVisible());
    advance(0.2f);
    EXPECT_GT(mainHud->getPositionX(), -200.0f);
    EXPECT_LT(mainHud->getPositionX(), 0.0f);
    EXPECT_GT(copHud->getPositionX(), 640.0f);
    EXPECT_LT(copHud->getPositionX(), 760.0f);
    advance(0.25f);
    expectNear(mainHud->getPosition(), Vec2(0, 360));
    expectNear(copHud->getPosition(), Vec2(640, 360));
    EXPECT_TRUE(manager->element(1)->shown);

    manager->setMode(4);
    EXPECT_EQ(mainHud->getNumberOfRunningActions(), 0u);
    EXPECT_EQ(copHud->getNumberOfRunningActions(), 0u);

    manager->setMode(6);
    advance(0.2f);
    EXPECT_TRUE(mainHud->isVisible());
    advance(0.25f);
    expectNear(mainHud->getPosition(), Vec2(-200, 360));
    expectNear(copHud->getPosition(), Vec2(760, 360));
    EXPECT_FALSE(mainHud->isVisible());
    EXPECT_FALSE(copHud->isVisible());
    EXPECT_FALSE(manager->element(2)->shown);
}

TEST_F(InterfaceManagerTest, FirstSwitchIntoAVisibleModeComesInFromHidden)
{
    UIInterface* editor = panel(100, 100, Vec2::ZERO);
    editor->setPosition(300, 300);
    file(0, editor, InterfaceManager::kTopLeft, InterfaceElement::kMove, {7});
    manager->setMode(7);
    advance(0.01f);
    EXPECT_LT(editor->getPositionX(), -50.0f);
    advance(0.45f);
    expectNear(editor->getPosition(), Vec2(0, 260));
}

TEST_F(InterfaceManagerTest, FadingAndInstantTransitions)
{
    auto* fading = panel<RecordingPanel>(50, 50, Vec2::ZERO);
    auto* instant = panel<RecordingPanel>(50, 50, Vec2::ZERO);
    file(3, fading, InterfaceManager::kCentre, InterfaceElement::kFade, {3});
    file(4, instant, InterfaceManager::kBottomRight, InterfaceElement::kInstant, {3});
    manager->setMode(2);
    manager->setMode(3);
    EXPECT_EQ(fading->calls, std::vector<std::string>({"showAnimated 0.400000 1.000000"}));
    EXPECT_EQ(fading->getPosition(), Vec2(295, 155));
    EXPECT_TRUE(instant->calls.empty());
    EXPECT_TRUE(instant->isVisible());
    EXPECT_EQ(instant->getPosition(), Vec2(590, 0));

    manager->setMode(5);
    EXPECT_EQ(fading->calls.back(), "hideAnimated 0.400000 0.000000");
    EXPECT_FALSE(fading->isVisible());
    EXPECT_FALSE(instant->isVisible());
    EXPECT_EQ(instant->getPosition(), Vec2(640, 0));
}

TEST_F(InterfaceManagerTest, LeavingEveryModeHidesWhatWasShown)
{
    UIInterface* p = panel(50, 50, Vec2::ZERO);
    file(5, p, InterfaceManager::kTopLeft, InterfaceElement::kMove, {3});
    manager->setMode(3);
    advance(0.5f);
    manager->setMode(InterfaceManager::kNoMode);
    advance(0.5f);
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(manager->currentMode, InterfaceManager::kNoMode);
}

TEST_F(InterfaceManagerTest, EnterAndLeaveCallsRunOnTheHostBeforeThePanelsMove)
{
    std::vector<std::string> log;
    ModeListener* listener = new ModeListener();
    listener->log = &log;
    manager->setMode(2);
    manager->mode(2)->leaveTarget = listener;
    manager->mode(2)->leaveSelector = callfunc_selector(ModeListener::left);
    manager->mode(3)->enterTarget = listener;
    manager->mode(3)->enterSelector = callfunc_selector(ModeListener::entered);

    manager->setMode(3);
    EXPECT_EQ(manager->currentMode, 2); // waits for the host's calls
    advance(0.02f);
    EXPECT_EQ(log, std::vector<std::string>({"leave", "enter"}));
    EXPECT_EQ(manager->currentMode, 3);

    // Without a host node the calls are made at once.
    manager->mode(3)->leaveTarget = listener;
    manager->mode(3)->leaveSelector = callfunc_selector(ModeListener::left);
    manager->hostNode = nullptr;
    manager->setMode(2);
    EXPECT_EQ(log, std::vector<std::string>({"leave", "enter", "leave"}));
    EXPECT_EQ(manager->currentMode, 2);
    manager->mode(3)->leaveTarget = nullptr;

    manager->mode(2)->leaveTarget = nullptr;
    manager->mode(3)->enterTarget = nullptr;
    listener->release();
}

TEST_F(InterfaceManagerTest, RegistrationReplacesAndIgnoresNullPanels)
{
    UIInterface* first = panel(10, 10, Vec2::ZERO);
    manager->registerElement(6, first, 0);
    const unsigned held = first->getReferenceCount();
    InterfaceElement* e = manager->element(6);
    EXPECT_EQ(e->panel, first);
    EXPECT_EQ(e->transitionKind, InterfaceElement::kFade);
    EXPECT_TRUE(e->enabled);
    EXPECT_FALSE(e->shown);
    for (bool visible : e->visibleInMode)
        EXPECT_FALSE(visible);

    manager->registerElement(6, nullptr, 0);
    EXPECT_EQ(manager->element(6), e);

    UIInterface* second = panel(10, 10, Vec2::ZERO);
    manager->registerElement(6, second, 2);
    EXPECT_EQ(manager->element(6)->panel, second);
    EXPECT_EQ(first->getReferenceCount(), held - 1);

    manager->registerElement(20, second, 0); // outside the table: ignored
    manager->registerMode(-1, "nowhere");
    EXPECT_EQ(manager->element(20), nullptr);
    EXPECT_EQ(manager->mode(3)->name, "Playing");
}
