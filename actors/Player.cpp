#include "actors/Player.h"

// Weapons, bodies and the per-frame control come with the player's own work.
Player::Player(int definitionId) : GameMob(definitionId)
{
    takePlayerRole();
}

Player::Player(ObjectDef* definition, bool buildSpritesNow) : GameMob(definition, buildSpritesNow)
{
    takePlayerRole();
}

// The player's kind and role (its shots carry the role); its own update
// fires a weapon once the weapon's warm-up is over.
void Player::takePlayerRole()
{
    mobKind = MobPlayer;
    roleCode = PlayerRole;
    runsWarmup = true;
}

Player::~Player() = default;
