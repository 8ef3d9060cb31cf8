#include "drawing/sheet.hpp"

namespace quarn {

SheetPath& SheetPath::MoveTo(const Point2& p) {
    Steps.push_back({PathStep::Kind::MoveTo, p, {}, {}});
    return *this;
}

SheetPath& SheetPath::LineTo(const Point2& p) {
    Steps.push_back({PathStep::Kind::LineTo, p, {}, {}});
    return *this;
}

SheetPath& SheetPath::CurveTo(const Point2& control1, const Point2& control2, const Point2& p) {
    Steps.push_back({PathStep::Kind::CurveTo, p, control1, control2});
    return *this;
}

SheetPath& SheetPath::Close() {
    Steps.push_back({PathStep::Kind::Close, {}, {}, {}});
    return *this;
}

SheetPath& SheetPath::AddPolyline(const std::vector<Point2>& points) {
    for (std::size_t k = 0; k < points.size(); ++k) k == 0 ? MoveTo(points[k]) : LineTo(points[k]);
    return *this;
}

Box2 Sheet::Bounds() const {
    Box2 box = Extent;
    const auto addSteps = [&](const std::vector<PathStep>& steps) {
        for (const PathStep& step : steps) {
            if (step.Step == PathStep::Kind::Close) continue;
            box.Add(step.To);
            if (step.Step == PathStep::Kind::CurveTo) box.Add(step.Control1), box.Add(step.Control2);
        }
    };
    for (const SheetFill& fill : Fills) addSteps(fill.Outline);
    for (const SheetPath& path : Paths) addSteps(path.Steps);
    for (const Point2& dot : Dots) box.Add(dot);
    for (const SheetText& text : Texts) box.Add(text.At);
    return box;
}

}  // namespace quarn
