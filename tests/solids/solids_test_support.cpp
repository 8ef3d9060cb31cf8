#include "solids_test_support.hpp"

#include <cmath>
#include <map>
#include <utility>

namespace quarn::testing {
namespace {

Point Sub(const Vector3D& a, const Vector3D& b) { return {double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z}; }
Point ToPoint(const Vector3D& v) { return {v.x, v.y, v.z}; }

Point Cross(const Point& u, const Point& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

const FaceRecord& FaceOf(Index mesh, int k) { return Scene().Faces[MeshOf(mesh).FirstFace + k]; }

}  // namespace

std::vector<Vector3D> VerticesOf(Index mesh) {
    std::vector<Vector3D> points;
    for (int k = 0; k < MeshOf(mesh).VertexCount; ++k) points.push_back(VertexOf(mesh, k));
    return points;
}

std::array<int, 3> RelativeCorners(Index mesh, int k) {
    const FaceRecord& f = FaceOf(mesh, k);
    const int v0 = MeshOf(mesh).FirstVertex;
    return {f.VertexA - v0, f.VertexB - v0, f.VertexC - v0};
}

Point FaceNormal(Index mesh, int k) {
    const FaceRecord& f = FaceOf(mesh, k);
    const Vector3D a = Scene().Vertices[f.VertexA], b = Scene().Vertices[f.VertexB], c = Scene().Vertices[f.VertexC];
    return Cross(Sub(b, a), Sub(c, a));
}

Point FaceCentroid(Index mesh, int k) {
    const FaceRecord& f = FaceOf(mesh, k);
    const Vector3D a = Scene().Vertices[f.VertexA], b = Scene().Vertices[f.VertexB], c = Scene().Vertices[f.VertexC];
    return {(double(a.x) + b.x + c.x) / 3, (double(a.y) + b.y + c.y) / 3, (double(a.z) + b.z + c.z) / 3};
}

double SignedVolume(Index mesh) {
    double volume = 0;
    for (int k = 0; k < MeshOf(mesh).FaceCount; ++k) {
        const FaceRecord& f = FaceOf(mesh, k);
        const Point a = ToPoint(Scene().Vertices[f.VertexA]);
        const Point bc = Cross(ToPoint(Scene().Vertices[f.VertexB]), ToPoint(Scene().Vertices[f.VertexC]));
        volume += (a[0] * bc[0] + a[1] * bc[1] + a[2] * bc[2]) / 6;
    }
    return volume;
}

int FacesNotFacingAway(Index mesh, const std::function<Point(const Point&)>& interiorNear) {
    int wrong = 0;
    for (int k = 0; k < MeshOf(mesh).FaceCount; ++k) {
        const Point n = FaceNormal(mesh, k);
        const Point centroid = FaceCentroid(mesh, k);
        const Point inside = interiorNear(centroid);
        const double outward =
            n[0] * (centroid[0] - inside[0]) + n[1] * (centroid[1] - inside[1]) + n[2] * (centroid[2] - inside[2]);
        if (!(outward > 0)) ++wrong;
    }
    return wrong;
}

bool FacesWellFormed(Index mesh) {
    const MeshRecord& m = MeshOf(mesh);
    const int last = RangeLast(m.FirstVertex, m.VertexCount);
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = Scene().Faces[f];
        for (const int corner : {face.VertexA, face.VertexB, face.VertexC})
            if (corner < m.FirstVertex || corner > last) return false;
        if (face.VertexA == face.VertexB || face.VertexB == face.VertexC || face.VertexC == face.VertexA) return false;
    }
    return true;
}

bool IsClosedSurface(Index mesh) {
    const MeshRecord& m = MeshOf(mesh);
    std::map<std::pair<int, int>, int> directed;
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = Scene().Faces[f];
        ++directed[{face.VertexA, face.VertexB}];
        ++directed[{face.VertexB, face.VertexC}];
        ++directed[{face.VertexC, face.VertexA}];
    }
    for (const auto& [edge, count] : directed) {
        const auto reverse = directed.find({edge.second, edge.first});
        if (count != 1 || reverse == directed.end() || reverse->second != 1) return false;
    }
    return !directed.empty();
}

bool ContainsPoint(const std::vector<Vector3D>& points, const Vector3D& expected, float tolerance) {
    for (const Vector3D& p : points)
        if (std::fabs(p.x - expected.x) <= tolerance && std::fabs(p.y - expected.y) <= tolerance &&
            std::fabs(p.z - expected.z) <= tolerance)
            return true;
    return false;
}

void OccupySlotsUpTo(int lastVertex, int lastFace) {
    const Index filler = CreateMesh(lastVertex - RangeLast(FindFreeVertexRange(0), 0),
                                    lastFace - RangeLast(FindFreeFaceRange(0), 0));
    ASSERT_NE(filler, 0);
}

}  // namespace quarn::testing
