#include "drawing/line_drawing.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>
#include <cstring>
#include <limits>
#include <memory>
#include <numbers>
#include <optional>

#include "drawing/hidden_lines.hpp"
#include "drawing/polyline_chains.hpp"
#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"
#include "geometry/vertex_labels.hpp"

namespace quarn {
namespace {

// Relative to the model's size: how close to a visible line a hidden line is drawn over by it.
constexpr double kCoincidenceTolerance = 1e-5;
// The least stretch of a silhouette that a facet folding over it hides, relative to the facet's inradius.
constexpr double kFoldOverlap = 1.0 / 3;

// What a drawing needs of a mesh whatever the view.
struct MeshFacts {
    SolidMesh Mesh;  // what they were worked out from
    double FeatureAngleDegrees = 0;
    MeshTopology Topology;
    std::vector<EdgeKind> Kinds;
    std::vector<std::vector<int>> VertexFaces;
    std::vector<double> Inradius;  // per face, in the model
};

// The same bits: the same topology, edge kinds and radii.
bool SameMesh(const SolidMesh& a, const SolidMesh& b) {
    return a.Points.size() == b.Points.size() && a.Triangles.size() == b.Triangles.size() &&
           (a.Points.empty() || std::memcmp(a.Points.data(), b.Points.data(), a.Points.size() * sizeof(Point3)) == 0) &&
           (a.Triangles.empty() ||
            std::memcmp(a.Triangles.data(), b.Triangles.data(), a.Triangles.size() * sizeof(a.Triangles[0])) == 0);
}

std::shared_ptr<const MeshFacts> WorkOutFacts(const SolidMesh& solid, double featureAngleDegrees) {
    auto facts = std::make_shared<MeshFacts>();
    facts->Mesh = solid;
    facts->FeatureAngleDegrees = featureAngleDegrees;
    facts->Topology = BuildMeshTopology(solid);
    const MeshTopology& t = facts->Topology;
    facts->Kinds = ClassifyEdges(t, featureAngleDegrees);
    facts->VertexFaces.resize(t.Points.size());
    for (std::size_t f = 0; f < t.Faces.size(); ++f)
        for (const int v : t.Faces[f]) facts->VertexFaces[v].push_back(int(f));
    facts->Inradius.reserve(t.Faces.size());
    for (const auto& c : t.Faces) {
        const Point3 &p0 = t.Points[c[0]], &p1 = t.Points[c[1]], &p2 = t.Points[c[2]];
        const double perimeter = LengthOf(p1 - p0) + LengthOf(p2 - p1) + LengthOf(p0 - p2);
        facts->Inradius.push_back(perimeter > 0 ? LengthOf(CrossProduct(p1 - p0, p2 - p0)) / perimeter : 0);
    }
    return facts;
}

// The facts of the last few meshes drawn are kept, so that the same mesh drawn in another view (the
// three views, a sheet drawn again) does not work them out again.
std::shared_ptr<const MeshFacts> FactsOf(const SolidMesh& solid, double featureAngleDegrees) {
    constexpr std::size_t kKept = 4;
    thread_local std::vector<std::shared_ptr<const MeshFacts>> recent;  // the latest first
    for (auto it = recent.begin(); it != recent.end(); ++it)
        if ((*it)->FeatureAngleDegrees == featureAngleDegrees && SameMesh((*it)->Mesh, solid)) {
            std::rotate(recent.begin(), it, it + 1);
            return recent.front();
        }
    recent.insert(recent.begin(), WorkOutFacts(solid, featureAngleDegrees));
    if (recent.size() > kKept) recent.pop_back();
    return recent.front();
}

struct PreparedMesh {
    explicit PreparedMesh(std::shared_ptr<const MeshFacts> facts)
        : Facts(std::move(facts)), Topology(Facts->Topology), Kinds(Facts->Kinds),
          VertexFaces(Facts->VertexFaces), Inradius(Facts->Inradius) {}
    std::shared_ptr<const MeshFacts> Facts;
    const MeshTopology& Topology;
    const std::vector<EdgeKind>& Kinds;
    const std::vector<std::vector<int>>& VertexFaces;
    const std::vector<double>& Inradius;
    std::vector<Point3> ViewPoints;  // per welded vertex
    std::vector<bool> Facing;        // per face: turned to the viewer
};

struct DrawingContext {
    const DrawingView& View;
    std::vector<PreparedMesh> Meshes;
    double DepthTolerance = 0;
    double Tolerance2d = 0;
    double ShortestPiece = 0;
};

bool InFront(const DrawingView& view, const Point3& p) {
    return !view.IsPerspective() || p.z >= view.NearClip();
}

// The part of a view-space polygon beyond the near plane of a perspective view.
std::vector<Point3> ClipToNear(const std::vector<Point3>& polygon, double nearClip) {
    std::vector<Point3> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point3& a = polygon[i];
        const Point3& b = polygon[(i + 1) % polygon.size()];
        const bool aIn = a.z >= nearClip, bIn = b.z >= nearClip;
        if (aIn) out.push_back(a);
        if (aIn != bIn) out.push_back(a + (b - a) * ((nearClip - a.z) / (b.z - a.z)));
    }
    return out;
}

std::vector<Occluder> ProjectFaces(const DrawingContext& ctx) {
    std::vector<Occluder> occluders;
    for (int m = 0; m < int(ctx.Meshes.size()); ++m) {
        const PreparedMesh& mesh = ctx.Meshes[m];
        for (int f = 0; f < int(mesh.Topology.Faces.size()); ++f) {
            const auto& corners = mesh.Topology.Faces[f];
            std::vector<Point3> polygon{mesh.ViewPoints[corners[0]], mesh.ViewPoints[corners[1]],
                                        mesh.ViewPoints[corners[2]]};
            if (ctx.View.IsPerspective()) polygon = ClipToNear(polygon, ctx.View.NearClip());
            for (std::size_t k = 2; k < polygon.size(); ++k)
                occluders.push_back({{ctx.View.Project(polygon[0]), ctx.View.Project(polygon[k - 1]),
                                      ctx.View.Project(polygon[k])},
                                     m,
                                     f,
                                     corners});
        }
    }
    return occluders;
}

// Marks the corners of every face at either end of the edge with the edge's number.
void MarkFold(const PreparedMesh& mesh, int e, std::vector<int>& mark) {
    const TopologyEdge& edge = mesh.Topology.Edges[e];
    for (const int end : {edge.A, edge.B})
        for (const int f : mesh.VertexFaces[end])
            for (const int v : mesh.Topology.Faces[f]) mark[v] = e;
}

// True when a corner of a face next to face f stands out in front of f's plane: the surface there is
// saddle-shaped or hollow rather than bulging.
bool IsSaddle(const PreparedMesh& mesh, int f) {
    const Point3& corner = mesh.Topology.Points[mesh.Topology.Faces[f][0]];
    for (const int v : mesh.Topology.Faces[f])
        for (const int g : mesh.VertexFaces[v])
            for (const int w : mesh.Topology.Faces[g])
                if (DotProduct(mesh.Topology.Points[w] - corner, mesh.Topology.Normals[f]) >
                    kDepthTolerance * mesh.Topology.Size)
                    return true;
    return false;
}

// Edges a teacher draws in this view: feature and boundary edges, and silhouettes between a face
// turned to the viewer and one turned away.
bool IsDrawn(const PreparedMesh& mesh, int e, bool& silhouetteOnly) {
    const TopologyEdge& edge = mesh.Topology.Edges[e];
    silhouetteOnly = mesh.Kinds[e] == EdgeKind::Smooth;
    return !silhouetteOnly || mesh.Facing[edge.Faces[0]] != mesh.Facing[edge.Faces[1]];
}

// The visible pieces between the hidden intervals, and the hidden ones.
void AddRuns(const Projected& a, const Projected& b, const Intervals& hidden, int mesh, int edge,
             std::vector<EdgeRun>& runs) {
    const auto at = [&](double s) { return a.At + (b.At - a.At) * s; };
    double visibleFrom = 0;
    for (const auto& [lo, hi] : hidden) {
        if (lo > visibleFrom) runs.push_back({at(visibleFrom), at(lo), true, mesh, edge});
        runs.push_back({at(lo), at(hi), false, mesh, edge});
        visibleFrom = hi;
    }
    if (visibleFrom < 1) runs.push_back({at(visibleFrom), at(1), true, mesh, edge});
}

// The part of a view-space segment beyond the near plane of a perspective view; one end lies there.
void ClipSegmentToNear(Point3& a, Point3& b, double nearClip) {
    const bool aIn = a.z >= nearClip, bIn = b.z >= nearClip;
    if (aIn && !bIn) b = a + (b - a) * ((nearClip - a.z) / (b.z - a.z));
    if (!aIn && bIn) a = a + (b - a) * ((nearClip - a.z) / (b.z - a.z));
}

// A stretch of one mesh's edges, drawn by one thread into runs of its own.
struct EdgeStretch {
    int Mesh = 0, From = 0, To = 0;
    std::vector<EdgeRun> Runs;
};

// The runs of the stretch's edges, in the order of the edges.
void DrawStretch(const DrawingContext& ctx, const OccluderGrid& grid, OccluderVisits& visits, EdgeStretch& stretch) {
    const int m = stretch.Mesh;
    const PreparedMesh& mesh = ctx.Meshes[m];
    std::vector<EdgeRun>& runs = stretch.Runs;
    std::vector<int> foldMark(mesh.Topology.Points.size(), -1);
    std::vector<signed char> saddle(mesh.Topology.Faces.size(), -1);  // worked out when first asked
    const auto isSaddle = [&](int f) {
        if (saddle[f] < 0) saddle[f] = IsSaddle(mesh, f);
        return saddle[f] == 1;
    };
    for (int e = stretch.From; e < stretch.To; ++e) {
        bool silhouetteOnly = false;
        if (!IsDrawn(mesh, e, silhouetteOnly)) continue;
        const TopologyEdge& edge = mesh.Topology.Edges[e];
        Point3 from = mesh.ViewPoints[edge.A], to = mesh.ViewPoints[edge.B];
        if (ctx.View.IsPerspective()) {
            if (!InFront(ctx.View, from) && !InFront(ctx.View, to)) continue;
            ClipSegmentToNear(from, to, ctx.View.NearClip());
        }
        const Projected a = ctx.View.Project(from), b = ctx.View.Project(to);
        const double length = LengthOf(b.At - a.At);
        if (length <= ctx.Tolerance2d) continue;  // seen end-on
        // One over depth changes by about depth change / depth squared.
        const double nearest = std::min(from.z, to.z);
        const double qTolerance =
            ctx.View.IsPerspective() ? ctx.DepthTolerance / (nearest * nearest) : ctx.DepthTolerance;
        // A silhouette of a faceted curved surface folds over the facets around its ends (those with
        // a corner on a face at either end of the edge) in the picture, and where it steps from one
        // row of facets to the next it runs a little way behind them. Where the surface bulges about
        // the edge the smooth surface has its outline beyond such facets, so they never hide it.
        // Where the outline runs over a saddle-shaped or hollow part (a face of the edge has a
        // neighbouring corner in front of its plane), as on the inner half of a torus, a facet
        // beside it may truly lie in front of it: it hides stretches longer than a third of its own
        // inradius, shorter overlaps being the faceting. The edge's own two faces never hide it.
        if (silhouetteOnly) MarkFold(mesh, e, foldMark);
        const bool foldMayHide = silhouetteOnly && (isSaddle(edge.Faces[0]) || isSaddle(edge.Faces[1]));
        const auto margin = [&](const Occluder& o) -> OccluderMargin {
            if (o.Mesh != m) return {};
            if (o.Face == edge.Faces[0] || o.Face == edge.Faces[1])
                return {std::numeric_limits<double>::infinity(), 0};
            if (!silhouetteOnly) return {};
            for (const int v : o.Vertices)
                if (foldMark[v] == e)
                    return foldMayHide ? OccluderMargin{0, kFoldOverlap * mesh.Inradius[o.Face]}
                                       : OccluderMargin{std::numeric_limits<double>::infinity(), 0};
            return {};
        };
        // An edge shorter than the shortest piece may still be hidden as a whole.
        const double minLength = std::min(ctx.ShortestPiece, 0.1 * length) / length;
        AddRuns(a, b, MergeIntervals(grid.HiddenIntervals(a, b, qTolerance, margin, visits), minLength), m, e,
                runs);
    }
}

// The edges of every mesh in stretches, shared out over the hardware's threads as each thread comes
// for more; the stretches' runs are joined in the order of the meshes and edges, so that the drawing
// does not depend on how many threads drew it or which drew what.
void DrawEdges(const DrawingContext& ctx, const OccluderGrid& grid, std::vector<EdgeRun>& runs) {
    const unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
    // Small enough that the threads finish together, large enough to outweigh taking one.
    constexpr int kStretchEdges = 512;
    std::vector<EdgeStretch> stretches;
    for (int m = 0; m < int(ctx.Meshes.size()); ++m) {
        const int edges = int(ctx.Meshes[m].Topology.Edges.size());
        for (int from = 0; from < edges; from += kStretchEdges)
            stretches.push_back({m, from, std::min(edges, from + kStretchEdges), {}});
    }
    const unsigned threads = unsigned(std::min<std::size_t>(hardware, stretches.size()));
    std::atomic<std::size_t> next{0};
    std::vector<std::exception_ptr> failures(threads);
    const auto work = [&](unsigned t) {
        try {
            OccluderVisits visits;
            for (std::size_t k; (k = next.fetch_add(1)) < stretches.size();) DrawStretch(ctx, grid, visits, stretches[k]);
        } catch (...) {
            failures[t] = std::current_exception();
            next = stretches.size();  // the others stop at their next stretch
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work, t);
        if (threads > 0) work(0);
    }
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
    std::size_t total = 0;
    for (const EdgeStretch& stretch : stretches) total += stretch.Runs.size();
    runs.reserve(runs.size() + total);
    for (const EdgeStretch& stretch : stretches) runs.insert(runs.end(), stretch.Runs.begin(), stretch.Runs.end());
}

// The visible runs bucketed into a uniform grid over the drawing, each in every cell its box (grown by the
// tolerance) meets, so that a hidden run is compared only with the visible runs near it. The cells' lists
// lie one after another, counted first and then filled.
class VisibleRunGrid {
  public:
    VisibleRunGrid(const std::vector<const EdgeRun*>& visible, double tolerance) : visible_(visible) {
        for (const EdgeRun* v : visible) box_.Add(v->From), box_.Add(v->To);
        if (box_.Empty()) return;
        box_.MinX -= tolerance, box_.MinY -= tolerance, box_.MaxX += tolerance, box_.MaxY += tolerance;
        side_ = std::clamp(int(std::sqrt(double(visible.size()))), 1, 256);
        cellWidth_ = std::max(box_.Width(), 1e-300) / side_;
        cellHeight_ = std::max(box_.Height(), 1e-300) / side_;
        cellStart_.assign(std::size_t(side_) * side_ + 1, 0);
        stamp_.assign(visible.size(), 0);
        for (const EdgeRun* v : visible) ForCells(*v, tolerance, [&](std::size_t cell) { ++cellStart_[cell + 1]; });
        for (std::size_t k = 1; k < cellStart_.size(); ++k) cellStart_[k] += cellStart_[k - 1];
        cellItems_.resize(cellStart_.back());
        std::vector<int> filled(cellStart_.begin(), cellStart_.end() - 1);
        for (int i = 0; i < int(visible.size()); ++i)
            ForCells(*visible[i], tolerance, [&](std::size_t cell) { cellItems_[filled[cell]++] = i; });
    }

