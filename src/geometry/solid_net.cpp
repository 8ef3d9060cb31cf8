#include "geometry/solid_net.hpp"

#include "geometry/developed_nets.hpp"
#include "geometry/face_polygons.hpp"
#include "geometry/polyhedral_net.hpp"

namespace quarn {

SolidNet UnfoldSolid(const NetSource& source) {
    if (source.Exact) {
        const IdealShape shape = source.Exact->Shape;
        if (IsDevelopedShape(shape) || shape == IdealShape::Torus || shape == IdealShape::Square ||
            shape == IdealShape::CylinderSector)
            return DevelopSolid(*source.Exact, source.Mesh);
    }
    return UnfoldPolyhedron(BuildFacePolygons(source.Mesh), source.LetterFeatureAngleDegrees);
}

Box2 NetBounds(const SolidNet& net) {
    Box2 box;
    for (const NetFace& f : net.Faces)
        for (const Point2& p : f.Outline) box.Add(p);
    for (const NetPart& p : net.Parts)
        for (const Point2& q : p.Outline) box.Add(q);
    for (const NetTab& t : net.Tabs)
        for (const Point2& q : t.Outline) box.Add(q);
    return box;
}

}  // namespace quarn
