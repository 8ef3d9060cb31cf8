#include "platform/random.hpp"

#include "platform/clock.hpp"

namespace quarn {
namespace {

struct GeneratorState {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    bool fixed = false;
};

GeneratorState& Generator() {
    static GeneratorState g;
    return g;
}

// splitmix64: a full-period 64-bit generator with a strong output mix.
std::uint64_t NextBits() {
    std::uint64_t z = (Generator().state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

float NextRandom() {
    // 24 random bits scaled by 2^-24 give every float step in [0, 1) and never 1.
    return static_cast<float>(NextBits() >> 40) * (1.0f / 16777216.0f);
}

void ReseedRandomFromClock() {
    GeneratorState& g = Generator();
    if (!g.fixed) g.state ^= CoarseClockTicks() * 0xd6e8feb86659fd93ULL;
}

void UseFixedRandomSeed(std::uint64_t seed) {
    Generator().state = seed;
    Generator().fixed = true;
}

void UseClockRandomSeed() { Generator().fixed = false; }

}  // namespace quarn
