#include <gtest/gtest.h>

#include "UIFixture.h"
#include "ui/UIBox.h"
#include "ui/UIElement.h"
#include "ui/UIInterface.h"
#include "ui/UIProgressBar.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace
{
class CountingPanel : public UIInterface
{
public:
    static CountingPanel* create()
    {
        auto* p = new CountingPanel();
        p->autorelease();
        return p;
    }
    int slidIn = 0;
    int slidOut = 0;
    void onSlidIn() override { ++slidIn; }
    void onSlidOut() override { ++slidOut; }
};

void expectNear(const Vec2& got, const Vec2& want)
{
    EXPECT_NEAR(got.x, want.x, 0.01f);
    EXPECT_NEAR(got.y, want.y, 0.01f);
}
} // namespace

class WidgetTest : public UIFixture
{
protected:
    template <typename T>
    T* add(T* node)
    {
        scene->addChild(node);
        return node;
    }

    UIElement* makeWindow()
    {
        UIElement* window = add(UIElement::create("test_window.png"));
        window->setFrameSize(Size(264, 256));
        window->setFrameCorners(Vec2(4, 4), Vec2(4, 4), Vec2(4, 12), Vec2(4, 12));
        window->buildFrame();
        return window;
    }
};

TEST_F(WidgetTest, MoveOutFollowsTheSlideDirectionThenHides)
{
    UIInterface* panel = add(UIInterface::create());
    panel->hiddenPosition = Vec2(-50, 0);
    panel->offScreenPositions[0] = Vec2(-100, 0);
    panel->offScreenPositions[1] = Vec2(100, 0);
    panel->offScreenPositions[2] = Vec2(0, 100);
    panel->offScreenPositions[3] = Vec2(0, -100);

    panel->slideDirection = 7;
    panel->moveOut(0.4f);
    advance(0.2f);
    EXPECT_TRUE(panel->isVisible());
    advance(0.25f);
    expectNear(panel->getPosition(), Vec2(0, -100));
    EXPECT_FALSE(panel->isVisible());

    panel->slideDirection = UIInterface::kNoDirection;
    panel->moveIn(0.4f);
    EXPECT_TRUE(panel->isVisible());
    advance(0.45f);
    expectNear(panel->getPosition(), Vec2::ZERO);
    panel->moveOut(0.4f);
    advance(0.45f);
    expectNear(panel->getPosition(), Vec2(-50, 0));
}

TEST_F(WidgetTest, SlideOutStaysVisibleAtScaleZeroAndSlideInStartsOver)
{
    auto* panel = add(CountingPanel::create());
    panel->hiddenPosition = Vec2(0, 300);
    panel->shownPosition = Vec2(0, 200);
    panel->setPosition(panel->shownPosition);
    panel->slideOut(0.4f);
    advance(0.45f);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FLOAT_EQ(panel->getScale(), 0.0f);
    expectNear(panel->getPosition(), Vec2(0, 300));
    EXPECT_EQ(panel->slidOut, 1);

    panel->setPosition(50, 50);
    panel->slideIn(0.4f);
    expectNear(panel->getPosition(), Vec2(0, 300));
    EXPECT_FLOAT_EQ(panel->getScale(), 0.0f);
    advance(0.45f);
    expectNear(panel->getPosition(), Vec2(0, 200));
    EXPECT_FLOAT_EQ(panel->getScale(), 1.0f);
    EXPECT_EQ(panel->slidIn, 1);
}

