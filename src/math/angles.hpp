#pragma once
// Rotation angles: (RotationZ, RotationX, RotationY) in radians, held in a Vector3D in that order.

#include "math/vector3d.hpp"

namespace quarn {

using EulerAngles = Vector3D;  // x = roll about Z, y = pitch about X, z = yaw about Y

float DegreesToRadians(float degrees);

// Arc cosine that defines a result everywhere: 0 for 1 and for anything outside [-1, 1], pi for -1.
double ArcCos(double x);

// The unit vector (0, 0, 1) turned by the pitch about x and then by the yaw about y; roll is ignored.
Vector3D DirectionFromAngles(const EulerAngles& angles);

// The angles (0, pitch, yaw) that DirectionFromAngles turns back into the direction of d.
EulerAngles AnglesFromDirection(const Vector3D& d);

}  // namespace quarn
