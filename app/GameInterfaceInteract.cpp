// The use key: what the player does to whatever is within reach. A carried
// body comes first, then the contact dealer, then the nearest object that
// can be used: the exit, a body, a wallet, an item, a vending machine or a
// police terminal.
#include "actors/Inventory.h"
#include "actors/MobManager.h"
#include "actors/Player.h"
#include "actors/police/PoliceManager.h"
#include "actors/contracts/Contract.h"
#include "actors/contracts/MissionManager.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "app/StringHelpers.h"
#include "ui/hud/ActionPrompts.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/UICopHUD.h"
#include "ui/windows/ShopEngine.h"
#include "world/ObjectDef.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace {

// How far the use key reaches, in player radii.
constexpr float kUseReach = 4.0f;
constexpr int32_t kBodiesHiddenStat = 1005;
constexpr int kInventoryWindow = 3;
constexpr int kHackPrice = 400;

const char* const kWalletFormat = "`7Wallet picked up: %s";
const char* const kToolBackText = "`!Tool`7 picked up.";
const char* const kHackedText = "`9Police`7 ID system scrambled.";

// Picking up what the accepted steal contract's target dropped completes the
// contract.
void completeStealContract(const GameObject* item, int& contractsDone)
{
    MissionManager* missions = MissionManager::getInstance();
    const Contract* contract = missions->acceptedContract();
    if (!contract || contract->kind != Contract::Steal || item->ownerId == -1 ||
        item->ownerId != missions->targetCitizenId())
        return;
    ++contractsDone;
    missions->completeContract();
}

// "$25c", and now and then something personal of the owner's with it; an
// empty wallet has nothing to tell.
std::string walletText(int amount)
{
    const std::string item = randomBodyItem();
    if (amount <= 0)
        return std::string();
    std::string text = formatString("`$%d`7c", amount);
    if (!item.empty())
        text += " and " + item;
    return text;
}

void pickUpWallet(GameInterface& game, GameObject* wallet)
{
    completeStealContract(wallet, game.contractsDone);
    const int amount = wallet->value;
    game.addMoney(amount);
    const std::string text = walletText(amount);
    if (!text.empty())
        game.queueMessage(formatString(kWalletFormat, text.c_str()), true);
    // Taken into the pocket: nothing is left lying where it was.
    WorldMap* map = WorldMap::getInstance();
    map->removeObject(wallet, true);
    map->queueForDeletion(wallet);
    GameHUD::getInstance()->refresh(true);
}

void pickUpItem(GameInterface& game, GameObject* item)
{
    // The steal contract's package is picked up like any item.
    completeStealContract(item, game.contractsDone);
    Player* player = game.player;
    if (!player->inventory)
        return;
    const bool droppedTool = item == player->droppedItem;
    player->inventory->pickUp(item);
    if (droppedTool)
    {
        game.queueMessage(kToolBackText, true);
        player->droppedItem = nullptr;
    }
    if (const WeaponDef* weapon = item->weaponDef)
    {
        if (!weapon->raise.empty())
            SoundEngine::getInstance()->play(&player->position, false, weapon->raise, 1.0f);
        player->equip(player->inventory, item);
        game.refreshCursor();
    }
    GameHUD::getInstance()->refresh(true);
}

}

void GameInterface::interact()
{
    if (flashOverlay && flashOverlay->getOpacity() == 255)
    {
        backToMenu();
        return;
    }
    if (!player || player->health <= 0)
        return;
    if (windowMode == kInventoryWindow)
    {
        ShopEngine::getInstance()->closeWindow();
        return;
    }
    WorldMap* map = WorldMap::getInstance();
    const float reach = kUseReach * player->getRadius();
    if (player->carriedBody)
    {
        GameObject* container = map->findObjectNear(false, false, true, player->getPosition(), reach);
        if (container)
        {
            StatEngine::getInstance()->addStat(kBodiesHiddenStat, 1);
            stashBody(container);
        }
        else
            dropBodyInWater();
        return;
    }
    if (MobManager::getInstance()->isContactNearPlayer())
    {
        dealerVisited = true;
        ShopEngine::getInstance()->openContractDealer();
        return;
    }
    GameObject* object = map->findObjectNear(false, true, false, player->getPosition(), reach);
    if (!object)
        return;
    const ObjectDef* def = object->def;
    if (def && def->exit && papersBought)
    {
        completeZone();
        return;
    }
    if (object->isVisibleBody())
    {
        if (player->interactionCooldown != -1.0f)
            return;
        if (player->weaponRaised)
            player->lowerWeapon();
        pickUpBody(object);
        return;
    }
    if (!def)
        return;
    if (def->canpickup)
    {
        if (def->ismoney)
            pickUpWallet(*this, object);
        else
            pickUpItem(*this, object);
        return;
    }
    if (def->vendingmachine)
    {
        ShopEngine::getInstance()->openVendingMachine(true, false, -1);
        return;
    }
    if (def->hackbox)
        hackPoliceTerminal();
}

void GameInterface::hackPoliceTerminal()
{
    // Only a wanted player, with the credits, can have the police forget them.
    if (!player || !copHUD || !copHUD->alert || player->credits < kHackPrice)
        return;
    PoliceManager* police = PoliceManager::getInstance();
    police->clearSuspect(player, true);
    player->credits -= kHackPrice;
    GameHUD::getInstance()->refresh(true);
    police->updateChaseState();
    SoundEngine::getInstance()->play(nullptr, false, "cophack.wav", 1.0f);
    queueMessage(kHackedText, true);
    ShopEngine::getInstance()->showFloatingText(formatString("`%c%d", '$', kHackPrice),
                                                Vec2(80.0f, visibleSize.height - 40.0f), -150.0f);
}
