#include "LevelFlowFixture.h"

#include "app/MessagePopups.h"
#include "app/StatEngine.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/UIText.h"
#include "ui/menus/TutorialEngine.h"
#include "ui/windows/ShopEngine.h"
#include "ui/windows/UIInteractWindow.h"

#include <string>

USING_NS_CC;

namespace {

class MessagePopupsTest : public LevelFlowFixture
{
protected:
    std::string shownText() const { return driver->popupText ? driver->popupText->text : std::string("<none>"); }

    // Frames until the shown text changes (or the limit); the seconds it took.
    float secondsUntilChange(float limit)
    {
        const std::string before = shownText();
        const float dt = 1.0f / 100.0f;
        float t = 0.0f;
        while (t < limit && shownText() == before)
        {
            director->stepFrame(dt);
            t += dt;
        }
        return t;
    }
};

// Exactly n bytes of text.
std::string textOf(size_t n)
{
    return std::string(n, 'x');
}

}

TEST_F(MessagePopupsTest, AMessageStaysSevenHundredthsOfASecondPerByte)
{
    driver->queueMessage(textOf(20), true);
    EXPECT_TRUE(driver->popupShowing);
    EXPECT_EQ(shownText(), textOf(20));
    EXPECT_NEAR(secondsUntilChange(5.0f), 1.4f, 0.05f);
    EXPECT_EQ(shownText(), "<none>");
    EXPECT_FALSE(driver->popupShowing);

    // The colour marks count as bytes too.
    const std::string marked = "`@" + textOf(98);
    driver->queueMessage(marked, false);
    EXPECT_NEAR(secondsUntilChange(10.0f), 7.0f, 0.05f);
}

TEST_F(MessagePopupsTest, MessagesOfOneFrameShowOneAfterTheOther)
{
    driver->queueMessage("first message", true);
    driver->queueMessage("second", false);
    EXPECT_EQ(shownText(), "first message");
    ASSERT_EQ(driver->messages.size(), 1u);
    EXPECT_NEAR(secondsUntilChange(5.0f), 13 * 0.07f, 0.05f);
    EXPECT_EQ(shownText(), "second");
    EXPECT_NEAR(secondsUntilChange(5.0f), 6 * 0.07f, 0.05f);
    EXPECT_FALSE(driver->popupShowing);
}

TEST_F(MessagePopupsTest, CentredAndCornerPlaces)
{
    driver->showPopup("centred", true);
    EXPECT_EQ(driver->popupText->getAnchorPoint(), Vec2(0.5f, 1.0f));
    EXPECT_EQ(driver->popupText->getPosition(), Vec2(320.0f, 240.0f));
    EXPECT_EQ(driver->popupText->getParent(), layer);
    EXPECT_EQ(driver->popupText->getLocalZOrder(), 1202);
    driver->showPopup("corner", false);
    EXPECT_EQ(driver->popupText->getAnchorPoint(), Vec2(0.0f, 1.0f));
    EXPECT_EQ(driver->popupText->getPosition(), Vec2(32.0f, 37.0f));
}

TEST_F(MessagePopupsTest, APopupIsReadOverAnOpenShopWindow)
{
    driver->state = GameState::Playing;
    driver->player = &player;
    ShopEngine* shop = ShopEngine::getInstance();
    auto drawnOver = [](const Node* above, const Node* below) {
        return above->getLocalZOrder() > below->getLocalZOrder() ||
               (above->getLocalZOrder() == below->getLocalZOrder() &&
                above->getOrderOfArrival() > below->getOrderOfArrival());
    };

    // Raised while the dealer's window is open...
    shop->openContractDealer();
    ASSERT_NE(driver->interactWindow, nullptr);
    driver->queueMessage("`@Contract failed.\nTarget left the area.", true);
    ASSERT_NE(driver->popupText, nullptr);
    EXPECT_TRUE(drawnOver(driver->popupText, driver->interactWindow)) << "the dealer's window hides the pop-up";
    shop->closeDone();
    driver->clearMessages();

    // ...or on screen already when the vending machine's window opens.
    driver->queueMessage("`7Body picked up.", true);
    shop->openVendingMachine(true, false, 0);
    ASSERT_NE(driver->interactWindow, nullptr);
    EXPECT_TRUE(drawnOver(driver->popupText, driver->interactWindow)) << "the shop's window hides the pop-up";
    shop->closeDone();
}

TEST_F(MessagePopupsTest, TheEmptyTextGivesWayAtOnce)
{
    driver->queueMessage("", true);
    driver->queueMessage("next", true);
    EXPECT_LT(secondsUntilChange(1.0f), 0.05f);
    EXPECT_EQ(shownText(), "next");
}

TEST_F(MessagePopupsTest, ClearingDropsTheQueueAndTheNextMessageShowsAtOnce)
{
    driver->queueMessage("one", true);
    driver->queueMessage("two", true);
    driver->clearMessages();
    EXPECT_EQ(driver->popupText, nullptr);
    EXPECT_TRUE(driver->messages.empty());
    EXPECT_FALSE(driver->popupShowing);
    driver->queueMessage("three", true);
    EXPECT_EQ(shownText(), "three");
}

