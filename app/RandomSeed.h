#pragma once

// The seed of the game's random numbers. A player's game takes it from the
// clock, so no two runs are alike; a replay fixes it first, so that the same
// inputs give the same city, weather and outcome every time.
class RandomSeed
{
public:
    // From now on every start takes this seed instead of the clock's.
    static void fix(unsigned seed);
    // The seed for the start now under way: the fixed one, else the clock's.
    static unsigned forStart();
};
