#include "solids/annotation_marks.hpp"

#include <initializer_list>

#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// A mesh holding the points in order and one face with all corners 0.
Index CreateMark(std::initializer_list<Vector3D> points) {
    const Index mesh = CreateMesh(static_cast<int>(points.size()), 1);
    if (mesh == 0) return 0;
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    int v = m.FirstVertex;
    for (const Vector3D& p : points) s.Vertices[v++] = p;
    FaceRecord& face = s.Faces[m.FirstFace];
    face.VertexA = face.VertexB = face.VertexC = 0;
    return mesh;
}

}  // namespace

Index CreatePointMarker(const Vector3D& position) { return CreateMark({position}); }

Index CreateLineSegment(const Vector3D& start, const Vector3D& end) { return CreateMark({start, end}); }

Index CreateBezierCurve(const Vector3D& p0, const Vector3D& p1, const Vector3D& p2, const Vector3D& p3) {
    return CreateMark({p0, p1, p2, p3});
}

Index CreateTextLabel(const std::string& text, const Vector3D& position) {
    const Index mesh = CreateMark({position});
    if (mesh != 0) Scene().Meshes[mesh].Name = text;
    return mesh;
}

}  // namespace quarn