    // Calls use(run) once for every visible run in the cells that the run's grown box meets.
    template <class Use>
    void ForNear(const EdgeRun& run, double tolerance, Use use) {
        if (cellStart_.empty()) return;
        ++query_;
        ForCells(run, tolerance, [&](std::size_t cell) {
            for (int k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const int i = cellItems_[k];
                if (stamp_[i] != query_) stamp_[i] = query_, use(*visible_[i]);
            }
        });
    }

  private:
    template <class Visit>
    void ForCells(const EdgeRun& run, double tolerance, Visit visit) const {
        const auto cell = [&](double x, double y) {
            return std::pair{std::clamp(int(std::floor((x - box_.MinX) / cellWidth_)), 0, side_ - 1),
                             std::clamp(int(std::floor((y - box_.MinY) / cellHeight_)), 0, side_ - 1)};
        };
        const auto [c0, r0] =
            cell(std::min(run.From.x, run.To.x) - tolerance, std::min(run.From.y, run.To.y) - tolerance);
        const auto [c1, r1] =
            cell(std::max(run.From.x, run.To.x) + tolerance, std::max(run.From.y, run.To.y) + tolerance);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) visit(std::size_t(r) * side_ + c);
    }

    const std::vector<const EdgeRun*>& visible_;
    Box2 box_;
    int side_ = 1;
    double cellWidth_ = 1, cellHeight_ = 1;
    std::vector<int> cellStart_;  // per cell: where its runs begin in cellItems_; one more at the end
    std::vector<int> cellItems_;
    std::vector<unsigned> stamp_;
    unsigned query_ = 0;
};

