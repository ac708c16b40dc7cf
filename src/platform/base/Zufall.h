#pragma once
// The game's random source: one global linear congruential generator.
//
// seed := seed * 134775813 + 1; a value below n is the high 32 bits of seed * n.
// The simulation draws in fixed orders, so the same seed and set-up give the
// same world; nothing else may draw from it (sound has its own generator).
#include <cstdint>

extern std::uint32_t RandSeed;

// A value 0 <= r < n; 0 when n <= 0.
int Random(int n);
// A value 0 <= r < 1.
double Random();
// Seeds from the clock (start-up only).
void Randomize();
