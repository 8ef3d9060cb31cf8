#pragma once
// The measures of a mesh for a worksheet: element counts of the triangle mesh and of the solid it
// shows, the Euler characteristic, the surface area and, for a closed and consistently wound mesh, the
// volume. What cannot be computed is said, not guessed.

#include <optional>
#include <string>

#include "geometry/mesh_topology.hpp"
#include "geometry/solid_faces.hpp"
#include "geometry/solid_mesh.hpp"

namespace quarn {

struct ElementCounts {
    int Vertices = 0;
    int Edges = 0;
    int Faces = 0;
};

struct SolidMeasures {
    ElementCounts TriangleMesh;   // as stored: every vertex slot, every distinct corner pair, every face
    ElementCounts Solid;          // coplanar triangles merged, straight edge runs joined
    int EulerCharacteristic = 0;  // of Solid
    int DegenerateFaces = 0;
    int BoundaryEdges = 0;
    int OverSharedEdges = 0;    // used by more than two faces
    int InconsistentEdges = 0;  // two faces that run the edge the same way
    double SurfaceArea = 0;
    std::optional<double> Volume;
    std::string VolumeNote;  // why there is no volume, or that the faces were wound inward
};

SolidMeasures MeasureSolid(const SolidMesh& mesh);
// The same, from the mesh's topology and its coplanar faces merged, built once by a caller that
// needs them too.
SolidMeasures MeasureSolid(const SolidMesh& mesh, const MeshTopology& topology, const SolidFaces& faces);

}  // namespace quarn
