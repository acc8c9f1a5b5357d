// The vending machine: what it offers, what it sells and refuses, and that
// its window takes no input once it starts to close.
#include "actors/Inventory.h"
#include "app/Achievements.h"
#include "app/ControllerKeys.h"
#include "support/OwnProcess.h"
#include "ui/windows/ShopFixture.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace {

constexpr int kToolsEntry = 1;
constexpr int kWeaponsEntry = 0;
const std::string kPadlock = "`%\x04`8 ";

std::string joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += "[" + text + "]";
    return all;
}

class ShopVendingTest : public ShopFixture
{
protected:
    void openTools()
    {
        shop->openVendingMachine(true, false, -1);
        shop->buyItem(kToolsEntry);
        ASSERT_EQ(shop->vendingPage, ShopEngine::VendingTools);
    }
};

}  // namespace

TEST_F(ShopVendingTest, OffersPagesByModeUnlocksAndCarriedWeapons)
{
    game->mode = 2; // Blaster Only sells nothing
    shop->openVendingMachine(true, false, -1);
    EXPECT_EQ(game->windowMode, ShopEngine::kVendingWindow);
    EXPECT_EQ(UIInteractElement::focusedElement, window());
    EXPECT_EQ(window()->getParent(), layer);
    EXPECT_EQ(window()->getLocalZOrder(), 1201);
    EXPECT_EQ(window()->pictureName, "AmmoCo.png");
    EXPECT_EQ(labels(), (std::vector<std::string>{"Weapons", "Tools"}));
    EXPECT_FALSE(window()->items[0].available);
    EXPECT_FALSE(window()->items[1].available);
    shop->buyItem(kToolsEntry);
    EXPECT_EQ(shop->vendingPage, ShopEngine::VendingMain);

    game->mode = 0;
    Achievements::getInstance()->unlock(2000, true, true);  // the EMP, won at every start
    Achievements::getInstance()->unlock(2007, false, true); // the holo-lure
    Achievements::getInstance()->unlock(2003, false, true); // the rifle
    player->ammunitionUsed.insert(2002);                    // a rifle is carried
    shop->openVendingMachine(true, false, -1);
    shop->buyItem(kToolsEntry);
    EXPECT_EQ(labels(), (std::vector<std::string>{kPadlock + "C-7 Remote Explosive",
                                                  "'SkyCleaner' Anti-Drone EMP", "'Little Friend' Holo-Lure",
                                                  kPadlock + "Flashbang"}));
    EXPECT_TRUE(window()->items[2].available);
    EXPECT_EQ(window()->items[2].id, 320);
    EXPECT_EQ(window()->items[2].price, 50);
    EXPECT_EQ(window()->items[2].count, 1);
    EXPECT_FALSE(window()->items[3].available);

    shop->back(); // to the main page
    EXPECT_EQ(shop->vendingPage, ShopEngine::VendingMain);
    shop->buyItem(kWeaponsEntry);
    ASSERT_EQ(window()->items.size(), 9u);
    EXPECT_EQ(window()->items[1].label, "RASC Rifle (Illegal)");
    EXPECT_TRUE(window()->items[1].available);
    EXPECT_EQ(window()->items[0].label, kPadlock + "X-8 Shotgun (Illegal)");
    // Ammunition only for the weapon carried.
    EXPECT_FALSE(window()->items[6].available); // pistol bullet
    EXPECT_FALSE(window()->items[7].available); // buckshot
    EXPECT_TRUE(window()->items[8].available);  // rifle bullet
    EXPECT_EQ(window()->items[8].label, "rifle bullet");
}

TEST_F(ShopVendingTest, AFreshStartSellsTheEmpAndLocksEveryOtherToolAndWeapon)
{
    // The game's own start on an empty saves folder, in a process of its own:
    // the start leaves the driver's panels and listeners behind it.
    expectPassesInOwnProcess([&]() -> std::string {
        game->init();
        game->state = GameState::Playing;
        game->player = player;
        shop->openVendingMachine(true, false, -1);
        shop->buyItem(kToolsEntry);
        const std::vector<std::string> tools = labels();
        const std::vector<std::string> expected{kPadlock + "C-7 Remote Explosive", "'SkyCleaner' Anti-Drone EMP",
                                                kPadlock + "'Little Friend' Holo-Lure", kPadlock + "Flashbang"};
        if (tools != expected)
            return "tools: " + joined(tools);
        if (!window()->items[1].available)
            return "the EMP is not for sale";
        shop->back();
        shop->buyItem(kWeaponsEntry);
        // The six weapons come first, the ammunition after them.
        const std::vector<ListItem>& weapons = window()->items;
        if (weapons.size() < 6)
            return "weapons: " + std::to_string(weapons.size()) + " entries";
        for (size_t i = 0; i < 6; ++i)
        {
            if (weapons[i].available || weapons[i].label.rfind(kPadlock, 0) != 0)
                return "a weapon for sale on a fresh start: " + weapons[i].label;
        }
        return "";
    });
}

