#pragma once
#include "app/Singleton.h"

#include <cstdint>

// Achievements and the unlocks that progress wins.
class Achievements : public Singleton<Achievements>
{
public:
    // Wins an unlock; save writes the game state, silent shows no notice.
    void unlock(int32_t id, bool save, bool silent);

private:
    friend class Singleton<Achievements>;
    Achievements() = default;
};
