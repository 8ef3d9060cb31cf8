#include "geometry/net_layout.hpp"

#include <algorithm>
#include <cmath>
#include <deque>

namespace quarn {
namespace {

Point2 Perpendicular(const Point2& d) { return {-d.y, d.x}; }

double Dot2(const Point2& a, const Point2& b) { return a.x * b.x + a.y * b.y; }

// The face's frame: net point p stands for Origin + p.x·AxisX + p.y·AxisY.
void PlaceFace(NetFace& face, const SolidPolygons& solid, const FacePolygon& polygon) {
    const MeshTopology& t = solid.Topology;
    auto flat = [&](const Point3& q) {
        const Point3 d = q - face.Origin;
        return Point2{DotProduct(d, face.AxisX), DotProduct(d, face.AxisY)};
    };
    face.Outline.clear();
    face.Corners.clear();
    face.Vertices = polygon.Corners;
    for (const int v : polygon.Corners) {
        face.Corners.push_back(t.Points[v]);
        face.Outline.push_back(flat(t.Points[v]));
    }
    face.Cover = {};
    for (const int f : polygon.Triangles) {
        std::array<int, 3> tri{};
        for (int k = 0; k < 3; ++k) {
            tri[k] = int(face.Cover.Points.size());
            face.Cover.Points.push_back(flat(t.Points[t.Faces[f][k]]));
        }
        if (solid.InsideOut) std::swap(tri[1], tri[2]);
        face.Cover.Triangles.push_back(tri);
    }
}

// The frame of a face whose corners a -> b (3D) land on a2 -> b2 in the net.
void FrameOnEdge(NetFace& face, const Point3& normal, const Point3& a, const Point3& b, const Point2& a2,
                 const Point2& b2) {
    Point3 x = b - a;
    x = x * (1 / LengthOf(x));
    const Point3 y = CrossProduct(normal, x);
    Point2 d = b2 - a2;
    d = d * (1 / LengthOf(d));
    const Point2 n = Perpendicular(d);
    face.AxisX = x * d.x + y * n.x;
    face.AxisY = x * d.y + y * n.y;
    face.Origin = a - face.AxisX * a2.x - face.AxisY * a2.y;
}

bool Separated(const Point2* a, int na, const Point2* b, int nb, double tolerance) {
    for (int pass = 0; pass < 2; ++pass) {
        const Point2* p = pass == 0 ? a : b;
        const int np = pass == 0 ? na : nb;
        for (int i = 0; i < np; ++i) {
            Point2 axis = Perpendicular(p[(i + 1) % np] - p[i]);
            const double length = LengthOf(axis);
            if (length == 0) continue;
            axis = axis * (1 / length);
            double minA = INFINITY, maxA = -INFINITY, minB = INFINITY, maxB = -INFINITY;
            for (int k = 0; k < na; ++k) {
                const double s = Dot2(a[k], axis);
                minA = std::min(minA, s), maxA = std::max(maxA, s);
            }
            for (int k = 0; k < nb; ++k) {
                const double s = Dot2(b[k], axis);
                minB = std::min(minB, s), maxB = std::max(maxB, s);
            }
            if (maxA <= minB + tolerance || maxB <= minA + tolerance) return true;
        }
    }
    return false;
}

Box2 CoverBox(const FlatTriangles& c) {
    Box2 box;
    for (const Point2& p : c.Points) box.Add(p);
    return box;
}

bool BoxesApart(const Box2& a, const Box2& b, double tolerance) {
    return a.MaxX <= b.MinX + tolerance || b.MaxX <= a.MinX + tolerance || a.MaxY <= b.MinY + tolerance ||
           b.MaxY <= a.MinY + tolerance;
}

}  // namespace

std::vector<NetFace> LayOutFaces(const SolidPolygons& solid, const CutTree& tree) {
    const int count = int(solid.Faces.size());
    std::vector<NetFace> faces(count);
    std::vector<std::vector<int>> children(count);
    std::vector<int> roots;
    for (int f = 0; f < count; ++f) {
        const int e = tree.ParentEdge[f];
        if (e < 0) {
            roots.push_back(f);
            continue;
        }
        const FaceAdjacency& edge = solid.Edges[e];
        children[edge.FaceA == f ? edge.FaceB : edge.FaceA].push_back(f);
    }
    std::stable_partition(roots.begin(), roots.end(), [&](int f) { return f == tree.Root; });
    int piece = 0;
    for (const int root : roots) {
        const FacePolygon& polygon = solid.Faces[root];
        const Point3& a = solid.Topology.Points[polygon.Corners[0]];
        const Point3& b = solid.Topology.Points[polygon.Corners[1]];
        FrameOnEdge(faces[root], polygon.Normal, a, b, {0, 0}, {LengthOf(b - a), 0});
        PlaceFace(faces[root], solid, polygon);
        faces[root].Piece = piece;
        std::deque<int> queue{root};
        while (!queue.empty()) {
            const int parent = queue.front();
            queue.pop_front();
            for (const int child : children[parent]) {
                const FaceAdjacency& edge = solid.Edges[tree.ParentEdge[child]];
                const int parentEdge = edge.FaceA == parent ? edge.EdgeA : edge.EdgeB;
                const int childEdge = edge.FaceA == parent ? edge.EdgeB : edge.EdgeA;
                const NetFace& p = faces[parent];
                const int n = int(p.Outline.size());
                const FacePolygon& polygon = solid.Faces[child];
                const int m = int(polygon.Corners.size());
                // The child runs the shared edge the other way: its corner childEdge is the parent's
                // corner parentEdge + 1.
                const Point3& a = solid.Topology.Points[polygon.Corners[childEdge]];
                const Point3& b = solid.Topology.Points[polygon.Corners[(childEdge + 1) % m]];
                FrameOnEdge(faces[child], polygon.Normal, a, b, p.Outline[(parentEdge + 1) % n],
                            p.Outline[parentEdge]);
                PlaceFace(faces[child], solid, polygon);
                faces[child].Parent = parent;
                faces[child].Piece = piece;
                queue.push_back(child);
            }
        }
        ++piece;
    }
    return faces;
}

bool ConvexOverlap(const std::vector<Point2>& a, const std::vector<Point2>& b, double tolerance) {
    return !Separated(a.data(), int(a.size()), b.data(), int(b.size()), tolerance);
}

bool CoversOverlap(const FlatTriangles& a, const FlatTriangles& b, double tolerance) {
    if (BoxesApart(CoverBox(a), CoverBox(b), tolerance)) return false;
    for (const auto& ta : a.Triangles) {
        const Point2 pa[3] = {a.Points[ta[0]], a.Points[ta[1]], a.Points[ta[2]]};
        for (const auto& tb : b.Triangles) {
            const Point2 pb[3] = {b.Points[tb[0]], b.Points[tb[1]], b.Points[tb[2]]};
            if (!Separated(pa, 3, pb, 3, tolerance)) return true;
        }
    }
    return false;
}

bool FacesOverlap(const std::vector<NetFace>& faces, double tolerance) {
    std::vector<Box2> boxes;
    for (const NetFace& f : faces) boxes.push_back(CoverBox(f.Cover));
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            if (faces[i].Piece == faces[j].Piece && !BoxesApart(boxes[i], boxes[j], tolerance) &&
                CoversOverlap(faces[i].Cover, faces[j].Cover, tolerance))
                return true;
    return false;
}

void MoveFaces(std::vector<NetFace>& faces, double angle, const Point2& shift) {
    const double c = std::cos(angle), s = std::sin(angle);
    auto move = [&](Point2& p) { p = Point2{c * p.x - s * p.y, s * p.x + c * p.y} + shift; };
    for (NetFace& f : faces) {
        for (Point2& p : f.Outline) move(p);
        for (Point2& p : f.Cover.Points) move(p);
        // Net point p was R^T (p - shift) before the move.
        const Point3 x = f.AxisX * c - f.AxisY * s, y = f.AxisX * s + f.AxisY * c;
        f.Origin = f.Origin - x * shift.x - y * shift.y;
        f.AxisX = x, f.AxisY = y;
    }
}

Box2 FacesBounds(const std::vector<NetFace>& faces) {
    Box2 box;
    for (const NetFace& f : faces)
        for (const Point2& p : f.Outline) box.Add(p);
    return box;
}

}  // namespace quarn
