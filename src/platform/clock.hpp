#pragma once
// The program's clock readings.

#include <cstdint>

namespace quarn {

// Local time of day in seconds since midnight, as the frame loop's caption counter reads it.
float SecondsSinceMidnight();

// A fast-moving monotonic reading in nanoseconds, mixed into the random generator on reseeding.
std::uint64_t ClockTicks();

}  // namespace quarn
