#pragma once
// Double-precision points and directions for solid geometry and drawing: the scene stores floats,
// but edge classification, visibility and measures are computed in double.

#include <cmath>
#include <cstddef>
#include <vector>

namespace quarn {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct Point2 {
    double x = 0;
    double y = 0;
};

inline Point3 operator+(const Point3& a, const Point3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator-(const Point3& a, const Point3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point3 operator*(const Point3& a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double DotProduct(const Point3& a, const Point3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point3 CrossProduct(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double LengthOf(const Point3& a) {
    return std::sqrt(DotProduct(a, a));
}

inline Point2 operator+(const Point2& a, const Point2& b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point2 operator-(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point2 operator*(const Point2& a, double s) {
    return {a.x * s, a.y * s};
}
// z of the 3D cross product: positive when b lies counter-clockwise of a.
inline double CrossProduct2(const Point2& a, const Point2& b) {
    return a.x * b.y - a.y * b.x;
}
// Positive for a counter-clockwise outline.
inline double SignedArea(const std::vector<Point2>& outline) {
    double twice = 0;
    for (std::size_t k = 0; k < outline.size(); ++k) twice += CrossProduct2(outline[k], outline[(k + 1) % outline.size()]);
    return twice / 2;
}
inline double LengthOf(const Point2& a) {
    return std::sqrt(a.x * a.x + a.y * a.y);  // drawing coordinates are far from overflowing
}

// An axis-aligned box in the drawing plane; empty until a point is added.
struct Box2 {
    double MinX = INFINITY, MinY = INFINITY, MaxX = -INFINITY, MaxY = -INFINITY;

    bool Empty() const { return MinX > MaxX; }
    double Width() const { return Empty() ? 0 : MaxX - MinX; }
    double Height() const { return Empty() ? 0 : MaxY - MinY; }
    void Add(const Point2& p) {
        MinX = std::fmin(MinX, p.x), MaxX = std::fmax(MaxX, p.x);
        MinY = std::fmin(MinY, p.y), MaxY = std::fmax(MaxY, p.y);
    }
    void Add(const Box2& b) {
        if (!b.Empty()) Add(Point2{b.MinX, b.MinY}), Add(Point2{b.MaxX, b.MaxY});
    }
};

}  // namespace quarn
