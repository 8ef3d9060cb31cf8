#pragma once
// The scene store: the engine's whole state in fixed tables, the renderer's work buffers and the
// application globals. There is one store per process, reached through Scene().

#include "scene/records.hpp"
#include "scene/table.hpp"

namespace quarn {

struct SceneStore {
    Table<Vector3D> Vertices;
    Table<FaceRecord> Faces;
    Table<MeshRecord> Meshes;
    Table<CameraRecord> Cameras;
    Table<LightRecord> Lights;

    SlotRange MeshSlots;
    SlotRange CameraSlots;
    SlotRange LightSlots;

    // Renderer work buffers; they carry nothing between frames that other code relies on.
    Table<Vector3D> WorldVertices;
    Table<Vector3D> ViewVertices;
    Table<Vector3D> ScreenVertices;  // screen x, screen y, depth 0 (near) .. 1 (far)
    Table<float> FaceDepths;         // sort key per draw-list position
    Table<Index> DrawList;           // face indices back to front; a 0 entry ends the list
    Table<Vector3D> VertexAccum;
    Table<ColorRGB16> VertexShades;
    Table<ColorRGB16> FaceShades;

    Index CurrentMesh = 0;
    Index CurrentCamera = 0;
    Index CurrentLight = 0;
    bool NeedsRedraw = false;
};

SceneStore& Scene();

// Returns the store to its state at program start, before InitEngine (every slot zero).
void ResetScene();

// Makes the slot ranges start at 1. Called once before anything else touches the store.
void InitEngine();

// First + Count - 1; for an empty run First - 1.
Index RangeLast(const SlotRange& range);
Index RangeLast(int first, int count);

}  // namespace quarn
