#pragma once
// Marks that the renderer draws as a pixel, a line, a curve or a piece of text rather than as faces.
// Each is a mesh of one face whose corners are all 0; the face's colour is the colour the mark is
// drawn in and is left to the caller. Such meshes must never be cleaned, which would drop that face.

#include <string>

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

Index CreatePointMarker(const Vector3D& position);
Index CreateLineSegment(const Vector3D& start, const Vector3D& end);
// One cubic Bezier segment from p0 to p3 with the control points p1 and p2.
Index CreateBezierCurve(const Vector3D& p0, const Vector3D& p1, const Vector3D& p2, const Vector3D& p3);
// The text drawn at the anchor; it is kept in the mesh's Name.
Index CreateTextLabel(const std::string& text, const Vector3D& position);

}  // namespace quarn
