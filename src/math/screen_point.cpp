#include "math/screen_point.hpp"

#include "platform/numeric.hpp"

namespace quarn {

ScreenPoint VectorToPoint(const Vector3D& v) {
    CheckedArithmetic checked;
    return VectorToPoint(checked, v);
}

Vector3D PointToVector(const ScreenPoint& p) {
    return MakeVector(p.x, p.y, 0);
}

ScreenPoint PointSubtract(const ScreenPoint& a, const ScreenPoint& b) {
    return {RoundToInt32(double(a.x) - b.x), RoundToInt32(double(a.y) - b.y)};
}

}  // namespace quarn
