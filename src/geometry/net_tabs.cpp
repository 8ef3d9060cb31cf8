#include "geometry/net_tabs.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/net_layout.hpp"

namespace quarn {
namespace {

// The tab on the edge from a to b of a counter-clockwise outline: a trapezoid on its right, its foot
// kept back from both corners by inset (a share of the edge), its sides at 45 degrees.
std::vector<Point2> Trapezoid(const Point2& a, const Point2& b, double height, double inset = 0) {
    Point2 d = b - a;
    const double length = LengthOf(d);
    d = d * (1 / length);
    const Point2 out{d.y, -d.x};
    const Point2 from = a + d * (inset * length), to = b - d * (inset * length);
    height = std::min(height, 0.3 * length * (1 - 2 * inset));
    return {from, from + out * height + d * height, to + out * height - d * height, to};
}

FlatTriangles AsCover(const std::vector<Point2>& quad) {
    return {quad, {{0, 1, 2}, {0, 2, 3}}};
}

struct Obstacles {
    std::vector<const FlatTriangles*> Covers;
    std::vector<FlatTriangles> Tabs;
    double Tolerance = 0;

    // own: the part a rim tab belongs to, which its foot cuts into.
    bool Clear(const std::vector<Point2>& tab, const FlatTriangles* own = nullptr) const {
        const FlatTriangles cover = AsCover(tab);
        for (const FlatTriangles* c : Covers)
            if (c != own && CoversOverlap(cover, *c, Tolerance)) return false;
        for (const FlatTriangles& c : Tabs)
            if (CoversOverlap(cover, c, Tolerance)) return false;
        return true;
    }
};

double MedianEdge(const SolidNet& net) {
    std::vector<double> lengths;
    for (const NetFace& f : net.Faces)
        for (std::size_t i = 0; i < f.Outline.size(); ++i)
            lengths.push_back(LengthOf(f.Outline[(i + 1) % f.Outline.size()] - f.Outline[i]));
    if (lengths.empty()) return 1;
    std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
    return lengths[lengths.size() / 2];
}

Point2 Middle(const std::vector<Point2>& tab) {
    return (tab[0] + tab[1] + tab[2] + tab[3]) * 0.25;
}

}  // namespace

void AddGlueTabs(SolidNet& net) {
    net.Tabs.clear();
    Obstacles obstacles;
    for (const NetFace& f : net.Faces) obstacles.Covers.push_back(&f.Cover);
    for (const NetPart& p : net.Parts) obstacles.Covers.push_back(&p.Cover);
    const Box2 box = NetBounds(net);
    obstacles.Tolerance = 1e-7 * std::max(std::hypot(box.Width(), box.Height()), 1e-9);
    const double height = net.Kind == NetKind::Polyhedral ? 0.15 * MedianEdge(net) : 0.12 * net.Frame.Solid.A;
    const bool developed = net.Kind == NetKind::Developed;
    auto place = [&](const std::vector<Point2>& tab, int number, const NetEdge& on, int edges) {
        obstacles.Tabs.push_back(AsCover(tab));
        net.Tabs.push_back({tab, developed ? -1 : on.Face, developed ? on.Face : -1, on.Edge, edges, number, Middle(tab)});
    };
    for (const NetCut& cut : net.Cuts) {
        // Either side, kept back from the corners and smaller, until one is clear; the smallest on the
        // first side if none is.
        std::vector<Point2> chosen;
        NetEdge on = cut.A;
        for (double h = height; chosen.empty() && h > height / 10; h /= 2)
            for (const double inset : {0.0, 0.15})
                for (const bool first : {true, false}) {
                    const auto& side = first ? cut.EdgeA : cut.EdgeB;
                    std::vector<Point2> tab = Trapezoid(side[0], side[1], h, inset);
                    if (chosen.empty() && obstacles.Clear(tab)) chosen = tab, on = first ? cut.A : cut.B;
                }
        if (chosen.empty()) chosen = Trapezoid(cut.EdgeA[0], cut.EdgeA[1], height / 20, 0.25);
        place(chosen, cut.Number, on, 1);
    }
    // Small tabs round each disc, each on a run of rim points, with gaps between them.
    for (std::size_t p = 0; p < net.Parts.size(); ++p) {
        const NetPart& part = net.Parts[p];
        if (part.Shape != PartShape::Disc) continue;
        const int n = int(part.Outline.size());
        const int per = std::max(1, int(std::round(n * height * 2.5 / (2 * std::numbers::pi * part.Radius))));
        for (int k = 0; k + per <= n; k += per + (per > 1 ? 1 : 0)) {
            std::vector<Point2> tab = Trapezoid(part.Outline[k], part.Outline[(k + per) % n], height * 0.6);
            if (obstacles.Clear(tab, &part.Cover)) place(tab, 0, {int(p), k}, per);
        }
    }
}

}  // namespace quarn
