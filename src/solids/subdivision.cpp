#include "solids/subdivision.hpp"

#include "scene/engine_error.hpp"
#include "scene/mesh_edit.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "scene/table.hpp"
#include "solids/curved_solids.hpp"
#include "solids/grid_builder.hpp"

namespace quarn {
namespace {

// Appends to a mesh that sits at the end of the pools. Vertex and face numbers are relative to the
// mesh's first slots; the counts are stored once a pass is complete.
class Refinement {
public:
    explicit Refinement(Index mesh)
        : mesh_(mesh), nextVertex_(Scene().Meshes[mesh].VertexCount), nextFace_(Scene().Meshes[mesh].FaceCount) {}

    Index Mesh() const { return mesh_; }

    // True when `vertices` more vertices and `faces` more faces fit below slot 10000; otherwise shows
    // the allocation error and deletes the mesh.
    bool Reserve(int vertices, int faces) {
        const MeshRecord& m = Scene().Meshes[mesh_];
        if (m.FirstVertex + nextVertex_ + vertices - 1 <= kTableCapacity &&
            m.FirstFace + nextFace_ + faces - 1 <= kTableCapacity)
            return true;
        ShowEngineError(kMeshAllocationError);
        DeleteMesh(mesh_);
        mesh_ = 0;
        return false;
    }

    Index AddVertex(const Vector3D& p) {
        const int slot = Scene().Meshes[mesh_].FirstVertex + nextVertex_++;
        Scene().Vertices[slot] = p;
        return static_cast<Index>(slot);
    }

    // Only the corners are written; colour and diffuse keep what the slot held.
    void AddFace(Index a, Index b, Index c) { SetCorners(Scene().Meshes[mesh_].FirstFace + nextFace_++, a, b, c); }

    static void SetCorners(int face, Index a, Index b, Index c) {
        FaceRecord& f = Scene().Faces[face];
        f.VertexA = a;
        f.VertexB = b;
        f.VertexC = c;
    }

    void StoreCounts() {
        MeshRecord& m = Scene().Meshes[mesh_];
        m.VertexCount = ToInt16(nextVertex_);
        m.FaceCount = ToInt16(nextFace_);
    }

private:
    Index mesh_;
    int nextVertex_;
    int nextFace_;
};

// Runs passes of splitFace over the faces present at the start of each pass. splitFace(refinement, j)
// splits face j, appending `vertices` vertices and `faces` faces. Returns the moved mesh, or 0.
template <class SplitFace>
Index Refine(Index mesh, Index passes, int vertices, int faces, SplitFace splitFace) {
    const Index moved = MoveMeshToEnd(mesh);
    if (moved == 0) return 0;
    Refinement refinement(moved);
    try {
        for (int pass = 0; pass < passes; ++pass) {
            const MeshRecord& m = Scene().Meshes[moved];
            const int first = m.FirstFace;
            const int last = RangeLast(m.FirstFace, m.FaceCount);
            for (int j = first; j <= last; ++j) {
                if (!refinement.Reserve(vertices, faces)) return 0;
                splitFace(refinement, j);
            }
            refinement.StoreCounts();
        }
    } catch (...) {
        // A fault part-way leaves a mesh whose new slots are not counted; it is the caller's solid, and
        // it is gone either way, as after a capacity failure.
        if (refinement.Mesh() != 0) DeleteMesh(refinement.Mesh());
        throw;
    }
    return moved;
}

}  // namespace

Index SubdivideMidpoints(Index mesh, Index passes) {
    const Index m = Refine(mesh, passes, 3, 3, [](Refinement& r, int j) {
        const SceneStore& s = Scene();
        const FaceRecord face = s.Faces[j];
        const Vector3D a = s.Vertices[face.VertexA], b = s.Vertices[face.VertexB], c = s.Vertices[face.VertexC];
        const Index ab = r.AddVertex(VectorLerp(a, b, 0.5f));
        const Index bc = r.AddVertex(VectorLerp(b, c, 0.5f));
        const Index ca = r.AddVertex(VectorLerp(c, a, 0.5f));
        r.AddFace(face.VertexA, ab, ca);
        r.AddFace(face.VertexB, bc, ab);
        r.AddFace(face.VertexC, ca, bc);
        Refinement::SetCorners(j, bc, ca, ab);
    });
    if (m == 0) return 0;
    // Neighbouring faces made their own copies of each shared midpoint; welding makes them one.
    CleanMesh(m);
    return RepackMeshWhereRoom(m);
}

Index SubdivideCentroids(Index mesh, Index passes) {
    const Index m = Refine(mesh, passes, 1, 2, [](Refinement& r, int j) {
        const SceneStore& s = Scene();
        const FaceRecord face = s.Faces[j];
        const Vector3D a = s.Vertices[face.VertexA], b = s.Vertices[face.VertexB], c = s.Vertices[face.VertexC];
        const Index centre = r.AddVertex(MakeVector((double(a.x) + b.x + c.x) / 3, (double(a.y) + b.y + c.y) / 3,
                                                    (double(a.z) + b.z + c.z) / 3));
        r.AddFace(face.VertexB, face.VertexC, centre);
        r.AddFace(face.VertexC, face.VertexA, centre);
        Refinement::SetCorners(j, face.VertexA, face.VertexB, centre);
    });
    return m == 0 ? 0 : RepackMeshWhereRoom(m);
}

Index CreateGeodesicSphere(float radius, Index passes) {
    Index m = CreateSphere(radius, 4, 2);
    for (int pass = 0; pass < passes && m != 0; ++pass) {
        m = SubdivideMidpoints(m, 1);
        if (m == 0) return 0;
        SceneStore& s = Scene();
        const MeshRecord& record = s.Meshes[m];
        for (int v = record.FirstVertex; v <= RangeLast(record.FirstVertex, record.VertexCount); ++v)
            s.Vertices[v] = VectorScale(VectorNormalize(s.Vertices[v]), radius);
    }
    return m;
}

}  // namespace quarn
