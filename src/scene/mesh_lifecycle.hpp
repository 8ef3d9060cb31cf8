#pragma once
// Creating, copying, moving, merging and deleting meshes. Operations that delete a mesh return the
// index their result has afterwards; 0 means failure (the engine error has been shown).

#include "platform/numeric.hpp"

namespace quarn {

// A new mesh owning fresh runs of the given lengths, or 0 after "Unable to allocate memory for mesh!".
// The runs are not cleared; the caller writes every vertex and face it asked for.
Index CreateMesh(int vertexCount, int faceCount);

// Removes the mesh; later meshes move down one slot and parent links follow them. An index that names
// no mesh changes nothing.
void DeleteMesh(int mesh);
void DeleteMeshesExcept(int keep);

Index CopyMesh(int mesh);
// Copies the mesh into the first free runs that fit it and deletes the original.
Index RepackMesh(int mesh);
// RepackMesh when a copy fits; otherwise (the pools or the mesh table nearly full) the mesh stays where it
// is, which is as valid a place, instead of being reported lost while it still occupies its slots.
// Returns the mesh's index afterwards; never shows an error.
Index RepackMeshWhereRoom(int mesh);
// Re-creates the mesh with its runs after every owned slot, so that it can grow. On failure the mesh is
// gone and 0 is returned.
Index MoveMeshToEnd(int mesh);
// One mesh holding first's vertices and faces, then second's; both sources are deleted.
Index MergeMeshes(int first, int second);

// True when the index names an occupied mesh slot.
bool MeshExists(int mesh);

}  // namespace quarn
