#include "geometry/cut_trees.hpp"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>
#include <numeric>
#include <optional>

namespace quarn {
namespace {

constexpr double kLevelCos = 1 - 1e-6;
const Point3 kUp{0, 1, 0};

int EdgeBetween(const SolidPolygons& solid, int a, int b) {
    for (std::size_t e = 0; e < solid.Edges.size(); ++e) {
        const FaceAdjacency& edge = solid.Edges[e];
        if ((edge.FaceA == a && edge.FaceB == b) || (edge.FaceA == b && edge.FaceB == a)) return int(e);
    }
    return -1;
}

std::vector<std::vector<int>> Neighbours(const SolidPolygons& solid) {
    std::vector<std::vector<int>> around(solid.Faces.size());
    for (const FaceAdjacency& e : solid.Edges) {
        around[e.FaceA].push_back(e.FaceB);
        around[e.FaceB].push_back(e.FaceA);
    }
    return around;
}

// The side faces in order round the axis and both bases, or nothing when the solid is not a prism,
// frustum or cuboid standing on a base.
std::optional<CandidateTree> StripTree(const SolidPolygons& solid) {
    const int count = int(solid.Faces.size());
    int bottom = -1, top = -1;
    for (int f = 0; f < count; ++f) {
        const double up = DotProduct(solid.Faces[f].Normal, kUp);
        if (up > kLevelCos) top = top < 0 ? f : -2;
        if (up < -kLevelCos) bottom = bottom < 0 ? f : -2;
    }
    if (bottom < 0 || top < 0 || count < 5) return std::nullopt;
    const auto around = Neighbours(solid);
    const int sides = count - 2;
    if (int(around[bottom].size()) != sides || int(around[top].size()) != sides) return std::nullopt;
    // The front side face carries both bases; the strip runs from left to right as seen from outside.
    int front = -1;
    for (int f = 0; f < count; ++f)
        if (f != top && f != bottom && (front < 0 || solid.Faces[f].Normal.z > solid.Faces[front].Normal.z + 1e-9))
            front = f;
    auto step = [&](int face, double sign) {
        const Point3 right = CrossProduct(kUp, solid.Faces[face].Normal) * sign;
        int best = -1;
        double bestDot = 0;
        for (const int g : around[face]) {
            if (g == top || g == bottom) continue;
            const double d = DotProduct(solid.Faces[g].Normal - solid.Faces[face].Normal, right);
            if (best < 0 || d > bestDot) best = g, bestDot = d;
        }
        return best;
    };
    int first = front;
    for (int k = 0; k < (sides - 1) / 2; ++k) first = step(first, -1);
    CandidateTree candidate;
    bool upright = true;
    for (int f = 0; f < count; ++f)
        if (f != top && f != bottom) upright = upright && std::fabs(solid.Faces[f].Normal.y) < 1e-6;
    candidate.Name = sides == 4 && upright ? "cross" : "strip";
    candidate.Tree.ParentEdge.assign(count, -1);
    candidate.Tree.Root = first;
    std::vector<bool> used(count, false);
    used[top] = used[bottom] = true;
    int previous = -1;
    for (int face = first, k = 0; k < sides; ++k) {
        if (face < 0 || used[face]) return std::nullopt;
        used[face] = true;
        if (previous >= 0) candidate.Tree.ParentEdge[face] = EdgeBetween(solid, face, previous);
        previous = face;
        face = step(face, 1);
    }
    // The chain hangs from its left end; both bases hang from the front face.
    CutTree& chain = candidate.Tree;
    chain.ParentEdge[top] = EdgeBetween(solid, top, front);
    chain.ParentEdge[bottom] = EdgeBetween(solid, bottom, front);
    candidate.LevelEdge = chain.ParentEdge[bottom];
    candidate.UpperFace = front;
    return candidate;
}

// One face meets every other: all of them hang from it.
std::optional<CandidateTree> StarTree(const SolidPolygons& solid) {
    const int count = int(solid.Faces.size());
    const auto around = Neighbours(solid);
    int centre = -1;
    for (int f = 0; f < count; ++f)
        if (int(around[f].size()) == count - 1 &&
            (centre < 0 || solid.Faces[f].Normal.y < solid.Faces[centre].Normal.y - 1e-9))
            centre = f;
    if (centre < 0) return std::nullopt;
    CandidateTree candidate;
    candidate.Name = "star";
    candidate.Tree.ParentEdge.assign(count, -1);
    candidate.Tree.Root = centre;
    int front = -1;
    for (int f = 0; f < count; ++f) {
        if (f == centre) continue;
        candidate.Tree.ParentEdge[f] = EdgeBetween(solid, f, centre);
        if (front < 0 || solid.Faces[f].Normal.z > solid.Faces[front].Normal.z + 1e-9) front = f;
    }
    candidate.LevelEdge = candidate.Tree.ParentEdge[front];
    candidate.UpperFace = centre;
    return candidate;
}

// A tree given as a set of fold edges, hung from root; nothing unless the folds join every face once.
std::optional<CutTree> TreeFromFolds(const SolidPolygons& solid, const std::vector<bool>& fold, int root) {
    const int count = int(solid.Faces.size());
    std::vector<std::vector<std::pair<int, int>>> around(count);
    int folds = 0;
    for (std::size_t e = 0; e < solid.Edges.size(); ++e) {
        if (!fold[e]) continue;
        ++folds;
        around[solid.Edges[e].FaceA].push_back({solid.Edges[e].FaceB, int(e)});
        around[solid.Edges[e].FaceB].push_back({solid.Edges[e].FaceA, int(e)});
    }
    if (folds != count - 1) return std::nullopt;
    CutTree tree{std::vector<int>(count, -1), root};
    std::vector<bool> seen(count, false);
    std::deque<int> queue{root};
    seen[root] = true;
    int reached = 1;
    while (!queue.empty()) {
        const int f = queue.front();
        queue.pop_front();
        for (const auto& [g, e] : around[f])
            if (!seen[g]) {
                seen[g] = true, ++reached;
                tree.ParentEdge[g] = e;
                queue.push_back(g);
            }
    }
    if (reached != count) return std::nullopt;
    return tree;
}

int LargestFace(const SolidPolygons& solid) {
    int best = 0;
    for (std::size_t f = 0; f < solid.Faces.size(); ++f)
        if (solid.Faces[f].Area > solid.Faces[best].Area + 1e-9) best = int(f);
    return best;
}

// Every vertex but the highest in the direction cuts the edge that climbs most steeply from it.
std::optional<CutTree> SteepestEdgeTree(const SolidPolygons& solid, const Point3& direction) {
    const MeshTopology& t = solid.Topology;
    struct Step {
        double Climb = -INFINITY;
        int Edge = -1;
    };
    std::vector<Step> best(t.Points.size());
    for (std::size_t e = 0; e < solid.Edges.size(); ++e) {
        const FaceAdjacency& edge = solid.Edges[e];
        const FacePolygon& face = solid.Faces[edge.FaceA];
        const int a = face.Corners[edge.EdgeA], b = face.Corners[(edge.EdgeA + 1) % face.Corners.size()];
        const double climb = DotProduct(t.Points[b] - t.Points[a], direction) / edge.Length;
        if (climb > best[a].Climb) best[a] = {climb, int(e)};
        if (-climb > best[b].Climb) best[b] = {-climb, int(e)};
    }
    std::vector<bool> fold(solid.Edges.size(), true);
    for (const Step& s : best)
        if (s.Edge >= 0 && s.Climb > 0) fold[s.Edge] = false;
    return TreeFromFolds(solid, fold, LargestFace(solid));
}

std::optional<CutTree> BreadthFirstTree(const SolidPolygons& solid, int root) {
    std::vector<bool> fold(solid.Edges.size(), false);
    std::vector<bool> seen(solid.Faces.size(), false);
    std::deque<int> queue{root};
    seen[root] = true;
    while (!queue.empty()) {
        const int f = queue.front();
        queue.pop_front();
        for (std::size_t e = 0; e < solid.Edges.size(); ++e) {
            const FaceAdjacency& edge = solid.Edges[e];
            const int g = edge.FaceA == f ? edge.FaceB : edge.FaceB == f ? edge.FaceA : -1;
            if (g >= 0 && !seen[g]) seen[g] = true, fold[e] = true, queue.push_back(g);
        }
    }
    return TreeFromFolds(solid, fold, root);
}

int FindSet(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

// Joins faces along the longest edges first, skipping edges that would close a loop.
std::optional<CutTree> GreedyTree(const SolidPolygons& solid) {
    std::vector<int> order(solid.Edges.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return solid.Edges[a].Length > solid.Edges[b].Length + 1e-9; });
    std::vector<int> parent(solid.Faces.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<bool> fold(solid.Edges.size(), false);
    for (const int e : order) {
        const int a = FindSet(parent, solid.Edges[e].FaceA), b = FindSet(parent, solid.Edges[e].FaceB);
        if (a != b) parent[a] = b, fold[e] = true;
    }
    return TreeFromFolds(solid, fold, LargestFace(solid));
}

// Directions spread evenly over the sphere, the axes first.
std::vector<Point3> SearchDirections() {
    std::vector<Point3> directions{{0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}};
    constexpr int kSpread = 26;
    const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
    for (int k = 0; k < kSpread; ++k) {
        const double y = 1 - (k + 0.5) * 2 / kSpread, r = std::sqrt(1 - y * y);
        directions.push_back({r * std::cos(golden * k), y, r * std::sin(golden * k)});
    }
    return directions;
}

}  // namespace

std::vector<CandidateTree> CustomaryTrees(const SolidPolygons& solid) {
    std::vector<CandidateTree> trees;
    if (auto strip = StripTree(solid)) trees.push_back(*strip);
    if (auto star = StarTree(solid)) trees.push_back(*star);
    return trees;
}

std::vector<CandidateTree> SearchTrees(const SolidPolygons& solid) {
    std::vector<CandidateTree> trees;
    for (const Point3& d : SearchDirections())
        if (auto tree = SteepestEdgeTree(solid, d)) trees.push_back({*tree, "steepest edge"});
    if (auto tree = BreadthFirstTree(solid, LargestFace(solid))) trees.push_back({*tree, "breadth first"});
    if (auto tree = GreedyTree(solid)) trees.push_back({*tree, "greedy"});
    return trees;
}

}  // namespace quarn
