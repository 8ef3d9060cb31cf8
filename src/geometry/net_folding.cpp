#include "geometry/net_folding.hpp"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

constexpr double kPi = std::numbers::pi;

// p -> Columns[0]·p.x + Columns[1]·p.y + Columns[2]·p.z + Move.
struct Rigid {
    Point3 Columns[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Point3 Move;

    Point3 Turn(const Point3& p) const { return Columns[0] * p.x + Columns[1] * p.y + Columns[2] * p.z; }
    Point3 operator()(const Point3& p) const { return Turn(p) + Move; }
};

Rigid Compose(const Rigid& a, const Rigid& b) {
    Rigid c;
    for (int k = 0; k < 3; ++k) c.Columns[k] = a.Turn(b.Columns[k]);
    c.Move = a(b.Move);
    return c;
}

// The turn by angle about the line through at along the unit direction axis.
Rigid TurnAbout(const Point3& at, const Point3& axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    Rigid r;
    const Point3 units[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int k = 0; k < 3; ++k) {
        const Point3& v = units[k];
        r.Columns[k] = v * c + CrossProduct(axis, v) * s + axis * (DotProduct(axis, v) * (1 - c));
    }
    r.Move = at - r.Turn(at);
    return r;
}

Rigid FaceFrame(const NetFace& f) {
    Rigid r;
    r.Columns[0] = f.AxisX, r.Columns[1] = f.AxisY, r.Columns[2] = CrossProduct(f.AxisX, f.AxisY);
    r.Move = f.Origin;
    return r;
}

Point3 Lift(const Point2& p) { return {p.x, p.y, 0}; }

// Each face's place at t: the lowest face of each piece where the solid has it, every other face
// turned about the fold to its parent in the tree of folds by t times the fold's angle.
std::vector<Rigid> FacePlaces(const SolidNet& net, double t) {
    const int count = int(net.Faces.size());
    std::vector<std::vector<const NetFold*>> around(count);
    for (const NetFold& f : net.Folds) around[f.A.Face].push_back(&f), around[f.B.Face].push_back(&f);
    std::vector<Rigid> places(count);
    std::vector<bool> placed(count, false);
    std::vector<int> roots(std::max(net.Pieces, 1), -1);
    auto lift = [&](int f) { return CrossProduct(net.Faces[f].AxisX, net.Faces[f].AxisY).y; };
    for (int f = 0; f < count; ++f) {
        int& root = roots[std::clamp(net.Faces[f].Piece, 0, int(roots.size()) - 1)];
        if (root < 0 || lift(f) < lift(root) - 1e-9) root = f;
    }
    std::erase(roots, -1);
    for (const int root : roots) {
        places[root] = FaceFrame(net.Faces[root]);
        placed[root] = true;
        std::deque<int> queue{root};
        while (!queue.empty()) {
            const int parent = queue.front();
            queue.pop_front();
            const Rigid exactParent = FaceFrame(net.Faces[parent]);
            for (const NetFold* fold : around[parent]) {
                const NetEdge& hinge = fold->A.Face == parent ? fold->A : fold->B;
                const int child = fold->A.Face == parent ? fold->B.Face : fold->A.Face;
                if (placed[child]) continue;
                const NetFace& p = net.Faces[parent];
                const Point2 a2 = p.Outline[hinge.Edge], b2 = p.Outline[(hinge.Edge + 1) % p.Outline.size()];
                Point3 axis = Lift(b2 - a2);
                axis = axis * (1 / LengthOf(axis));
                // The child's normal as the parent's frame sees it fixes the signed fold angle.
                const Point3 normal = CrossProduct(net.Faces[child].AxisX, net.Faces[child].AxisY);
                const Point3 seen{DotProduct(normal, exactParent.Columns[0]), DotProduct(normal, exactParent.Columns[1]),
                                  DotProduct(normal, exactParent.Columns[2])};
                const double angle = std::atan2(DotProduct(axis, CrossProduct({0, 0, 1}, seen)), seen.z);
                places[child] = Compose(places[parent], TurnAbout(Lift(a2), axis, t * angle));
                placed[child] = true;
                queue.push_back(child);
            }
        }
    }
    return places;
}

// Developed parts: the frame of the solid and the maps of each part's points at t.
struct Roll {
    const DevelopedFrame& Frame;
    double T;
    Point3 E1, E2, Up;

