#include "actors/Player.h"

// Weapons, bodies and the per-frame control come with the player's own work.
Player::Player(int definitionId) : GameMob(definitionId)
{
}

Player::Player(ObjectDef* definition, bool buildSpritesNow) : GameMob(definition, buildSpritesNow)
{
}

Player::~Player() = default;
