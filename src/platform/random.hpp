#pragma once
// The program-wide uniform random generator.
//
// Reseeding from the clock mixes the clock reading into the current state instead of replacing it,
// so two reseeded draws within one clock tick still differ. Tests fix the seed, which also makes
// reseeding deterministic.

#include <cstdint>

namespace quarn {

// Next value, uniform in [0, 1); never rounds up to 1.
float NextRandom();

// Mixes the clock into the generator's state (a no-op for the clock part while a fixed seed is in force).
void ReseedRandomFromClock();

// Seeds the generator and stops clock mixing, so that every later draw is reproducible.
void UseFixedRandomSeed(std::uint64_t seed);

// Returns to clock mixing.
void UseClockRandomSeed();

}  // namespace quarn