TEST_F(WidgetTest, FramedElementHasNinePiecesInRows)
{
    UIElement* window = makeWindow();
    EXPECT_EQ(window->frameMode, UIElement::kNinePieceFrame);
    EXPECT_EQ(window->innerSize, Vec2(256, 240));
    ASSERT_EQ(window->framePieces.size(), 9u);
    EXPECT_EQ(window->topRowPieces.size(), 3u);
    EXPECT_EQ(window->middleRowPieces.size(), 3u);
    EXPECT_EQ(window->bottomRowPieces.size(), 3u);
    // The pieces are drawn whole: the street must not show through a window's text.
    for (Sprite* piece : window->framePieces) {
        EXPECT_EQ(piece->getOpacity(), 255);
        EXPECT_EQ(piece->getParent(), window);
    }
    Sprite* centre = window->middleRowPieces[1];
    EXPECT_EQ(centre->getPosition(), Vec2(4, 252));
    EXPECT_EQ(centre->getAnchorPoint(), Vec2(0, 1));
    EXPECT_EQ(centre->getTextureRect(), Rect(4, 4, 256, 240));
    Sprite* bottomRight = window->bottomRowPieces[2];
    EXPECT_EQ(bottomRight->getPosition(), Vec2(260, 0));
    EXPECT_EQ(bottomRight->getTextureRect(), Rect(296, 288, 4, 12));

    // Rebuilding replaces the pieces.
    window->buildFrame();
    EXPECT_EQ(window->framePieces.size(), 9u);
    EXPECT_EQ(window->getChildrenCount(), 9u);
}

TEST_F(WidgetTest, UnframedElementIsTheWholeTexture)
{
    UIElement* element = add(UIElement::create("white.png"));
    element->buildFrame();
    ASSERT_EQ(element->framePieces.size(), 1u);
    EXPECT_EQ(element->getContentSize(), Size(8, 8));
    EXPECT_EQ(element->framePieces[0]->getAnchorPoint(), Vec2::ZERO);
    element->hide();
    EXPECT_FALSE(element->framePieces[0]->isVisible());
    EXPECT_TRUE(element->isVisible());
    element->show();
    EXPECT_TRUE(element->framePieces[0]->isVisible());
}

TEST_F(WidgetTest, OpeningUnrollsDownwardsThenCallsBack)
{
    UIElement* window = makeWindow();
    CallCounter* done = new CallCounter();
    window->openAnimated(0.3f, done, callfunc_selector(CallCounter::hit));
    for (Sprite* piece : window->middleRowPieces)
        EXPECT_FLOAT_EQ(piece->getScaleY(), 0.0f);
    for (Sprite* piece : window->bottomRowPieces)
        EXPECT_FLOAT_EQ(piece->getPositionY(), 240.0f);
    advance(0.15f);
    const float midway = window->bottomRowPieces[0]->getPositionY();
    EXPECT_GT(midway, 0.0f);
    EXPECT_LT(midway, 240.0f);
    advance(0.2f);
    for (Sprite* piece : window->middleRowPieces)
        EXPECT_FLOAT_EQ(piece->getScaleY(), 1.0f);
    for (Sprite* piece : window->bottomRowPieces)
        EXPECT_FLOAT_EQ(piece->getPositionY(), 0.0f);
    EXPECT_EQ(done->count, 1);
    done->release();
}

TEST_F(WidgetTest, ClosingRollsUpAndCallsBackOnce)
{
    UIElement* window = makeWindow();
    CallCounter* done = new CallCounter();
    window->closeAnimated(0.3f, done, callfunc_selector(CallCounter::hit));
    advance(0.35f);
    for (Sprite* piece : window->middleRowPieces)
        EXPECT_FLOAT_EQ(piece->getScaleY(), 0.0f);
    for (Sprite* piece : window->bottomRowPieces)
        EXPECT_FLOAT_EQ(piece->getPositionY(), 240.0f);
    EXPECT_EQ(done->count, 1);

    // Without a target the end step still runs and does nothing.
    window->closeAnimated(0.3f, nullptr, nullptr);
    EXPECT_EQ(window->getNumberOfRunningActions(), 1u);
    advance(0.35f);
    EXPECT_EQ(window->getNumberOfRunningActions(), 0u);
    EXPECT_EQ(done->count, 1);
    done->release();
}

TEST_F(WidgetTest, RemovedWindowNeverCallsBack)
{
    UIElement* window = makeWindow();
    CallCounter* done = new CallCounter();
    window->closeAnimated(0.3f, done, callfunc_selector(CallCounter::hit));
    window->removeFromParentAndCleanup(true);
    advance(0.5f);
    EXPECT_EQ(done->count, 0);
    done->release();
}

