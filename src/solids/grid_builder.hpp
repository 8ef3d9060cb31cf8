#pragma once
// What the growing builders share: a mesh that grows upward from CreateMesh(0, 0) with a capacity
// check before every vertex and face write, the row-by-row vertex grid and its stitching, the ring
// angles, and the welding and repacking that finish a grown mesh.

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// (sin theta, 0, cos theta): theta 0 points along +z and pi/2 along +x.
Vector3D RingDirection(float theta);

// The angle step of n divisions of a full turn, rounded to float; n = 0 raises ArithmeticError.
float RingStep(int n);
// Angle k * step, k converted to float and the product rounded to float.
float GridAngle(int k, float step);

// A mesh under construction. It is created empty, just above every owned slot, and grows one vertex or
// face at a time. When a write would pass slot 10000 it shows "Unable to allocate memory for mesh!" and
// deletes the partial mesh; a fault that escapes before Finish also deletes it, so a failed build never
// leaves half a mesh behind.
class MeshGrower {
public:
    MeshGrower();
    ~MeshGrower();
    MeshGrower(const MeshGrower&) = delete;
    MeshGrower& operator=(const MeshGrower&) = delete;

    // False once the build has failed (including a failed CreateMesh); later writes are ignored.
    bool Ok() const { return mesh_ != 0; }

    // Appends a vertex; false after the capacity failure.
    bool AddVertex(const Vector3D& p);
    // Appends a face whose corners are vertex numbers relative to the mesh's first vertex. Only the
    // corners are written: colour and diffuse keep what the slot held.
    bool AddFace(int a, int b, int c);

    int VertexCount() const { return vertices_; }

    // Welds, repacks and hands the mesh over; 0 when the build had failed.
    Index Finish();

private:
    void Fail();

    Index mesh_ = 0;
    int vertices_ = 0;
    int faces_ = 0;
};

// Writes the faces of a grid of bands + 1 rows and columns + 1 columns whose vertex (r, c) is number
// r * (columns + 1) + c: two faces per cell, band by band and column by column. With backFaces each
// cell's pair is followed by the same two faces with their second and third corners swapped.
// False after a capacity failure.
bool StitchGrid(MeshGrower& grower, int bands, int columns, bool backFaces = false);

// Grows a grid solid: vertexAt(r, c) is called row by row for r = 0..bands and c = 0..columns, the
// grid is stitched, then welded and repacked. Returns the mesh index or 0.
template <class VertexAt>
Index BuildGridSolid(int bands, int columns, VertexAt vertexAt, bool backFaces = false) {
    MeshGrower grower;
    for (int r = 0; r <= bands && grower.Ok(); ++r)
        for (int c = 0; c <= columns && grower.Ok(); ++c) grower.AddVertex(vertexAt(r, c));
    StitchGrid(grower, bands, columns, backFaces);
    return grower.Finish();
}

}  // namespace quarn
