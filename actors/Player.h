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

private:
    void takePlayerRole();
};