// Where a hidden line runs along a visible one, only the visible line is drawn.
void DropHiddenUnderVisible(std::vector<EdgeRun>& runs, double tolerance) {
    std::vector<EdgeRun> kept;
    std::vector<const EdgeRun*> visible;
    for (const EdgeRun& r : runs)
        if (r.Visible) visible.push_back(&r);
    VisibleRunGrid near(visible, tolerance);
    kept.reserve(runs.size());
    Intervals covered;
    for (const EdgeRun& h : runs) {
        if (h.Visible) {
            kept.push_back(h);
            continue;
        }
        const Point2 d = h.To - h.From;
        const double length = LengthOf(d);
        const Point2 unit = d * (1 / length);
        covered.clear();
        near.ForNear(h, tolerance, [&](const EdgeRun& v) {
            const double offFrom = std::fabs(CrossProduct2(unit, v.From - h.From));
            const double offTo = std::fabs(CrossProduct2(unit, v.To - h.From));
            if (offFrom > tolerance || offTo > tolerance) return;
            double s0 = (unit.x * (v.From.x - h.From.x) + unit.y * (v.From.y - h.From.y)) / length;
            double s1 = (unit.x * (v.To.x - h.From.x) + unit.y * (v.To.y - h.From.y)) / length;
            if (s0 > s1) std::swap(s0, s1);
            s0 = std::max(s0, 0.0), s1 = std::min(s1, 1.0);
            if (s0 < s1) covered.push_back({s0, s1});
        });
        const double minLength = tolerance / length;
        const Intervals merged = MergeIntervals(covered, minLength);
        double from = 0;
        const auto keep = [&](double s0, double s1) {
            if (s1 - s0 >= minLength)
                kept.push_back({h.From + d * s0, h.From + d * s1, false, h.Mesh, h.Edge});
        };
        for (const auto& [lo, hi] : merged) keep(from, lo), from = hi;
        keep(from, 1);
    }
    runs = std::move(kept);
}

