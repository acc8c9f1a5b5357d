#pragma once
#include "Synth.h"
#include <functional>
#include <string>
#include <vector>

// Every sound the game plays, by file name, with the recipe that makes it.
// Names ending in ".mp3" are encoded from the same samples after synthesis.
struct SoundRecipe
{
    std::string name;
    std::function<Buffer()> make;
};

std::vector<SoundRecipe> soundBook();
