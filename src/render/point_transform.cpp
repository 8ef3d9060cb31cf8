#include "render/point_transform.hpp"

#include "scene/scene_store.hpp"

namespace quarn {

PreparedTransform::PreparedTransform(const Matrix4x4& m) {
    for (int r = 0; r < 4; ++r) {
        const Vector4D& row = m.row[r];
        columns_[0][r] = row.x;
        columns_[1][r] = row.y;
        columns_[2][r] = row.z;
        columns_[3][r] = row.w;
    }
}

void TransformVertexRun(const Table<Vector3D>& from, Table<Vector3D>& to, int first, int count,
                        const PreparedTransform& transform) {
    if (count < 1) return;
    const int last = RangeLast(first, count);
    const Vector3D* in = &from[first];
    Vector3D* out = &to[first];
    (void)from[last];  // both ends checked: the run lies inside the tables
    (void)to[last];
    for (int k = 0; k <= last - first; ++k) out[k] = transform.Apply(in[k]);
}

}  // namespace quarn
