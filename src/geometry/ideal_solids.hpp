#pragma once
// The exact measures of the solids that faceted meshes stand for: a cone beside its many-sided
// pyramid, a sphere beside its faceted sphere.

#include <optional>
#include <string_view>

namespace quarn {

enum class IdealShape {
    Box,             // A x B x C
    Square,          // A x B, flat: no volume
    Sphere,          // radius A
    Hemisphere,      // radius A, with its base disc
    Cone,            // radius A, height B
    Cylinder,        // radius A, height B
    CylinderSector,  // radius A, height B, angle C degrees
    Tetrahedron,     // regular, circumradius A
    Octahedron,      // regular, circumradius A
    Torus,           // major radius A, tube radius B
    Prism,           // regular, Sides, circumradius A, height B
    Pyramid,         // regular, Sides, circumradius A, height B
    Frustum,         // of a regular pyramid: Sides, bottom circumradius A, top B, height C
    ConeFrustum,     // bottom radius A, top radius B, height C
};

struct IdealSolid {
    IdealShape Shape = IdealShape::Box;
    double A = 0, B = 0, C = 0;
    int Sides = 0;
};

struct IdealMeasures {
    std::string_view Name;
    std::string_view VolumeFormula;
    double SurfaceArea = 0;
    std::optional<double> Volume;
};

IdealMeasures MeasureIdealSolid(const IdealSolid& solid);

}  // namespace quarn