    Roll(const DevelopedFrame& frame, double t)
        : Frame(frame), T(t), E1(frame.Toward), E2(CrossProduct(frame.Up, frame.Toward)), Up(frame.Up) {}

    // A cylinder's side bent round a circle of radius r/t that touches the plane of the flat net
    // along the line through fixed.
    Point3 Bend(const Point3& fixed, double r, double x, double y) const {
        if (T <= 0) return fixed + E2 * x + Up * y;
        const double radius = r / T, turn = x / radius, half = std::sin(turn / 2);
        return fixed + (E1 * (-2 * half * half) + E2 * std::sin(turn)) * radius + Up * y;
    }

    // A gore bent onto a sphere of radius r/t that touches the flat net at fixed: its middle line
    // (at x = middle) along a meridian, lengths across it along the parallels.
    Point3 OnSphere(const Point3& fixed, double r, double middle, double x, double y) const {
        if (T <= 0) return fixed + E2 * x + Up * y;
        const double radius = r / T, lat = y / radius, c = std::cos(lat);
        const double lon = middle / radius + (c > 1e-12 ? (x - middle) / (radius * c) : 0);
        const double s2 = std::sin(lat / 2), l2 = std::sin(lon / 2);
        const Point3 out = E1 * -(2 * s2 * s2 + c * 2 * l2 * l2) + E2 * (c * std::sin(lon)) + Up * std::sin(lat);
        return fixed + out * radius;
    }
};

std::vector<Point3> DevelopedPoints(const SolidNet& net, double t) {
    const DevelopedFrame& frame = net.Frame;
    const IdealSolid& s = frame.Solid;
    const Roll roll(frame, t);
    const Point3 &e1 = roll.E1, &e2 = roll.E2, &up = roll.Up;
    const Point3 base = frame.Base;
    const double quarter = t * kPi / 2;
    std::vector<Point3> points;
    auto add = [&](const NetPart& part, auto&& map) {
        for (const Point2& p : part.Cover.Points) points.push_back(map(p));
    };
    if (s.Shape == IdealShape::Cylinder) {
        const double r = s.A, h = s.B, middle = kPi * r;
        const Point3 foot = base + e1 * r, head = foot + up * h;
        const Point3 down = up * -std::cos(quarter) - e1 * std::sin(quarter);
        const Point3 lid = up * std::cos(quarter) - e1 * std::sin(quarter);
        for (const NetPart& part : net.Parts) {
            if (part.Shape == PartShape::Rectangle)
                add(part, [&](const Point2& p) { return roll.Bend(foot, r, p.x - middle, p.y); });
            else if (!part.Top)
                add(part, [&](const Point2& p) { return foot + e2 * (p.x - middle) + down * -p.y; });
            else
                add(part, [&](const Point2& p) { return head + e2 * (p.x - middle) + lid * (p.y - h); });
        }
    } else if (s.Shape == IdealShape::Cone || s.Shape == IdealShape::ConeFrustum) {
        const bool frustum = s.Shape == IdealShape::ConeFrustum;
        const double r1 = s.A, r2 = frustum ? s.B : 0, h = frustum ? s.C : s.B;
        const double slant = std::hypot(h, r1 - r2), outer = r1 * slant / (r1 - r2), inner = r2 * slant / (r1 - r2);
        const Point3 apex = base + up * (h * r1 / (r1 - r2)), d = up * -1;
        const double closed = std::asin((r1 - r2) / slant);
        const double beta = kPi / 2 - t * (kPi / 2 - closed);
        const double sb = std::sin(beta), cb = std::cos(beta);
        auto ray = [&](double g) { return e1 * std::cos(g) + d * std::sin(g); };
        const Point3 rim = apex + (d * cb + e1 * sb) * outer, rimTop = apex + (d * cb + e1 * sb) * inner;
        const Point3 toBase = ray(kPi / 2 - beta + t * (kPi / 2 + closed));
        const Point3 toTop = ray(3 * kPi / 2 - beta + t * (closed - kPi / 2)) * -1;
        for (const NetPart& part : net.Parts) {
            if (part.Shape != PartShape::Disc)
                add(part, [&](const Point2& p) {
                    const double radius = LengthOf(p), psi = std::atan2(p.x, -p.y) / sb;
                    return apex + (d * cb + (e1 * std::cos(psi) + e2 * std::sin(psi)) * sb) * radius;
                });
            else if (!part.Top)
                add(part, [&](const Point2& p) { return rim + toBase * -(p.y + outer) + e2 * p.x; });
            else
                add(part, [&](const Point2& p) { return rimTop + toTop * -(p.y + inner) + e2 * p.x; });
        }
    } else {
        const double r = s.A;
        const Point3 fixed = base + e1 * r;
        const Point3 down = up * -std::cos(quarter) - e1 * std::sin(quarter);
        for (const NetPart& part : net.Parts) {
            if (part.Shape == PartShape::Gore) {
                const double middle = part.Centre.x;
                add(part, [&](const Point2& p) { return roll.OnSphere(fixed, r, middle, p.x, p.y); });
            } else {
                add(part, [&](const Point2& p) { return fixed + e2 * p.x + down * -p.y; });
            }
        }
    }
    return points;
}

}  // namespace

