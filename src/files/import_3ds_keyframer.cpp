// The keyframer's node list, which links meshes into a parent hierarchy.
//
// A node is taken as the child of the node before it when its parent number grows; a parent number of
// -1 starts a new root. The first node whose number does not grow (a sibling or a step back up) ends
// the linking, and later nodes are not read.

#include "files/import_3ds_chunks.hpp"
#include "files/import_3ds_objects.hpp"
#include "platform/engine_fault.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// True when ancestor is mesh itself or lies on its parent chain.
bool IsSelfOrAncestor(int ancestor, int mesh) {
    const SceneStore& s = Scene();
    // A chain is never longer than the mesh table; the bound also stops on a chain that loops.
    for (int step = 0; mesh != 0 && step <= kTableCapacity; ++step) {
        if (mesh == ancestor) return true;
        mesh = s.Meshes[mesh].Parent;
    }
    return false;
}

// Makes child a child of parent with its Position relative to the parent's origin. A mesh that already has
// a parent keeps it (its Position is already relative), and a link that would close a loop in the parent
// chain is not made. False when the positions overflow.
bool LinkToParent(int child, int parent) {
    MeshRecord& c = Scene().Meshes[child];
    if (c.Parent != 0 || IsSelfOrAncestor(child, parent)) return true;
    Vector3D relative;
    try {
        relative = VectorSubtract(c.Position, GetMeshWorldOrigin(parent));
    } catch (const ArithmeticError&) {
        return false;
    }
    c.Parent = static_cast<Index>(parent);
    c.Position = relative;
    c.MatrixDirty = true;
    return true;
}

struct NodeHeader {
    std::string Name;
    int Parent = 0;
};

// The header of the node whose tag chunk the cursor is in; nothing when it is missing or too short.
std::optional<NodeHeader> ReadNodeHeader(ChunkCursor& in) {
    const auto chunk = FindChunk(in, kNodeHeader);
    if (!chunk) return std::nullopt;
    ChunkScope scope(in, *chunk);
    if (!scope.Entered()) return std::nullopt;
    NodeHeader node;
    node.Name = in.ReadCString();
    if (!in.Fits(3, 2)) return std::nullopt;
    in.ReadInt16();  // flags1
    in.ReadInt16();  // flags2
    node.Parent = in.ReadInt16();
    return node;
}

}  // namespace

void ReadKeyframerChunk(Import3dsContext& context) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        Index previousMesh = 0;
        int previousParent = 0;
        for (;;) {
            const auto tag = FindChunk(in, kObjectNode);
            if (!tag) return;
            ChunkScope scope(in, *tag);
            if (!scope.Entered()) return;
            const auto node = ReadNodeHeader(in);
            if (!node) return;
            const Index mesh = FindMeshByName(node->Name);
            if (node->Parent == -1) {
                previousMesh = 0;
                previousParent = 0;
            }
            const bool descends = node->Parent > previousParent || node->Parent == -1;
            if (descends && previousMesh != 0 && mesh != 0 && !LinkToParent(mesh, previousMesh))
                context.Damaged.push_back(node->Name);
            previousMesh = mesh;
            previousParent = node->Parent;
            if (!descends) return;
        }
    });
}

}  // namespace quarn
