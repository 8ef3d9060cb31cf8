#include "math/angles.hpp"

#include <cmath>

#include "math/constants.hpp"
#include "math/matrix.hpp"
#include "platform/numeric.hpp"

namespace quarn {

float DegreesToRadians(float degrees) { return StoreFloat(double(degrees) * kPi / 180.0); }

double ArcCos(double x) {
    if (x == 1.0) return 0;
    if (x == -1.0) return kPi;
    if (std::fabs(x) >= 1.0) return 0;
    return 2 * std::atan(1.0) + std::atan(-x / std::sqrt(1 - x * x));
}

Vector3D DirectionFromAngles(const EulerAngles& angles) {
    const Matrix4x4 m =
        MatrixMultiply(MatrixMultiply(IdentityMatrix(), RotationMatrix(kAxisX, angles.y)), RotationMatrix(kAxisY, angles.z));
    return TransformPoint({0, 0, 1}, m);
}

EulerAngles AnglesFromDirection(const Vector3D& d) {
    const Vector3D horizontal{d.x, 0, d.z};
    float yaw = StoreFloat(ArcCos(VectorCosAngle(horizontal, {0, 0, 1})));
    float pitch = StoreFloat(ArcCos(VectorCosAngle(d, horizontal)));
    if (d.x < 0) yaw = -yaw;
    if (d.y > 0) pitch = -pitch;
    return {0, pitch, yaw};
}

}  // namespace quarn
