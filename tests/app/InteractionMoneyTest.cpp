#include "InteractionFixture.h"

#include "actors/Inventory.h"
#include "app/SoundEngine.h"
#include "ui/hud/UICopHUD.h"

USING_NS_CC;

namespace {

using InteractionMoneyTest = InteractionFixture;

bool startsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

TEST_F(InteractionMoneyTest, WalletsPayTheirMoneyAndTheStealTargetsBelongingsCompleteItsContract)
{
    GameObject* wallet = walletAt(player->getPosition() + Vec2(8, 0), 25, 77);
    player->credits = 5;
    game->interact();
    EXPECT_EQ(player->credits, 30);
    EXPECT_EQ(game->creditsEarned, 25);
    EXPECT_EQ(runCount(1006), 25);
    ASSERT_EQ(game->messages.size(), 1u);
    EXPECT_TRUE(startsWith(game->messages[0].text, "`7Wallet picked up: `$25`7c")) << game->messages[0].text;
    EXPECT_FALSE(onMap(wallet));
    EXPECT_TRUE(map->passableObjects.empty()) << "a pocketed wallet leaves nothing behind";

    // An empty wallet is picked up without a word.
    forgetMessages();
    walletAt(player->getPosition() + Vec2(8, 0), 0, 78);
    game->interact();
    EXPECT_TRUE(game->messages.empty());
    EXPECT_TRUE(map->passableObjects.empty());

    // The steal target's wallet completes the contract and still pays its own money.
    Contract* job = acceptContract(Contract::Steal, false);
    const int value = job->getValue();
    walletAt(player->getPosition() + Vec2(8, 0), 20, job->target->id);
    game->interact();
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(game->contractsDone, 1);
    EXPECT_EQ(player->credits, 30 + value + 20);

    // So does the package the target drops, taken into the inventory.
    job = acceptContract(Contract::Steal, false);
    GameObject* package = placeThing(player->getPosition() + Vec2(8, 0), [](ObjectDef& def) { def.canpickup = true; });
    package->ownerId = job->target->id;
    game->interact();
    EXPECT_EQ(missions->acceptedContract(), nullptr);
    EXPECT_EQ(game->contractsDone, 2);
    EXPECT_TRUE(player->inventory->contains(package));

    // Another citizen's belongings complete nothing.
    job = acceptContract(Contract::Steal, false);
    walletAt(player->getPosition() + Vec2(8, 0), 10, job->target->id + 1);
    game->interact();
    EXPECT_EQ(missions->acceptedContract(), job);
}

TEST_F(InteractionMoneyTest, TheUseKeyTakesBackTheDroppedToolAndEquipsAWeaponPickedUp)
{
    GameObject* lure = placeThing(player->getPosition() + Vec2(8, 0), [](ObjectDef& def) { def.canpickup = true; });
    player->droppedItem = lure;
    game->interact();
    EXPECT_TRUE(player->inventory->contains(lure));
    EXPECT_EQ(player->droppedItem, nullptr);
    EXPECT_EQ(game->messages.back().text, "`!Tool`7 picked up.");

    GameObject* lying = placeThing(player->getPosition() + Vec2(0, 8), [](ObjectDef& def) { def.canpickup = true; });
    lying->weaponDef = GameData::getInstance()->getWeaponDef(fileWeapon(WeaponTraits{}));
    game->interact();
    EXPECT_TRUE(player->inventory->contains(lying));
    EXPECT_EQ(player->currentWeapon, lying);
}

TEST_F(InteractionMoneyTest, FinesAreTakenOnlyFromAPlayerAndTakeTheContrabandWithThem)
{
    WeaponTraits banned;
    banned.contraband = true;
    const int contraband = fileWeapon(banned);
    const int legal = fileWeapon(WeaponTraits{});

    // Between runs there is nobody to pay or be paid.
    game->player = nullptr;
    game->spendMoney(250);
    game->addMoney(100);
    EXPECT_EQ(game->creditsEarned, 0);
    EXPECT_EQ(player->credits, 0);
    game->player = player;

    player->credits = 100;
    player->inventory->destroyAll();
    arm(player, contraband);
    GameObject* pistol = player->inventory->addItem(legal);
    player->inventory->addItem(contraband);
    game->spendMoney(250);
    EXPECT_EQ(player->credits, -150) << "a fine may leave the player in debt";
    EXPECT_EQ(player->inventory->countOf(contraband), 0);
    EXPECT_EQ(player->currentWeapon, pistol) << "the hand takes up what is left";

    // With nothing legal left the hand is empty.
    player->inventory->destroyAll();
    arm(player, contraband);
    player->reloadTimer = 0.5f;
    game->spendMoney(10);
    EXPECT_EQ(player->currentWeapon, nullptr);
    EXPECT_EQ(player->inventory->ammoId, -1);
    EXPECT_EQ(player->credits, -160);
}

TEST_F(InteractionMoneyTest, APoliceTerminalScramblesTheIdentificationOfAWantedPlayerFor400Credits)
{
    placeThing(player->getPosition() + Vec2(8, 0), [](ObjectDef& def) { def.hackbox = true; });
    UICopHUD* badge = UICopHUD::create();
    badge->retain();
    game->copHUD = badge;
    player->credits = 500;

    // Nobody is after the player: the terminal does nothing.
    game->interact();
    EXPECT_EQ(player->credits, 500);
    EXPECT_TRUE(game->messages.empty());

    badge->alert = true;
    player->credits = 399;
    game->interact();
    EXPECT_EQ(player->credits, 399) << "the scramble costs 400";
    EXPECT_TRUE(game->messages.empty());

    player->credits = 400;
    game->interact();
    EXPECT_EQ(player->credits, 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"`9Police`7 ID system scrambled."});
    EXPECT_EQ(game->creditsEarned, 0) << "what is spent is not earned back";

    game->copHUD = nullptr;
    badge->release();
}

}