TEST_F(ShopVendingTest, SellsOnceForTheMoneyAndRefusesWhatCannotBePaidOrCarried)
{
    Achievements::getInstance()->unlock(2007, false, true);
    Achievements::getInstance()->unlock(2003, false, true);
    player->credits = 120;
    openTools();
    constexpr int lure = 2;

    // A sale: the item, the money once, the statistics, the sound and notice.
    std::vector<std::string> sounds = soundsDuring([&] { shop->buyItem(lure); });
    EXPECT_EQ(player->carried.count(320), 1u);
    EXPECT_EQ(player->credits, 70);
    EXPECT_EQ(runCount(1007), 50);
    EXPECT_EQ(runCount(1014), 1);
    EXPECT_EQ(sounds, std::vector<std::string>{"cashregister.wav"});
    EXPECT_EQ(noticeText(), "`@-50");
    EXPECT_EQ(shop->currentNotice->getPosition(), Vec2(80, game->visibleSize.height - 40));
    EXPECT_TRUE(player->secondarySelected); // the first tool is taken in hand
    // Refreshed in place: same page, same row, money line anew.
    EXPECT_EQ(window()->selection, lure);
    EXPECT_NE(shop->moneyText->text.find("Money: `$70`7c"), std::string::npos);

    // Not enough credits: a buzzer, nothing changes hands.
    shop->buyItem(lure);
    EXPECT_EQ(player->credits, 20);
    EXPECT_EQ(player->carried.count(320), 2u);
    sounds = soundsDuring([&] { shop->buyItem(lure); });
    EXPECT_EQ(sounds, std::vector<std::string>{"buzzer_negative.wav"});
    EXPECT_EQ(noticeText(), "not enough credits");
    EXPECT_EQ(player->credits, 20);

    // Money enough but a full inventory: the carry limit is named.
    player->credits = 1000;
    player->carryLimit = 2;
    sounds = soundsDuring([&] { shop->buyItem(lure); });
    EXPECT_EQ(sounds, std::vector<std::string>{"buzzer_negative.wav"});
    EXPECT_EQ(noticeText(), "cannot carry any more");
    EXPECT_EQ(player->credits, 1000);

    // An inventory that turns the item down after all is not charged for it.
    player->carryLimit = 5;
    player->refuseItems = true;
    shop->buyItem(lure);
    EXPECT_EQ(player->credits, 1000);
    EXPECT_EQ(runCount(1014), 2);

    // A locked article is not sold at all.
    player->refuseItems = false;
    const int calls = player->addCalls;
    shop->buyItem(0);
    EXPECT_EQ(player->addCalls, calls);

    // A weapon is equipped when bought.
    shop->back();
    shop->buyItem(kWeaponsEntry);
    shop->buyItem(1);
    EXPECT_EQ(player->equipped, std::vector<int>{70});
    EXPECT_TRUE(shop->boughtSomething);
    EXPECT_EQ(player->credits, 525);
}

TEST_F(ShopVendingTest, TheRealPlayerCarriesWhatItBuysAndPaysOnce)
{
    // The game's own player, with its real inventory, as the customer.
    ObjectDef def;
    Player plain(&def, false);
    plain.credits = 500;
    game->player = &plain;
    Achievements::getInstance()->unlock(2007, false, true);
    openTools();
    const size_t carried = plain.inventory->items.size();
    const std::vector<std::string> sounds = soundsDuring([&] { shop->buyItem(2); });
    EXPECT_EQ(sounds, std::vector<std::string>{"cashregister.wav"});
    ASSERT_EQ(plain.inventory->items.size(), carried + 1);
    EXPECT_LT(plain.credits, 500);
    EXPECT_TRUE(plain.hasSecondarySelected()) << "a first tool is taken in hand";
    shop->closeDone();
    game->player = player;
}

TEST_F(ShopVendingTest, ClosingWindowTakesNoInputAndLeavesTheScene)
{
    Achievements::getInstance()->unlock(2007, false, true);
    openTools();
    // Held as the driver holds its cursor: play going on may put up another look.
    game->cursorSprite = Sprite::create();
    game->cursorSprite->retain();
    layer->addChild(game->cursorSprite);
    shop->openVendingMachine(false, true, 2);
    EXPECT_FALSE(game->cursorSprite->isVisible());
    UIInteractWindow* closing = window();
    closing->retain();

    // Digits act only on a window without the focus.
    shop->onKey(Key::code(EventKeyboard::KeyCode::KEY_3));
    EXPECT_TRUE(player->carried.empty());

    shop->back(); // to the main page
    UIInteractElement::dispatchKey(Key::Escape); // from the main page: closes
    EXPECT_FALSE(shop->acceptingInput);
    EXPECT_EQ(UIInteractElement::focusedElement, nullptr);

    // While it rolls up: no entry, key or button acts, and nothing is paid.
    closing->selection = 1;
    closing->select();
    shop->buyItem(1);
    shop->onKey(Key::code(EventKeyboard::KeyCode::KEY_2));
    shop->onKey(Key::Escape);
    EXPECT_EQ(shop->vendingPage, ShopEngine::VendingMain);
    EXPECT_EQ(player->credits, 1000);
    EXPECT_EQ(player->addCalls, 0);

    advance(0.35f);
    EXPECT_EQ(game->interactWindow, nullptr);
    EXPECT_EQ(game->windowMode, 0);
    EXPECT_EQ(closing->getParent(), nullptr);
    EXPECT_EQ(closing->getReferenceCount(), 1u); // ours alone: the window is gone
    closing->release();
    EXPECT_EQ(shop->moneyText, nullptr);
    EXPECT_TRUE(shop->acceptingInput);
    EXPECT_TRUE(game->cursorSprite->isVisible());
    game->cursorSprite->removeFromParent();
    game->cursorSprite->release();
    game->cursorSprite = nullptr;
    game->cursorFile.clear();
}
