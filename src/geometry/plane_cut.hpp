#pragma once
// The section of a closed mesh by a plane: where the plane crosses the faces, chained into closed
// polygons (several where the plane cuts the solid in several places), with the measures a worksheet
// asks for. The corners are classified against the plane once, with a tolerance to the mesh's size,
// so that a plane through corners, along edges or through faces gives each point and side once.

#include <span>
#include <string>
#include <vector>

#include "geometry/mesh_topology.hpp"
#include "geometry/section_plane.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct SectionPolygon {
    std::vector<Point3> Points;  // counter-clockwise seen from the normal's side; no three on a line
    std::vector<double> Sides;   // Sides[k]: from Points[k] to Points[k + 1]
    std::vector<double> Angles;  // interior angle at Points[k], degrees
    double Area = 0;             // of the polygon itself, holes not taken off
    double Perimeter = 0;
    bool Hole = false;  // inside another polygon of the section: its area is taken off
};

enum class SectionOutcome {
    Cut,    // the plane passes through the solid
    Touch,  // it meets the solid only at corners or along edges: no area
    Miss,   // it misses the solid
};

struct Section {
    SectionPlane Plane;
    SectionOutcome Outcome = SectionOutcome::Miss;
    std::vector<SectionPolygon> Polygons;
    double Area = 0;       // the polygons less their holes
    double Perimeter = 0;  // of every polygon
    std::string Note;      // for a touch or a miss: what the plane does instead
};

Section CutSolid(const SolidMesh& mesh, const SectionPlane& plane);
// The same on a topology built once, for a plane that follows a slider.
Section CutSolid(const MeshTopology& topology, const SectionPlane& plane);

// Unit directions in the plane: U, V and the normal form a right-handed frame.
void PlaneAxes(const Point3& normal, Point3& u, Point3& v);

}  // namespace quarn

namespace quarn {

// A polygon of more points than this is a faceted curve: its points other than corners are not lettered.
inline constexpr std::size_t kMostLetteredPoints = 8;

// The letters of the section's points, polygon by polygon: a corner of the solid keeps its letter
// ("A", "C1"); every other point takes the next capital no corner uses (E, F, ... for a cube; never O,
// kept for a centre), or none ("") on a faceted curve.
std::vector<std::vector<std::string>> LetterSectionPoints(const Section& section,
                                                          std::span<const LetteredCorner> corners);

}  // namespace quarn
