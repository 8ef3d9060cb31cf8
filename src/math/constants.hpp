#pragma once
// The angle constants the engine uses, written to the digits it has always used them with
// (they are not the full-precision values, and results depend on that).

namespace quarn {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kHalfPi = 1.570796326794895;

// pi and pi/2 rounded to floats, the limits of the orbit angles.
inline constexpr float kPiFloat = 3.1415927f;
inline constexpr float kHalfPiFloat = 1.5707964f;

}  // namespace quarn
