#pragma once
// Transforming runs of points by one matrix. The matrix is taken apart into double columns once, and
// each point then costs twelve multiply-adds with one range check per stored component; the results are
// bit for bit those of TransformPoint and TransformPoint4, faults included.

#include "math/matrix.hpp"
#include "math/vector3d.hpp"
#include "platform/numeric.hpp"
#include "scene/table.hpp"

namespace quarn {

class PreparedTransform {
  public:
    explicit PreparedTransform(const Matrix4x4& m);

    // TransformPoint(p, m).
    Vector3D Apply(const Vector3D& p) const {
        return {Store(Column(p, 0)), Store(Column(p, 1)), Store(Column(p, 2))};
    }
    // TransformPoint4(p, m).
    Vector4D Apply4(const Vector3D& p) const {
        return {Store(Column(p, 0)), Store(Column(p, 1)), Store(Column(p, 2)), Store(Column(p, 3))};
    }

  private:
    // The same sum in the same order as the matrix library: y, x, z, then the translation.
    double Column(const Vector3D& p, int c) const {
        const double* k = columns_[c];
        return double(p.y) * k[1] + double(p.x) * k[0] + double(p.z) * k[2] + k[3];
    }
    static float Store(double value) { return StoreFloat(value); }

    double columns_[4][4];  // columns_[c][r] = m.row[r] component c
};

// to[v] = TransformPoint(from[v], m) for v = first .. first + count - 1. Both ends of the run are
// checked against the tables once; nothing happens for a count below 1.
void TransformVertexRun(const Table<Vector3D>& from, Table<Vector3D>& to, int first, int count,
                        const PreparedTransform& transform);

}  // namespace quarn
