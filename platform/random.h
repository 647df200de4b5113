// The game's one random sequence: the Park-Miller minimal standard generator.
// The order of draws is part of every algorithm that uses it, so a fixed seed
// gives a fixed game.
#pragma once

#include <cstdint>

namespace platform {

// The state becomes seed AND 0x7FFFFFFF, or 0x1234 when that is 0 or
// 0x7FFFFFFF. Before any seeding the state is 0x1234.
void SeedRandom(std::int32_t seed);

// Uniform over the whole numbers between the bounds, both included, in
// whichever order they come. One draw.
int RandomInt(int a, int b);

// Uniform real between the bounds, in whichever order they come. One draw.
double RandomReal(double a, double b);

// The generator state (tests and the state dump).
std::uint32_t RandomState();

// Sine of an angle in degrees.
double SinDeg(double degrees);

}  // namespace platform
