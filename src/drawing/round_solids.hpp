#pragma once
// Solids of revolution drawn from the exact solid, as a teacher draws them: in the oblique drawing the
// circles of the bases as horizontal ellipses (the diameter across the front at its true length, the
// one in depth at the oblique drawing's depth scale), the outline as the true tangent lines, the back
// half of a base dashed; a sphere as a circle with its equator; in the three views rectangles,
// triangles, trapezoids and circles, a cone's apex as a point in the top view. Every circle and
// ellipse is written as cubic Bézier arcs.

#include <optional>

#include "drawing/drawing_view.hpp"
#include "drawing/sheet.hpp"
#include "geometry/ideal_solids.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

// A cylinder, cone, cone frustum, sphere, hemisphere or ring torus with its axis vertical through
// (X, Z), from Bottom to Top, where a mesh that stands for it lies.
struct RoundSolid {
    IdealShape Shape = IdealShape::Cylinder;
    double X = 0, Z = 0;
    double Bottom = 0, Top = 0;
    double BottomRadius = 0, TopRadius = 0;  // a sphere's radius in both; a cone's top radius is 0
    bool DomeUp = true;                      // of a hemisphere: its flat base below the dome
    double TubeRadius = 0;                   // of a torus, whose tube's middle circle has BottomRadius
};

// The round solid the exact solid names, at the place of the mesh; nothing for other shapes.
std::optional<RoundSolid> PlaceRoundSolid(const IdealSolid& exact, const SolidMesh& mesh);

struct RoundSolidLook {
    bool Labels = false;     // O, O1 at the centres of the bases, S at a cone's apex, A and B
    bool Auxiliary = false;  // the axis and base diameter dashed, centres as dots, centre lines
};

// The drawing of the solid in the oblique drawing or one of the three views (not Orbit); its Extent
// is the solid's outline.
Sheet DrawRoundSolid(const RoundSolid& solid, ViewKind view, const RoundSolidLook& look);

}  // namespace quarn
