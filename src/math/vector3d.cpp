#include "math/vector3d.hpp"

#include <cmath>

#include "platform/numeric.hpp"
#include "platform/random.hpp"

namespace quarn {

Vector3D MakeVector(double x, double y, double z) { return {StoreFloat(x), StoreFloat(y), StoreFloat(z)}; }

Vector3D VectorAdd(const Vector3D& a, const Vector3D& b) {
    return MakeVector(double(a.x) + b.x, double(a.y) + b.y, double(a.z) + b.z);
}

Vector3D VectorSubtract(const Vector3D& a, const Vector3D& b) {
    return MakeVector(double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
}

Vector3D VectorScale(const Vector3D& v, float s) { return MakeVector(double(v.x) * s, double(v.y) * s, double(v.z) * s); }

Vector3D VectorLerp(const Vector3D& a, const Vector3D& b, float t) {
    return MakeVector(a.x + (double(b.x) - a.x) * t, a.y + (double(b.y) - a.y) * t, a.z + (double(b.z) - a.z) * t);
}

float VectorDot(const Vector3D& a, const Vector3D& b) {
    return StoreFloat(double(a.y) * b.y + double(a.x) * b.x + double(a.z) * b.z);
}

Vector3D VectorCross(const Vector3D& a, const Vector3D& b) {
    return MakeVector(double(a.y) * b.z - double(a.z) * b.y, -(double(a.x) * b.z - double(a.z) * b.x),
                      double(a.x) * b.y - double(a.y) * b.x);
}

float VectorLength(const Vector3D& v) {
    return StoreFloat(std::sqrt(double(v.y) * v.y + double(v.x) * v.x + double(v.z) * v.z));
}

float VectorDistance(const Vector3D& a, const Vector3D& b) { return VectorLength(VectorSubtract(a, b)); }

Vector3D VectorNormalize(const Vector3D& v) {
    const float length = VectorLength(v);
    if (length == 0) return {};
    return VectorScale(v, StoreFloat(1.0 / length));
}

bool VectorEquals(const Vector3D& a, const Vector3D& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

float VectorCosAngle(const Vector3D& a, const Vector3D& b) {
    if (VectorEquals(a, {}) || VectorEquals(b, {})) return 0;
    return VectorDot(VectorNormalize(a), VectorNormalize(b));
}

Vector3D VectorProject(const Vector3D& a, const Vector3D& b) {
    const Vector3D n = VectorNormalize(b);
    return VectorScale(n, VectorDot(a, n));
}

Vector3D VectorReflect(const Vector3D& d, const Vector3D& n) {
    if (VectorCosAngle(d, n) >= 0) return {};
    return VectorAdd(d, VectorScale(VectorProject(d, n), -2));
}

Vector3D RandomVector() {
    ReseedRandomFromClock();
    const float x = NextRandom(), y = NextRandom(), z = NextRandom();
    return MakeVector(x * 2.0 - 1, y * 2.0 - 1, z * 2.0 - 1);
}

}  // namespace quarn
