#include "scene/slot_search.hpp"

#include <algorithm>
#include <array>

#include "scene/scene_store.hpp"

namespace quarn {
namespace {

Index NextSlot(const SlotRange& range) {
    const int last = RangeLast(range);
    return last + 1 > kTableCapacity ? 0 : static_cast<Index>(last + 1);
}

struct Run {
    int first;
    int count;
};

// The gap search over one pool. Runs start at 1..10001 (an empty run may start one past the pool), so
// the largest run end below every start is found with one prefix maximum over the pool instead of a
// pass over all meshes per mesh.
template <class RunOfMesh>
Index FindFreeRun(int n, RunOfMesh runOf) {
    if (n < 0) return 0;
    const SceneStore& s = Scene();
    const int firstMesh = s.MeshSlots.First;
    const int lastMesh = RangeLast(s.MeshSlots);
    constexpr int kStarts = kTableCapacity + 2;  // run starts 0..10001

    int highestEnd = 0;
    int highestStart = 0;
    for (int i = firstMesh; i <= lastMesh; ++i) {
        const Run run = runOf(s.Meshes[i]);
        highestEnd = std::max(highestEnd, run.first + run.count - 1);
        highestStart = std::max(highestStart, std::clamp(run.first, 0, kStarts - 1));
    }
    if (n != 0) {
        // Only starts up to the highest one are ever looked up, so the prefix stops there.
        static std::array<int, kStarts + 1> largestEndBelow;  // [s]: largest end of runs starting below s
        std::fill(largestEndBelow.begin(), largestEndBelow.begin() + highestStart + 2, 0);
        for (int i = firstMesh; i <= lastMesh; ++i) {
            const Run run = runOf(s.Meshes[i]);
            const int start = std::clamp(run.first, 0, kStarts - 1);
            largestEndBelow[start + 1] = std::max(largestEndBelow[start + 1], run.first + run.count - 1);
        }
        for (int k = 1; k <= highestStart + 1; ++k)
            largestEndBelow[k] = std::max(largestEndBelow[k], largestEndBelow[k - 1]);
        for (int i = firstMesh; i <= lastMesh; ++i) {
            const int start = std::clamp(runOf(s.Meshes[i]).first, 0, kStarts - 1);
            const int gapStart = largestEndBelow[start] + 1;
            if (start - gapStart >= n) return static_cast<Index>(gapStart);
        }
    }
    if (highestEnd + n > kTableCapacity) return 0;
    return static_cast<Index>(highestEnd + 1);
}

}  // namespace

Index NextMeshSlot() { return NextSlot(Scene().MeshSlots); }
Index NextCameraSlot() { return NextSlot(Scene().CameraSlots); }
Index NextLightSlot() { return NextSlot(Scene().LightSlots); }

Index FindFreeVertexRange(int n) {
    return FindFreeRun(n, [](const MeshRecord& m) { return Run{m.FirstVertex, m.VertexCount}; });
}

Index FindFreeFaceRange(int n) {
    return FindFreeRun(n, [](const MeshRecord& m) { return Run{m.FirstFace, m.FaceCount}; });
}

}  // namespace quarn
