#include "scene/store_consistency.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "scene/scene_store.hpp"

namespace quarn {

std::string FindStoreInconsistency() {
    const SceneStore& s = Scene();
    auto rangeOk = [](const SlotRange& r) {
        return r.First == 1 && r.Count >= 0 && r.Count <= kTableCapacity;
    };
    if (!rangeOk(s.MeshSlots)) return "mesh slot range is broken";
    if (!rangeOk(s.CameraSlots)) return "camera slot range is broken";
    if (!rangeOk(s.LightSlots)) return "light slot range is broken";

    struct Run {
        int first, last, mesh;
    };
    std::vector<Run> vertexRuns, faceRuns;
    const int lastMesh = s.MeshSlots.First + s.MeshSlots.Count - 1;
    for (int i = s.MeshSlots.First; i <= lastMesh; ++i) {
        const MeshRecord& m = s.Meshes[i];
        const std::string name = "mesh " + std::to_string(i);
        if (m.VertexCount < 0 || m.FaceCount < 0) return name + " has a negative count";
        // An empty run may start one past the last slot.
        auto runOk = [](int first, int count) {
            return count == 0 ? first >= 1 && first <= kTableCapacity + 1
                              : first >= 1 && first + count - 1 <= kTableCapacity;
        };
        if (!runOk(m.FirstVertex, m.VertexCount)) return name + " has a vertex run outside 1..10000";
        if (!runOk(m.FirstFace, m.FaceCount)) return name + " has a face run outside 1..10000";
        const int lastVertex = m.FirstVertex + m.VertexCount - 1;
        if (m.VertexCount > 0) vertexRuns.push_back({m.FirstVertex, lastVertex, i});
        if (m.FaceCount > 0) faceRuns.push_back({m.FirstFace, m.FirstFace + m.FaceCount - 1, i});
        for (int v = m.FirstVertex; v <= lastVertex; ++v) {
            const Vector3D& p = s.Vertices[v];
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
                return name + " has a vertex that is not finite";
        }
        for (int f = m.FirstFace; f < m.FirstFace + m.FaceCount; ++f) {
            const FaceRecord& face = s.Faces[f];
            for (const int corner : {face.VertexA, face.VertexB, face.VertexC})
                if (corner < m.FirstVertex || corner > lastVertex)
                    return name + " has face " + std::to_string(f) + " with a corner outside its vertex run";
        }
        int step = 0;
        for (int p = m.Parent; p != 0; p = s.Meshes[p].Parent) {
            if (p < s.MeshSlots.First || p > lastMesh) return name + " has a parent chain leaving the meshes";
            if (p == i || ++step > s.MeshSlots.Count) return name + " is on a loop of parent links";
        }
    }
    for (auto* runs : {&vertexRuns, &faceRuns}) {
        std::sort(runs->begin(), runs->end(), [](const Run& a, const Run& b) { return a.first < b.first; });
        for (std::size_t k = 1; k < runs->size(); ++k)
            if ((*runs)[k].first <= (*runs)[k - 1].last)
                return "meshes " + std::to_string((*runs)[k - 1].mesh) + " and " +
                       std::to_string((*runs)[k].mesh) + " share " +
                       (runs == &vertexRuns ? "vertex" : "face") + " slots";
    }
    return {};
}

}  // namespace quarn