void NameCorners(const DrawingContext& ctx, int m, double letterTurn, std::vector<VertexLabel>& labels) {
    const PreparedMesh& mesh = ctx.Meshes[m];
    // The corners are named as the solid stood before it was turned for the drawing.
    std::optional<MeshTopology> unturned;
    if (letterTurn != 0) {
        unturned = mesh.Topology;
        const double c = std::cos(letterTurn), s = std::sin(letterTurn);
        for (Point3& p : unturned->Points) p = {p.x * c + p.z * s, p.y, p.z * c - p.x * s};
    }
    const std::vector<CornerName> names =
        NamePolyhedronCorners(unturned ? *unturned : mesh.Topology, MergeCoplanarFaces(mesh.Topology), mesh.Kinds);
    Point2 middle;
    int count = 0;
    for (const CornerName& n : names)
        if (InFront(ctx.View, mesh.ViewPoints[n.Vertex]))
            middle = middle + ctx.View.Project(mesh.ViewPoints[n.Vertex]).At, ++count;
    if (count == 0) return;
    middle = middle * (1.0 / count);
    for (const CornerName& n : names) {
        if (!InFront(ctx.View, mesh.ViewPoints[n.Vertex])) continue;
        const Point2 at = ctx.View.Project(mesh.ViewPoints[n.Vertex]).At;
        const double distance = LengthOf(at - middle);
        const Point2 away = distance > 0 ? (at - middle) * (1 / distance) : Point2{0, 1};
        labels.push_back({n.Letter, n.Subscript, at, away});
    }
}

