#pragma once
// Screen points: two signed 32-bit pixel coordinates, origin top left, y down.

#include <cstdint>

#include "math/vector3d.hpp"

namespace quarn {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// x and y rounded half to even; z is ignored. Coordinates outside 32 bits raise ArithmeticError.
ScreenPoint VectorToPoint(const Vector3D& v);
template <class Arith>
ScreenPoint VectorToPoint(Arith& arith, const Vector3D& v) {
    const std::int32_t x = arith.Round32(v.x);
    return {x, arith.Round32(v.y)};
}
Vector3D PointToVector(const ScreenPoint& p);
inline ScreenPoint MakePoint(std::int32_t x, std::int32_t y) {
    return {x, y};
}
// a - b, raising ArithmeticError when a coordinate leaves 32 bits.
ScreenPoint PointSubtract(const ScreenPoint& a, const ScreenPoint& b);

}  // namespace quarn