TEST_F(MessagePopupsTest, ACaptionNeverStallsTheQueue)
{
    driver->queueMessage("a message on screen", true);
    driver->queueMessage("waiting", true);
    driver->showCaption(true, true, "`bRestarting...");
    EXPECT_EQ(driver->popupText->getLocalZOrder(), 2100);
    EXPECT_EQ(driver->popupText->getPosition(), Vec2(320.0f, 180.0f));
    // The caption has the time of its own length (15 bytes), then the queue goes on.
    run(1.2f);
    EXPECT_EQ(shownText(), "waiting");
    run(1.0f);
    EXPECT_FALSE(driver->popupShowing);
    EXPECT_TRUE(driver->messages.empty());
}

TEST_F(MessagePopupsTest, ACaptionOnItsOwnStaysUntilReplaced)
{
    driver->showCaption(false, false, "caption");
    EXPECT_EQ(driver->popupText->getPosition(), Vec2(320.0f, 96.0f));
    EXPECT_EQ(driver->popupText->getLocalZOrder(), 1202);
    run(5.0f);
    EXPECT_EQ(shownText(), "caption");
    EXPECT_FALSE(driver->popupShowing);
    driver->queueMessage("replaces it", true);
    EXPECT_EQ(shownText(), "replaces it");
}

TEST_F(MessagePopupsTest, ATutorialPicturePausesUntilClosed)
{
    driver->state = GameState::Playing;
    driver->showTutorialPopup("Tutorial_01.png");
    ASSERT_EQ(driver->state, GameState::Paused);
    Node* picture = driver->tutorialNodes[0];
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(driver->tutorialNodes[1], nullptr);
    EXPECT_EQ(driver->tutorialNodes[1]->getParent(), picture);
    EXPECT_EQ(picture->getLocalZOrder(), 2500);
    EXPECT_NEAR(picture->getContentSize().height * picture->getScaleY(), 240.0f, 0.01f);
    run(0.3f);
    EXPECT_EQ(picture->getOpacity(), 255);

    driver->closePopups();
    EXPECT_EQ(driver->state, GameState::Playing);
    for (Node* node : driver->tutorialNodes)
        EXPECT_EQ(node, nullptr);
}

TEST_F(MessagePopupsTest, ATutorialPointerNeverOutlivesItsNode)
{
    driver->state = GameState::Playing;
    driver->showTutorialPopup("Tutorial_01.png");
    ASSERT_NE(driver->tutorialNodes[0], nullptr);
    // Something else clears the layer: the driver's pointers stay usable.
    layer->removeAllChildren();
    director->stepFrame(0.016f);
    EXPECT_EQ(driver->tutorialNodes[0]->getParent(), nullptr);
    driver->closePopups();
    EXPECT_EQ(driver->tutorialNodes[0], nullptr);
}

TEST_F(MessagePopupsTest, AMissingTutorialPictureDoesNotPause)
{
    driver->state = GameState::Playing;
    driver->showTutorialPopup("No_Such_Tutorial.png");
    EXPECT_EQ(driver->state, GameState::Playing);
    EXPECT_EQ(driver->tutorialNodes[0], nullptr);
}

TEST_F(MessagePopupsTest, BackToMenuClearsTheFadedOutScreen)
{
    auto* overlay = LayerColor::create(Color4B(255, 255, 255, 255));
    layer->addChild(overlay, 2000);
    driver->flashOverlay = overlay;
    auto* logo = Sprite::create();
    layer->addChild(logo, 2100);
    driver->logoSprite = logo;
    overlay->runAction(FadeTo::create(5.0f, 128));

    driver->backToMenu();
    EXPECT_EQ(driver->logoSprite, nullptr);
    EXPECT_EQ(logo->getParent(), nullptr);
    EXPECT_EQ(overlay->getOpacity(), 0);
    EXPECT_EQ(overlay->getNumberOfRunningActions(), 0u);
}

TEST_F(MessagePopupsTest, ThePadDismissesAHintOnlyWithTutorialsOn)
{
    TutorialEngine* tutorials = TutorialEngine::getInstance();
    const bool before = tutorials->enabled;
    auto* marker = UIObjectDescriptor::create("target", 1);
    layer->addChild(marker);
    driver->targetMarker = marker;

    marker->hold = true;
    tutorials->currentEntry = 3;
    tutorials->enabled = false;
    EXPECT_FALSE(dismissTutorial());
    EXPECT_TRUE(marker->hold);
    EXPECT_EQ(tutorials->currentEntry, 3);
    tutorials->enabled = true;
    EXPECT_TRUE(dismissTutorial());
    EXPECT_FALSE(marker->hold);
    EXPECT_EQ(tutorials->currentEntry, -1) << "the tutorial list forgets the dismissed hint";

    driver->targetMarker = nullptr;
    tutorials->enabled = before;
}
