// The player's money: what the run pays in and what the police fine out.
#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StatEngine.h"
#include "ui/hud/GameHUD.h"

namespace {

// Money earned, counted over the player's history.
constexpr int32_t kMoneyEarnedStat = 1006;

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
    player->confiscateContraband(player->inventory);
    GameHUD::getInstance()->refresh(true);
    SoundEngine::getInstance()->play(nullptr, false, "cashregister.wav", 1.0f);
}
