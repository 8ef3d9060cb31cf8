#pragma once
// What the model readers share when they turn file data into a mesh: checks on values read from a file
// and the finishing steps (cleaning and repacking), with the mesh removed again if reading fails.

#include <cstdint>

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// True when a run of count slots starting at first stays inside the tables (an empty run always does).
bool RunFitsTable(int first, int count);

// The absolute vertex index of a corner given as an offset from a mesh's first vertex, or 0 when the sum
// leaves the tables. Corners outside the mesh's run are dropped with their faces when it is finished.
Index CornerFromOffset(int firstVertex, int offset);

// A colour component read from a file, held within 0..255.
std::int16_t ClampColorComponent(int value);

bool IsFiniteVector(const Vector3D& v);

// A mesh that a reader is filling. If the reader leaves by an exception the mesh is deleted, so no
// half-made mesh stays in the store.
class PendingMesh {
public:
    explicit PendingMesh(Index mesh) : mesh_(mesh) {}
    ~PendingMesh();
    PendingMesh(const PendingMesh&) = delete;
    PendingMesh& operator=(const PendingMesh&) = delete;

    Index Get() const { return mesh_; }
    // Deletes the mesh now.
    void Discard();
    // Cleans the mesh (which also drops faces with a corner outside its vertex run) and repacks it into
    // the first free runs. Returns its final index, or 0 when there was no room to repack it (error 1 has been shown and
    // the mesh is deleted).
    Index Finish();

private:
    Index mesh_;
};

}  // namespace quarn