// Turns each letter into the widest opening between the lines that meet at its vertex, so that it
// sits beside them rather than on one.
void PlaceLabelsBesideLines(std::vector<VertexLabel>& labels, const std::vector<EdgeRun>& runs,
                            double tolerance) {
    for (VertexLabel& label : labels) {
        std::vector<double> angles;
        for (const EdgeRun& r : runs)
            for (const auto& [end, other] : {std::pair{r.From, r.To}, std::pair{r.To, r.From}})
                if (LengthOf(end - label.At) <= tolerance && LengthOf(other - label.At) > tolerance)
                    angles.push_back(std::atan2(other.y - label.At.y, other.x - label.At.x));
        if (angles.empty()) continue;
        std::sort(angles.begin(), angles.end());
        double widest = 0, middle = 0;
        for (std::size_t k = 0; k < angles.size(); ++k) {
            const double from = angles[k];
            const double to = k + 1 < angles.size() ? angles[k + 1] : angles[0] + 2 * std::numbers::pi;
            if (to - from > widest) widest = to - from, middle = (from + to) / 2;
        }
        label.Away = {std::cos(middle), std::sin(middle)};
    }
}

}  // namespace

LineDrawing DrawSolidEdges(std::span<const SolidMesh> meshes, const DrawingView& view,
                           const DrawingOptions& options) {
    DrawingContext ctx{view, {}, 0, 0};
    double size = 0;
    for (const SolidMesh& solid : meshes) {
        PreparedMesh mesh(FactsOf(solid, options.FeatureAngleDegrees));
        mesh.ViewPoints.reserve(mesh.Topology.Points.size());
        for (const Point3& p : mesh.Topology.Points) mesh.ViewPoints.push_back(view.ToView(p));
        mesh.Facing.reserve(mesh.Topology.Faces.size());
        for (std::size_t f = 0; f < mesh.Topology.Faces.size(); ++f)
            mesh.Facing.push_back(view.FacesViewer(view.DirectionToView(mesh.Topology.Normals[f]),
                                                   mesh.ViewPoints[mesh.Topology.Faces[f][0]]));
        size = std::max(size, mesh.Topology.Size);
        ctx.Meshes.push_back(std::move(mesh));
    }

    LineDrawing drawing;
    for (const PreparedMesh& mesh : ctx.Meshes)
        for (const auto& face : mesh.Topology.Faces)
            for (const int v : face)
                if (InFront(view, mesh.ViewPoints[v]))
                    drawing.Extent.Add(view.Project(mesh.ViewPoints[v]).At);
    const double extent = std::max(drawing.Extent.Width(), drawing.Extent.Height());
    ctx.DepthTolerance = kDepthTolerance * size;
    ctx.Tolerance2d = kOutlineTolerance * extent;
    ctx.ShortestPiece = kShortestPiece * extent;

    const OccluderGrid grid(ProjectFaces(ctx), ctx.Tolerance2d);
    DrawEdges(ctx, grid, drawing.Runs);
    DropHiddenUnderVisible(drawing.Runs, kCoincidenceTolerance * extent);
    drawing.Lines = ChainRuns(drawing.Runs);
    if (options.Labels) {
        for (int m = 0; m < int(ctx.Meshes.size()); ++m) NameCorners(ctx, m, options.LetterTurn, drawing.Labels);
        PlaceLabelsBesideLines(drawing.Labels, drawing.Runs, kCoincidenceTolerance * extent);
    }
    return drawing;
}

}  // namespace quarn
