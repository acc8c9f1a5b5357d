#include "app/RandomSeed.h"

#include <ctime>
#include <optional>

namespace {

std::optional<unsigned>& fixedSeed()
{
    static std::optional<unsigned> seed;
    return seed;
}

}

void RandomSeed::fix(unsigned seed)
{
    fixedSeed() = seed;
}

unsigned RandomSeed::forStart()
{
    if (fixedSeed())
        return *fixedSeed();
    return static_cast<unsigned>(std::time(nullptr));
}
