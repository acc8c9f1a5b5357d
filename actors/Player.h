#pragma once
#include "actors/GameMob.h"

class ObjectDef;

// The player's character.
class Player : public GameMob
{
public:
    explicit Player(int definitionId);
    // A player of a definition at hand, as for any mob.
    Player(ObjectDef* definition, bool buildSpritesNow);
    ~Player() override;

    static constexpr int PlayerRole = 2;

    // Credits to spend; fines may take them below 0.
    int32_t credits = 0;

private:
    void takePlayerRole();
};
