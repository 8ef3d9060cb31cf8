#include "geometry/polyhedral_net.hpp"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

#include "geometry/cut_trees.hpp"
#include "geometry/feature_edges.hpp"
#include "geometry/net_layout.hpp"
#include "geometry/vertex_labels.hpp"

namespace quarn {
namespace {

double EdgeAngle(const NetFace& face, int edge) {
    const Point2 d = face.Outline[(edge + 1) % face.Outline.size()] - face.Outline[edge];
    return std::atan2(d.y, d.x);
}

// Moves the net so that its box starts at the origin.
void MoveToOrigin(std::vector<NetFace>& faces) {
    const Box2 box = FacesBounds(faces);
    MoveFaces(faces, 0, {-box.MinX, -box.MinY});
}

// The convex hull of every corner of the net, counter-clockwise (monotone chain).
std::vector<Point2> ConvexHull(const std::vector<NetFace>& faces) {
    std::vector<Point2> points;
    for (const NetFace& f : faces) points.insert(points.end(), f.Outline.begin(), f.Outline.end());
    std::sort(points.begin(), points.end(), [](const Point2& a, const Point2& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (points.size() < 3) return points;
    std::vector<Point2> hull(2 * points.size());
    std::size_t k = 0;
    auto push = [&](const Point2& p, std::size_t floor) {
        while (k >= floor && CrossProduct2(hull[k - 1] - hull[k - 2], p - hull[k - 2]) <= 0) --k;
        hull[k++] = p;
    };
    for (std::size_t i = 0; i < points.size(); ++i) push(points[i], 2);
    const std::size_t lower = k + 1;
    for (std::size_t i = points.size() - 1; i-- > 0;) push(points[i], lower);
    --k;  // the first point again
    hull.resize(k);
    return hull;
}

// The turn that gives the smallest box (of two equal boxes, the one wider than tall), and the box's
// area. The smallest box has a side along an edge of the hull.
std::pair<double, double> MostCompactTurn(const std::vector<NetFace>& faces) {
    const std::vector<Point2> hull = ConvexHull(faces);
    double bestAngle = 0, bestArea = INFINITY, bestWidth = 0;
    for (std::size_t e = 0; e < hull.size(); ++e) {
        const Point2 d = hull[(e + 1) % hull.size()] - hull[e];
        const double angle = -std::atan2(d.y, d.x);
        const double c = std::cos(angle), s = std::sin(angle);
        Box2 box;
        for (const Point2& p : hull) box.Add(Point2{c * p.x - s * p.y, s * p.x + c * p.y});
        const double area = box.Width() * box.Height();
        const double width = box.Width() - box.Height();
        if (area < bestArea * (1 - 1e-9) || (area < bestArea * (1 + 1e-9) && width > bestWidth + 1e-9))
            bestAngle = angle, bestArea = area, bestWidth = width;
    }
    return {bestAngle, bestArea};
}

std::vector<int> LayoutOrder(const std::vector<NetFace>& faces) {
    std::vector<std::vector<int>> children(faces.size());
    std::deque<int> queue;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        if (faces[f].Parent < 0) queue.push_back(int(f));
        else children[faces[f].Parent].push_back(int(f));
    }
    std::vector<int> order;
    while (!queue.empty()) {
        const int f = queue.front();
        queue.pop_front();
        order.push_back(f);
        for (const int c : children[f]) queue.push_back(c);
    }
    return order;
}

// Cuts off every face that overlaps a face laid before it in its piece, until none does, then sets
// the pieces side by side.
std::vector<NetFace> LayOutInPieces(const SolidPolygons& solid, CutTree tree, double tolerance) {
    std::vector<NetFace> faces = LayOutFaces(solid, tree);
    for (bool changed = true; changed;) {
        changed = false;
        const std::vector<int> order = LayoutOrder(faces);
        for (std::size_t i = 0; i < order.size() && !changed; ++i)
            for (std::size_t j = 0; j < i && !changed; ++j) {
                const NetFace &a = faces[order[i]], &b = faces[order[j]];
                if (a.Piece == b.Piece && CoversOverlap(a.Cover, b.Cover, tolerance)) {
                    tree.ParentEdge[order[i]] = -1;
                    faces = LayOutFaces(solid, tree);
                    changed = true;
                }
            }
    }
    const int pieces = 1 + std::max_element(faces.begin(), faces.end(), [](const NetFace& a, const NetFace& b) {
                               return a.Piece < b.Piece;
                           })->Piece;
    const double gap = solid.Topology.Size * 0.05;
    double x = 0;
    for (int p = 0; p < pieces; ++p) {
        std::vector<NetFace> piece;
        for (const NetFace& f : faces)
            if (f.Piece == p) piece.push_back(f);
        const Box2 box = FacesBounds(piece);
        MoveFaces(piece, 0, {x - box.MinX, -box.MinY});
        x += box.Width() + gap;
        std::size_t k = 0;
        for (NetFace& f : faces)
            if (f.Piece == p) f = piece[k++];
    }
    return faces;
}

void NameCorners(SolidNet& net, const SolidPolygons& solid, double letterAngleDegrees) {
    std::map<int, std::string> names;
    for (const CornerName& name : NamePolyhedronCorners(solid.Topology, solid.Solid,
                                                        ClassifyEdges(solid.Topology, letterAngleDegrees)))
        names[name.Vertex] = CornerText(name);
    for (NetFace& f : net.Faces)
        for (const int v : f.Vertices) {
            const auto it = names.find(v);
            f.Names.push_back(it == names.end() ? std::string() : it->second);
        }
}

// Folds where a face hangs from its parent, cuts everywhere else; cut pairs numbered in order.
void SortEdges(SolidNet& net, const SolidPolygons& solid) {
    for (const FaceAdjacency& e : solid.Edges) {
        const NetFace &a = net.Faces[e.FaceA], &b = net.Faces[e.FaceB];
        const NetEdge ea{e.FaceA, e.EdgeA}, eb{e.FaceB, e.EdgeB};
        if (a.Parent == e.FaceB || b.Parent == e.FaceA) {
            const double cosine = std::clamp(DotProduct(solid.Faces[e.FaceA].Normal, solid.Faces[e.FaceB].Normal), -1.0, 1.0);
            const bool parentIsA = b.Parent == e.FaceA;
            net.Folds.push_back({parentIsA ? ea : eb, parentIsA ? eb : ea, std::acos(cosine)});
            continue;
        }
        NetCut cut{ea, eb, int(net.Cuts.size()) + 1, {}, {}};
        const std::size_t na = a.Outline.size(), nb = b.Outline.size();
        cut.EdgeA = {a.Outline[e.EdgeA], a.Outline[(e.EdgeA + 1) % na]};
        cut.EdgeB = {b.Outline[e.EdgeB], b.Outline[(e.EdgeB + 1) % nb]};
        net.Cuts.push_back(cut);
    }
}

}  // namespace

SolidNet UnfoldPolyhedron(const SolidPolygons& solid, double letterAngleDegrees) {
    const double tolerance = 1e-7 * std::max(solid.Topology.Size, 1e-9);
    SolidNet net;
    net.Kind = NetKind::Polyhedral;
    for (const CandidateTree& candidate : CustomaryTrees(solid)) {
        std::vector<NetFace> faces = LayOutFaces(solid, candidate.Tree);
        if (FacesOverlap(faces, tolerance)) continue;
        MoveFaces(faces, -EdgeAngle(faces[candidate.UpperFace],
                                    solid.Edges[candidate.LevelEdge].FaceA == candidate.UpperFace
                                        ? solid.Edges[candidate.LevelEdge].EdgeA
                                        : solid.Edges[candidate.LevelEdge].EdgeB),
                  {0, 0});
        net.Faces = std::move(faces);
        net.Layout = candidate.Name;
        break;
    }
    if (net.Faces.empty()) {
        double bestArea = INFINITY;
        const std::vector<CandidateTree> candidates = SearchTrees(solid);
        for (const CandidateTree& candidate : candidates) {
            std::vector<NetFace> faces = LayOutFaces(solid, candidate.Tree);
            if (FacesOverlap(faces, tolerance)) continue;
            const auto [angle, area] = MostCompactTurn(faces);
            if (area >= bestArea) continue;
            bestArea = area;
            MoveFaces(faces, angle, {0, 0});
            net.Faces = std::move(faces);
            net.Layout = candidate.Name;
        }
        if (net.Faces.empty()) {
            if (candidates.empty()) throw NetError("the faces do not form one connected surface");
            net.Faces = LayOutInPieces(solid, candidates.back().Tree, tolerance);
            net.Layout = "pieces";
        }
    }
    MoveToOrigin(net.Faces);
    for (const NetFace& f : net.Faces) net.Pieces = std::max(net.Pieces, f.Piece + 1);
    for (const FacePolygon& f : solid.Faces) net.Area += f.Area;
    SortEdges(net, solid);
    NameCorners(net, solid, letterAngleDegrees);
    return net;
}

}  // namespace quarn
