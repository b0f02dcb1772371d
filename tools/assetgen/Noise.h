#pragma once

#include <cstdint>

// Smooth value noise from an integer hash: the same seed and point always
// give the same value, on every run and every machine.
namespace Noise
{

float Value(float x, float y, std::uint32_t seed);                      // 0..1, one feature per unit
float Fractal(float x, float y, std::uint32_t seed, int octaves);       // 0..1, octaves of halving weight

} // namespace Noise
