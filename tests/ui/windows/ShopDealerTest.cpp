// The contract dealer: accepting a contract from his pages by keys, the
// travel papers sold once, every page's place on the screen, and the window
// taken down when the player dies or leaves the zone.
#include "app/ControllerInterface.h"
#include "app/ControllerKeys.h"
#include "support/OwnProcess.h"
#include "ui/hud/UIObjectDescriptor.h"
#include "ui/windows/ShopFixture.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace {

const char* const kGreetingStart = "The figure stares at you from under their hat.\n\n`%";

class ShopDealerTest : public ShopFixture
{
protected:
    void press(int key) { UIInteractElement::dispatchKey(key); }

    // Where every page hangs from: centred on the 640 x 360 screen.
    Vec2 centredTopLeft() const
    {
        return Vec2(game->visibleSize.width * 0.5f - 132, game->visibleSize.height * 0.5f + 128);
    }
};

}  // namespace

TEST_F(ShopDealerTest, TheWindowIsDrawnOverTheTargetMarker)
{
    // The driver's own start makes the marker; a marked person's label and
    // line must not cross the contract texts.
    expectPassesInOwnProcess([&]() -> std::string {
        game->init();
        game->state = GameState::Playing;
        game->player = player;
        shop->openContractDealer();
        auto drawnOver = [&](const Node* above, const Node* below) {
            return above->getLocalZOrder() > below->getLocalZOrder() ||
                   (above->getLocalZOrder() == below->getLocalZOrder() &&
                    above->getOrderOfArrival() > below->getOrderOfArrival());
        };
        if (!window() || !drawnOver(window(), game->targetMarker))
            return "the target marker is drawn over the dealer's window";
        return "";
    });
}

TEST_F(ShopDealerTest, AcceptsAContractFromTheBoardByKeys)
{
    missions->update(0.0f);
    ASSERT_EQ(missions->board().size(), 3u);
    Contract* chosen = missions->board()[1];
    const CitizenRecord* record = chosen->target;

    shop->openContractDealer();
    EXPECT_EQ(game->windowMode, ShopEngine::kDealerWindow);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerMain);
    EXPECT_EQ(window()->title.rfind(kGreetingStart, 0), 0u) << window()->title;
    EXPECT_TRUE(window()->pictureName.empty());
    EXPECT_EQ(labels(), (std::vector<std::string>{"Contracts", "Buy Travel Papers"}));

    press(Key::Enter); // Contracts
    ASSERT_EQ(shop->dealerPage, ShopEngine::DealerContracts);
    EXPECT_EQ(window()->title, "Select a contract for details:");
    ASSERT_EQ(window()->items.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(window()->items[i].label, missions->board()[i]->getSummaryText(false));

    press(Key::Down);
    press(Key::E);
    ASSERT_EQ(shop->dealerPage, ShopEngine::DealerDetails);
    EXPECT_EQ(shop->selectedContract, 1);
    EXPECT_EQ(window()->title, "Contract: " + chosen->getDetailText());
    EXPECT_EQ(labels(), std::vector<std::string>{"accept mission"});

    press(Key::Escape); // back to the board, then to the same job again
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerContracts);
    press(Key::S);
    press(Key::Enter);
    ASSERT_EQ(shop->dealerPage, ShopEngine::DealerDetails);

    press(Key::Enter); // accept mission: the window rolls up, the job is taken
    EXPECT_FALSE(shop->acceptingInput);
    EXPECT_EQ(missions->acceptedContract(), chosen);
    EXPECT_EQ(missions->board().size(), 2u);
    ASSERT_EQ(actors.targets.size(), 1u);
    EXPECT_EQ(actors.targets[0].record.get(), record);
    EXPECT_EQ(missions->target(), actors.targets[0].mob.get());
    EXPECT_EQ(runCount(1011), 1);
    ASSERT_FALSE(game->messages.empty());
    EXPECT_EQ(game->messages.back().text, "Contract Accepted.");

    // Keys while it closes take no second contract.
    press(Key::Enter);
    shop->dealerAction(0);
    EXPECT_EQ(actors.targets.size(), 1u);
    advance(0.35f);
    EXPECT_EQ(game->interactWindow, nullptr);
    EXPECT_EQ(game->windowMode, 0);
}

TEST_F(ShopDealerTest, DigitsAndEscapeServeAWindowWithoutFocus)
{
    missions->update(0.0f);
    shop->openContractDealer();
    UIInteractElement::focusedElement = nullptr;
    // The input hub hands a living player's keys to the open shop.
    ControllerInterface controller(false);
    controller.handleKeyReleased(Key::code(EventKeyboard::KeyCode::KEY_5)); // no fifth entry
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerMain);
    controller.handleKeyReleased(Key::Digit1);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerContracts);
    controller.handleKeyReleased(Key::Digit3);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerDetails);
    EXPECT_EQ(shop->selectedContract, 2);
    shop->onKey(Key::Escape);
    shop->onKey(Key::Escape);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerMain);
    shop->onKey(Key::Escape);
    EXPECT_FALSE(shop->acceptingInput); // closing
}

