#include "solids/prism_family.hpp"

#include <cmath>

#include "math/angles.hpp"
#include "solids/grid_builder.hpp"

namespace quarn {
namespace {

// (0, y, 0) + radius * RingDirection(theta).
Vector3D RingPoint(float y, float radius, float theta) {
    return VectorAdd(MakeVector(0, y, 0), VectorScale(RingDirection(theta), radius));
}

// Pulls ring angles onto the ends of a sector. The state runs on from column to column and from one
// ring row into the next: seeking the start, the first angle within one step of it becomes the start;
// then seeking the end, the first angle within one step of that becomes the end.
//
// A column a whole step from an end (an end that falls on a ring column) is left alone: the next
// column lies on the end and is the one pulled. Whether float rounding put such a column just inside or
// just outside one step must not decide whether the rim loses a column, or whether the column on the
// end counts as inside the sector.
class SectorSnap {
public:
    // Well above the rounding of a ring angle (a few float steps at 2 pi), well below any usable step.
    static constexpr double kWholeStepTolerance = 1e-5;

    SectorSnap(float start, float end, float step) : start_(start), end_(end), reach_(step - kWholeStepTolerance) {}

    float Snap(float theta) {
        const float target = seekingEnd_ ? end_ : start_;
        if (StoreFloat(std::fabs(double(theta) - target)) < reach_) {
            seekingEnd_ = !seekingEnd_;
            return target;
        }
        return theta;
    }

    bool Inside(float theta) const { return start_ <= theta && theta <= end_; }

private:
    float start_, end_;
    double reach_;
    bool seekingEnd_ = false;
};

}  // namespace

Index CreatePrism(float radius, float height, Index sides) {
    return CreateFrustum(radius, radius, height, sides);
}

Index CreateFrustum(float bottomRadius, float topRadius, float height, Index sides) {
    const float step = RingStep(sides);
    const float band = StoreFloat(CheckedDivide(height, 1));  // the side wall is a single band
    const float bottom = StoreFloat(double(height) - band);
    // Rows: top centre, top ring, bottom ring, bottom centre.
    const auto vertexAt = [=](int r, int c) {
        const float theta = GridAngle(c, step);
        switch (r) {
            case 0: return MakeVector(0, height, 0);
            case 1: return RingPoint(height, topRadius, theta);
            case 2: return RingPoint(bottom, bottomRadius, theta);
            default: return MakeVector(0, 0, 0);
        }
    };
    return BuildGridSolid(3, sides, vertexAt);
}

Index CreatePyramid(float radius, float height, Index sides) {
    const float step = RingStep(sides);
    const float band = StoreFloat(CheckedDivide(height, 1));
    const float base = StoreFloat(double(height) - band);
    // Rows: apex, base ring, base centre.
    const auto vertexAt = [=](int r, int c) {
        switch (r) {
            case 0: return MakeVector(0, height, 0);
            case 1: return RingPoint(base, radius, GridAngle(c, step));
            default: return MakeVector(0, 0, 0);
        }
    };
    return BuildGridSolid(2, sides, vertexAt);
}

Index CreateCylinderSector(float radius, float height, float startDegrees, float endDegrees, Index segments) {
    const float step = RingStep(segments);
    const float band = StoreFloat(CheckedDivide(height, 1));
    const float bottom = StoreFloat(double(height) - band);
    const float start = DegreesToRadians(startDegrees);
    const float end = DegreesToRadians(endDegrees);
    SectorSnap snap(start, end, step);
    // Rows as the prism's; the two ring rows are made in order, so the snapping state carries over.
    const auto vertexAt = [&](int r, int c) {
        if (r == 0) return MakeVector(0, height, 0);
        if (r == 3) return MakeVector(0, 0, 0);
        const float y = r == 1 ? height : bottom;
        const float theta = snap.Snap(GridAngle(c, step));
        return snap.Inside(theta) ? RingPoint(y, radius, theta) : MakeVector(0, y, 0);
    };
    return BuildGridSolid(3, segments, vertexAt);
}

}  // namespace quarn
