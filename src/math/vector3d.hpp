#pragma once
// Three-component float vectors: points, directions, scale factors and rotation angles.
// Every operation computes in double precision and rounds each stored component to float,
// raising ArithmeticError on overflow.
//
// Each operation is written once over an arithmetic policy (platform/numeric.hpp): the plain
// functions use CheckedArithmetic, and the frame's fast paths call the templates with
// DeferredArithmetic inline.

#include "platform/numeric.hpp"

namespace quarn {

struct Vector3D {
    float x = 0;
    float y = 0;
    float z = 0;
    friend bool operator==(const Vector3D&, const Vector3D&) = default;
};

template <class Arith>
[[gnu::always_inline]] inline Vector3D MakeVector(Arith& arith, double x, double y, double z) {
    const float fx = arith.Store(x);
    const float fy = arith.Store(y);
    return {fx, fy, arith.Store(z)};
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorAdd(Arith& arith, const Vector3D& a, const Vector3D& b) {
    return MakeVector(arith, double(a.x) + b.x, double(a.y) + b.y, double(a.z) + b.z);
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorSubtract(Arith& arith, const Vector3D& a, const Vector3D& b) {
    return MakeVector(arith, double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorScale(Arith& arith, const Vector3D& v, float s) {
    return MakeVector(arith, double(v.x) * s, double(v.y) * s, double(v.z) * s);
}
template <class Arith>
[[gnu::always_inline]] inline float VectorDot(Arith& arith, const Vector3D& a, const Vector3D& b) {
    return arith.Store(double(a.y) * b.y + double(a.x) * b.x + double(a.z) * b.z);
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorCross(Arith& arith, const Vector3D& a, const Vector3D& b) {
    return MakeVector(arith, double(a.y) * b.z - double(a.z) * b.y, -(double(a.x) * b.z - double(a.z) * b.x),
                      double(a.x) * b.y - double(a.y) * b.x);
}
template <class Arith>
[[gnu::always_inline]] inline float VectorLength(Arith& arith, const Vector3D& v) {
    return arith.Store(std::sqrt(double(v.y) * v.y + double(v.x) * v.x + double(v.z) * v.z));
}
template <class Arith>
[[gnu::always_inline]] inline float VectorDistance(Arith& arith, const Vector3D& a, const Vector3D& b) {
    return VectorLength(arith, VectorSubtract(arith, a, b));
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorNormalize(Arith& arith, const Vector3D& v) {
    const float length = VectorLength(arith, v);
    if (length == 0) return {};
    return VectorScale(arith, v, arith.Store(1.0 / length));
}
template <class Arith>
[[gnu::always_inline]] inline float VectorCosAngle(Arith& arith, const Vector3D& a, const Vector3D& b) {
    if (a == Vector3D{} || b == Vector3D{}) return 0;
    const Vector3D na = VectorNormalize(arith, a);
    return VectorDot(arith, na, VectorNormalize(arith, b));
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorProject(Arith& arith, const Vector3D& a, const Vector3D& b) {
    const Vector3D n = VectorNormalize(arith, b);
    return VectorScale(arith, n, VectorDot(arith, a, n));
}
template <class Arith>
[[gnu::always_inline]] inline Vector3D VectorReflect(Arith& arith, const Vector3D& d, const Vector3D& n) {
    if (VectorCosAngle(arith, d, n) >= 0) return {};
    return VectorAdd(arith, d, VectorScale(arith, VectorProject(arith, d, n), -2));
}

Vector3D MakeVector(double x, double y, double z);
inline Vector3D CopyVector(const Vector3D& v) {
    return v;
}
inline Vector3D ZeroVector() {
    return {};
}
inline Vector3D OnesVector() {
    return {1, 1, 1};
}

Vector3D VectorAdd(const Vector3D& a, const Vector3D& b);
Vector3D VectorSubtract(const Vector3D& a, const Vector3D& b);
Vector3D VectorScale(const Vector3D& v, float s);
Vector3D VectorLerp(const Vector3D& a, const Vector3D& b, float t);
float VectorDot(const Vector3D& a, const Vector3D& b);
Vector3D VectorCross(const Vector3D& a, const Vector3D& b);
float VectorLength(const Vector3D& v);
float VectorDistance(const Vector3D& a, const Vector3D& b);
// The unit vector along v; the zero vector stays zero.
Vector3D VectorNormalize(const Vector3D& v);
bool VectorEquals(const Vector3D& a, const Vector3D& b);
// Cosine of the angle between a and b; 0 when either is exactly the zero vector.
float VectorCosAngle(const Vector3D& a, const Vector3D& b);
// The part of a along b.
Vector3D VectorProject(const Vector3D& a, const Vector3D& b);
// The mirror image of an incoming direction d in the plane with normal n; zero when d does not
// strike the front of the surface.
Vector3D VectorReflect(const Vector3D& d, const Vector3D& n);
// Each component uniform in [-1, 1), after reseeding the generator from the clock.
Vector3D RandomVector();

}  // namespace quarn
