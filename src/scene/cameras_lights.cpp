#include "scene/cameras_lights.hpp"

#include <cmath>

#include "math/angles.hpp"
#include "scene/engine_error.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "scene/slot_search.hpp"

namespace quarn {
namespace {

// Closes the gap left by slot i of a dense table: later records move down, the last becomes zero.
template <class Record>
void CloseGap(Table<Record>& table, SlotRange& range, int i) {
    const int last = RangeLast(range);
    if (i < range.First || i < 1 || i > last) return;
    for (int j = i; j < last; ++j) table[j] = std::move(table[j + 1]);
    table[last] = Record{};
    range.Count = CheckedSub16(range.Count, 1);
}

template <class Delete>
void DeleteAllExcept(const SlotRange& range, int keep, Delete deleteSlot) {
    for (int i = RangeLast(range); i >= range.First; --i)
        if (i != keep) deleteSlot(i);
}

}  // namespace

Index CreateCamera() {
    const Index slot = NextCameraSlot();
    if (slot == 0) {
        ShowEngineError(kCameraAllocationError);
        return 0;
    }
    SceneStore& s = Scene();
    SetCameraFieldOfView(slot, DegreesToRadians(60));
    CameraRecord& c = s.Cameras[slot];
    c.NearClip = 1.0f;
    c.FarClip = 1600.0f;
    c.AttenuationNear = 1.0f;
    c.AttenuationFar = 1600.0f;
    c.MatrixDirty = true;
    s.CameraSlots.Count = CheckedAdd16(s.CameraSlots.Count, 1);
    return slot;
}

void SetCameraFieldOfView(int camera, float angle) {
    Scene().Cameras[camera].TanHalfFov = StoreFloat(std::tan(double(angle) / 2));
}

void OrbitCamera(int camera, const Vector3D& target, float distance, float yaw, float pitch) {
    CameraRecord& c = Scene().Cameras[camera];
    const float negativeYaw = -yaw;
    const Vector3D forward = DirectionFromAngles({0, pitch, negativeYaw});
    c.Position = VectorSubtract(target, VectorScale(forward, distance));
    c.RotationX = pitch;
    c.RotationY = negativeYaw;
    c.MatrixDirty = true;
}

void DeleteCamera(int camera) { CloseGap(Scene().Cameras, Scene().CameraSlots, camera); }

void DeleteCamerasExcept(int keep) { DeleteAllExcept(Scene().CameraSlots, keep, DeleteCamera); }

Index CreateLight() {
    const Index slot = NextLightSlot();
    if (slot == 0) {
        ShowEngineError(kLightAllocationError);
        return 0;
    }
    SceneStore& s = Scene();
    LightRecord& l = s.Lights[slot];
    l.Color = ColorFromRGB(0xFFFFFF);
    l.NearRange = 1.0f;
    l.FarRange = 1600.0f;
    l.Enabled = true;
    s.LightSlots.Count = CheckedAdd16(s.LightSlots.Count, 1);
    return slot;
}

void DeleteLight(int light) { CloseGap(Scene().Lights, Scene().LightSlots, light); }

void DeleteLightsExcept(int keep) { DeleteAllExcept(Scene().LightSlots, keep, DeleteLight); }

void ClearSceneExcept(int keepMesh, int keepCamera, int keepLight) {
    DeleteMeshesExcept(keepMesh);
    DeleteCamerasExcept(keepCamera);
    DeleteLightsExcept(keepLight);
}

}  // namespace quarn