TEST_F(ShopDealerTest, SellsTravelPapersOnceARun)
{
    player->credits = 3000;
    shop->openContractDealer();
    ASSERT_EQ(window()->items.size(), 2u);
    EXPECT_TRUE(window()->items[1].available);
    EXPECT_EQ(window()->items[1].price, 2500);

    shop->dealerAction(1);
    ASSERT_EQ(shop->dealerPage, ShopEngine::DealerPapers);
    EXPECT_EQ(window()->title, "Got the cash finally, eh? Well, with these papers I can get you out of here.");
    ASSERT_EQ(window()->items.size(), 1u);
    EXPECT_EQ(window()->items[0].label, "confirm");
    EXPECT_EQ(window()->items[0].count, 1);
    EXPECT_EQ(window()->items[0].price, 2500);

    shop->dealerAction(0);
    EXPECT_TRUE(game->papersBought);
    EXPECT_EQ(player->credits, 500);
    EXPECT_EQ(runCount(1007), 2500);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerMain);
    EXPECT_EQ(window()->title, std::string(kGreetingStart) + "Done. Just follow your tracker to the escape point!`7");
    EXPECT_NE(shop->moneyText->text.find("`$500`7c"), std::string::npos);
    EXPECT_FALSE(window()->items[1].available);
    EXPECT_EQ(window()->items[1].price, -1);

    // Bought once: neither the greyed entry nor the papers page sells again.
    player->credits = 9000;
    shop->dealerAction(1);
    EXPECT_EQ(shop->dealerPage, ShopEngine::DealerMain);
    shop->travelPapers();
    shop->dealerAction(0);
    EXPECT_EQ(player->credits, 9000);
    EXPECT_EQ(runCount(1007), 2500);

    // Outside the normal mode the dealer sells no papers.
    shop->closeDone();
    game->mode = 1;
    game->papersBought = false;
    shop->openContractDealer();
    EXPECT_EQ(labels(), std::vector<std::string>{"Contracts"});
}

TEST_F(ShopDealerTest, EveryPageStandsCentredOnTheScreen)
{
    missions->update(0.0f);
    player->credits = 5000;
    Achievements::getInstance()->unlock(2007, false, true);
    const auto expectCentred = [&](const char* page) {
        EXPECT_EQ(window()->getAnchorPoint(), Vec2(0, 1)) << page;
        EXPECT_EQ(topLeft(), centredTopLeft()) << page;
    };
    shop->openVendingMachine(true, false, -1);
    expectCentred("vending main");
    shop->buyItem(1);
    expectCentred("tools");
    shop->buyItem(2);
    expectCentred("tools after a sale");
    shop->closeDone();

    shop->openContractDealer();
    expectCentred("dealer main");
    shop->dealerAction(0);
    expectCentred("contract list");
    shop->dealerAction(0);
    expectCentred("contract details");
    shop->back();
    shop->dealerMenu("");
    shop->dealerAction(1);
    expectCentred("travel papers");
    shop->dealerAction(0);
    expectCentred("papers bought");
}

TEST_F(ShopDealerTest, DeathAndLeavingTheZoneTakeTheWindowDown)
{
    // Held as the driver holds its cursor: play going on may put up another look.
    game->cursorSprite = Sprite::create();
    game->cursorSprite->retain();
    layer->addChild(game->cursorSprite);
    for (int ending = 0; ending < 2; ++ending)
    {
        shop->openContractDealer();
        UIInteractWindow* open = window();
        open->retain();
        if (ending == 0)
        {
            game->playerDied(5);
        }
        else
        {
            // Leaving the zone lets the player go with the world's deletions.
            game->runSummaryShown = true;
            game->completeZone();
            player = nullptr;
        }
        EXPECT_EQ(game->interactWindow, nullptr) << ending;
        EXPECT_EQ(game->windowMode, 0) << ending;
        EXPECT_EQ(open->getParent(), nullptr) << ending;
        advance(0.02f); // the frame lets go of the stopped opening and the new window
        EXPECT_EQ(open->getReferenceCount(), 1u) << ending; // destroyed once we let go
        open->release();
        EXPECT_EQ(UIInteractElement::focusedElement, nullptr) << ending;
        EXPECT_EQ(shop->moneyText, nullptr) << ending;
        EXPECT_TRUE(shop->acceptingInput) << ending;
        // Leaving the zone goes on to the newspaper pages, which hide the cursor themselves.
        if (ending == 0)
        {
            EXPECT_TRUE(game->cursorSprite->isVisible());
        }
        game->state = GameState::Playing;
    }
    game->runSummaryShown = false;
    game->zoneCompleted = false;
    game->runOver = false;
    game->cursorSprite->removeFromParent();
    game->cursorSprite->release();
    game->cursorSprite = nullptr;
    game->cursorFile.clear();
}
