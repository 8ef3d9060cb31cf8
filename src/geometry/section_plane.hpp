#pragma once
// A cutting plane as a lesson states it: through three points, or through a point with a normal. A
// point is a corner's letter ("A", "C1"), the midpoint of an edge ("mid(A,B)"), a point dividing an
// edge ("on(A,A1,1/3)": a third of the way from A to A1) or coordinates ("(10,0,-5)").
//
//   through:A,C,D1
//   point:0,0,0;normal:1,1,1        point:mid(A,C1);normal:dir(A,C1)

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/point3.hpp"
#include "geometry/vertex_labels.hpp"

namespace quarn {

// A plane text that cannot be taken; the text says what is wrong, in one line.
class SectionPlaneError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct PlanePoint {
    std::string Text;  // as written: "mid(A,B)"
    Point3 At;
};

struct SectionPlane {
    Point3 Point;
    Point3 Normal;                   // unit
    std::vector<PlanePoint> Points;  // the points the plane was given by
};

// Signed distance of p from the plane, positive on the normal's side.
inline double PlaneDistance(const SectionPlane& plane, const Point3& p) {
    return DotProduct(p - plane.Point, plane.Normal);
}

// Refuses unknown letters, malformed points, three points on one line and a zero normal.
SectionPlane ParseSectionPlane(std::string_view text, std::span<const LetteredCorner> letters);

// The plane with the normal turned to unit length; throws on a zero normal.
SectionPlane MakeSectionPlane(const Point3& point, const Point3& normal);

}  // namespace quarn
