#include "actors/police/PoliceFine.h"
#include "actors/Player.h"
#include "app/SoundEngine.h"
#include "ui/hud/GameHUD.h"

void payPoliceFine(Player* player, int fine)
{
    if (!player)
        return;
    player->credits -= fine;
    player->confiscateContraband(player->inventory);
    GameHUD::getInstance()->refresh(true);
    SoundEngine::getInstance()->play(nullptr, false, "cashregister.wav", 1.0f);
}
