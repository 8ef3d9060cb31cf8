#include "scene/scene_store.hpp"

#include <memory>

namespace quarn {
namespace {

std::unique_ptr<SceneStore>& StorePointer() {
    static std::unique_ptr<SceneStore> store = std::make_unique<SceneStore>();
    return store;
}

}  // namespace

SceneStore& Scene() { return *StorePointer(); }

void ResetScene() { StorePointer() = std::make_unique<SceneStore>(); }

void InitEngine() {
    SceneStore& s = Scene();
    s.MeshSlots.First = 1;
    s.CameraSlots.First = 1;
    s.LightSlots.First = 1;
}

Index RangeLast(const SlotRange& range) { return RangeLast(range.First, range.Count); }

Index RangeLast(int first, int count) { return ToInt16(static_cast<long long>(first) + count - 1); }

}  // namespace quarn
