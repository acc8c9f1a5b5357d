#pragma once
#include <cstdint>

// A small seeded generator (splitmix64) so that every machine draws the same
// numbers for the same seed; the C library's rand() differs between systems.
class Rng
{
public:
    explicit Rng(uint64_t seed);
    uint64_t next();
    // Uniform integer in [lo, hi] (both included).
    int range(int lo, int hi);
    // Uniform value in [0, 1).
    double unit();
    bool chance(double p);

private:
    uint64_t state;
};
