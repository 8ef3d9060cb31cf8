#include "solids/curved_solids.hpp"

#include "math/angles.hpp"
#include "math/constants.hpp"
#include "solids/grid_builder.hpp"

namespace quarn {
namespace {

// (cos pitch sin yaw, -sin pitch, cos pitch cos yaw): pitch -pi/2 is +y, yaw 0 is +z.
Vector3D SphereDirection(float pitch, float yaw) { return DirectionFromAngles({0, pitch, yaw}); }

// Pitch of grid row k: k * step measured from the north pole.
float RowPitch(int k, float step) { return StoreFloat(double(GridAngle(k, step)) - kHalfPi); }

}  // namespace

Index CreateSphere(float radius, Index segments, Index rings) {
    const float yawStep = RingStep(segments);
    const float pitchStep = StoreFloat(CheckedDivide(kPi, rings));
    const auto vertexAt = [=](int r, int c) {
        return VectorScale(SphereDirection(RowPitch(r, pitchStep), GridAngle(c, yawStep)), radius);
    };
    return BuildGridSolid(rings, segments, vertexAt);
}

Index CreateHemisphere(float radius, Index segments, Index rings) {
    const float yawStep = RingStep(segments);
    const float pitchStep = StoreFloat(CheckedDivide(kPi / 2, rings));
    // Rows 0..rings run from the pole to the rim; one more row holds the centre of the base disc.
    const auto vertexAt = [=](int r, int c) {
        if (r > rings) return MakeVector(0, 0, 0);
        return VectorScale(SphereDirection(RowPitch(r, pitchStep), GridAngle(c, yawStep)), radius);
    };
    return BuildGridSolid(rings + 1, segments, vertexAt);
}

Index CreateTorus(float majorRadius, float minorRadius, Index segments, Index tubeSegments) {
    const float yawStep = RingStep(segments);
    const float pitchStep = RingStep(tubeSegments);
    // Row 0 is the top circle of the tube; the rows run over the outer equator, the bottom and the inner
    // equator back to the top.
    const auto vertexAt = [=](int t, int c) {
        const float theta = GridAngle(c, yawStep);
        const Vector3D centre = VectorScale(SphereDirection(0, theta), majorRadius);
        return VectorAdd(centre, VectorScale(SphereDirection(RowPitch(t, pitchStep), theta), minorRadius));
    };
    return BuildGridSolid(tubeSegments, segments, vertexAt);
}

}  // namespace quarn