TEST_F(WidgetTest, BoxBarsFollowItsSize)
{
    UIBox* box = add(UIBox::create(Color3B(255, 0, 0), Vec2(100, 50)));
    EXPECT_EQ(box->getContentSize(), Size(100, 50));
    EXPECT_EQ(box->leftBar->getPosition(), Vec2(0, 25));
    EXPECT_EQ(box->topBar->getPosition(), Vec2(50, 50));
    EXPECT_EQ(box->rightBar->getPosition(), Vec2(100, 25));
    EXPECT_EQ(box->bottomBar->getPosition(), Vec2(50, 0));
    EXPECT_FLOAT_EQ(box->topBar->getBoundingBox().size.width, 100.0f);
    EXPECT_FLOAT_EQ(box->topBar->getBoundingBox().size.height, 1.0f);
    EXPECT_FLOAT_EQ(box->leftBar->getBoundingBox().size.height, 50.0f);
    EXPECT_EQ(box->leftBar->getColor(), Color3B(255, 0, 0));

    box->setBoxOpacity(300.0f);
    EXPECT_EQ(box->rightBar->getOpacity(), 255);
    box->setBoxOpacity(-5.0f);
    EXPECT_EQ(box->rightBar->getOpacity(), 0);
    box->setBoxOpacity(99.7f);
    EXPECT_EQ(box->rightBar->getOpacity(), 99);
}

TEST_F(WidgetTest, UnplacedBoxWaitsForResize)
{
    UIBox* box = add(UIBox::create(Color3B(0, 255, 0), Vec2(-1, 0)));
    EXPECT_EQ(box->getContentSize(), Size::ZERO);
    box->size = Vec2(20, 10);
    box->thickness = 2.0f;
    box->resize();
    EXPECT_FLOAT_EQ(box->leftBar->getBoundingBox().size.width, 2.0f);
    EXPECT_EQ(box->getContentSize(), Size(20, 10));
}

TEST_F(WidgetTest, BoxFlashesBetweenTwoColours)
{
    UIBox* box = add(UIBox::create(Color3B(0, 0, 0), Vec2(10, 10)));
    box->flash(Color3B(255, 0, 0), Color3B(0, 0, 255), 0.2f, 0.3f);
    advance(0.1f);
    EXPECT_EQ(box->topBar->getColor(), Color3B(255, 0, 0));
    advance(0.2f);
    EXPECT_EQ(box->topBar->getColor(), Color3B(0, 0, 255));
    advance(0.3f);
    EXPECT_EQ(box->topBar->getColor(), Color3B(255, 0, 0));
}

TEST_F(WidgetTest, ProgressBarFillsItsShare)
{
    UIProgressBar* bar = add(UIProgressBar::create(Color3B::WHITE, Color3B::RED, Vec2(100, 6), "Scan"));
    EXPECT_EQ(bar->getContentSize(), Size(100, 6));
    EXPECT_FALSE(bar->fill->isVisible());
    EXPECT_EQ(bar->border->getPosition(), Vec2(-1, -1));
    EXPECT_FLOAT_EQ(bar->border->getBoundingBox().size.width, 102.0f);
    EXPECT_FLOAT_EQ(bar->border->getBoundingBox().size.height, 8.0f);
    ASSERT_NE(bar->labelText, nullptr);
    EXPECT_EQ(bar->labelText->getPosition(), Vec2(50, 14));
    EXPECT_EQ(bar->labelText->glyphs.size(), 4u);

    bar->setValue(50);
    EXPECT_TRUE(bar->fill->isVisible());
    EXPECT_FLOAT_EQ(bar->fill->getBoundingBox().size.width, 50.0f);
    EXPECT_FLOAT_EQ(bar->fill->getBoundingBox().size.height, 6.0f);
    bar->setValue(0);
    EXPECT_FALSE(bar->fill->isVisible());

    UIProgressBar* plain = add(UIProgressBar::create(Color3B::WHITE, Color3B::RED, Vec2(10, 2), ""));
    EXPECT_EQ(plain->labelText, nullptr);
    EXPECT_EQ(plain->getChildrenCount(), 2u);
}
