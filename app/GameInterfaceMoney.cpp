// The player's money: what the run pays in and what the police fine out.
#include "actors/Inventory.h"
#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/hud/GameHUD.h"
#include "world/ObjectDef.h"

namespace {

// Money earned, counted over the player's history.
constexpr int32_t kMoneyEarnedStat = 1006;

// The fine takes every contraband item. A weapon in hand that goes with it
// leaves the hand free at once, whatever reload or warm-up it was in, so that
// the next weapon can be taken up.
void confiscate(Player& player)
{
    Inventory* inventory = player.inventory;
    if (!inventory)
        return;
    const GameObject* held = player.currentWeapon;
    const bool handTaken = held && held->def && held->def->contraband;
    inventory->removeContraband();
    if (handTaken)
    {
        player.cancelWarmup();
        player.reloadTimer = 0.0f;
    }
    player.selectNextWeapon(inventory);
}

}

void GameInterface::addMoney(int amount)
{
    if (!player)
        return;
    player->credits += amount;
    creditsEarned += amount;
    StatEngine::getInstance()->addStat(kMoneyEarnedStat, amount);
    GameHUD::getInstance()->refresh(true);
}

void GameInterface::spendMoney(int amount)
{
    // A fine that reaches the driver between runs has nobody to pay it.
    if (!player)
        return;
    player->credits -= amount;
    confiscate(*player);
    GameHUD::getInstance()->refresh(true);
    SoundEngine::getInstance()->play(nullptr, false, "cashregister.wav", 1.0f);
}