std::vector<Point3> FoldNetPoints(const SolidNet& net, double t) {
    t = std::clamp(t, 0.0, 1.0);
    if (net.Kind == NetKind::Developed) return DevelopedPoints(net, t);
    const std::vector<Rigid> places = FacePlaces(net, t);
    std::vector<Point3> points;
    for (std::size_t f = 0; f < net.Faces.size(); ++f)
        for (const Point2& p : net.Faces[f].Cover.Points) points.push_back(places[f](Lift(p)));
    return points;
}

SolidMesh FoldNet(const SolidNet& net, double t) {
    SolidMesh mesh;
    mesh.Points = FoldNetPoints(net, t);
    int offset = 0;
    auto addCover = [&](const FlatTriangles& cover) {
        for (const auto& tri : cover.Triangles) mesh.Triangles.push_back({tri[0] + offset, tri[1] + offset, tri[2] + offset});
        offset += int(cover.Points.size());
    };
    for (const NetFace& f : net.Faces) addCover(f.Cover);
    for (const NetPart& p : net.Parts) addCover(p.Cover);
    return mesh;
}

Index StoreFoldedNet(const SolidMesh& folded) {
    const std::size_t faces = 2 * folded.Triangles.size();
    if (folded.Points.size() > kTableCapacity || faces > kTableCapacity) return CreateMesh(kTableCapacity + 1, 1);
    const Index mesh = CreateMesh(int(folded.Points.size()), int(faces));
    if (mesh == 0) return 0;
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (std::size_t k = 0; k < folded.Points.size(); ++k) {
        const Point3& p = folded.Points[k];
        s.Vertices[m.FirstVertex + int(k)] = {StoreFloat(p.x), StoreFloat(p.y), StoreFloat(p.z)};
    }
    int f = m.FirstFace;
    for (const auto& t : folded.Triangles)
        for (const bool front : {true, false}) {
            FaceRecord& face = s.Faces[f++];
            face.VertexA = CheckedAdd16(m.FirstVertex, t[0]);
            face.VertexB = CheckedAdd16(m.FirstVertex, front ? t[1] : t[2]);
            face.VertexC = CheckedAdd16(m.FirstVertex, front ? t[2] : t[1]);
        }
    return mesh;
}

}  // namespace quarn
