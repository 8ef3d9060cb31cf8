#pragma once
// Three-component float vectors: points, directions, scale factors and rotation angles.
// Every operation computes in double precision and rounds each stored component to float,
// raising ArithmeticError on overflow.

namespace quarn {

struct Vector3D {
    float x = 0;
    float y = 0;
    float z = 0;
    friend bool operator==(const Vector3D&, const Vector3D&) = default;
};

Vector3D MakeVector(double x, double y, double z);
inline Vector3D CopyVector(const Vector3D& v) { return v; }
inline Vector3D ZeroVector() { return {}; }
inline Vector3D OnesVector() { return {1, 1, 1}; }

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
