#pragma once
// The program's clock readings.

#include <cstdint>

namespace quarn {

// Local time of day in seconds since midnight, as the frame loop's caption counter reads it.
float SecondsSinceMidnight();

// A fast-moving monotonic reading in nanoseconds.
std::uint64_t ClockTicks();

// A monotonic reading in nanoseconds that moves in steps of a few milliseconds but costs next to
// nothing; mixed into the random generator on reseeding, which happens for every pivot of the depth sort.
std::uint64_t CoarseClockTicks();

}  // namespace quarn
