#include "math/vector3d.hpp"

#include "platform/random.hpp"

namespace quarn {
namespace {

CheckedArithmetic checked;

}  // namespace

Vector3D MakeVector(double x, double y, double z) {
    return MakeVector(checked, x, y, z);
}

Vector3D VectorAdd(const Vector3D& a, const Vector3D& b) {
    return VectorAdd(checked, a, b);
}

Vector3D VectorSubtract(const Vector3D& a, const Vector3D& b) {
    return VectorSubtract(checked, a, b);
}

Vector3D VectorScale(const Vector3D& v, float s) {
    return VectorScale(checked, v, s);
}

Vector3D VectorLerp(const Vector3D& a, const Vector3D& b, float t) {
    return MakeVector(a.x + (double(b.x) - a.x) * t, a.y + (double(b.y) - a.y) * t,
                      a.z + (double(b.z) - a.z) * t);
}

float VectorDot(const Vector3D& a, const Vector3D& b) {
    return VectorDot(checked, a, b);
}

Vector3D VectorCross(const Vector3D& a, const Vector3D& b) {
    return VectorCross(checked, a, b);
}

float VectorLength(const Vector3D& v) {
    return VectorLength(checked, v);
}

float VectorDistance(const Vector3D& a, const Vector3D& b) {
    return VectorDistance(checked, a, b);
}

Vector3D VectorNormalize(const Vector3D& v) {
    return VectorNormalize(checked, v);
}

bool VectorEquals(const Vector3D& a, const Vector3D& b) {
    return a == b;
}

float VectorCosAngle(const Vector3D& a, const Vector3D& b) {
    return VectorCosAngle(checked, a, b);
}

Vector3D VectorProject(const Vector3D& a, const Vector3D& b) {
    return VectorProject(checked, a, b);
}

Vector3D VectorReflect(const Vector3D& d, const Vector3D& n) {
    return VectorReflect(checked, d, n);
}

Vector3D RandomVector() {
    ReseedRandomFromClock();
    const float x = NextRandom(), y = NextRandom(), z = NextRandom();
    return MakeVector(x * 2.0 - 1, y * 2.0 - 1, z * 2.0 - 1);
}

}  // namespace quarn
