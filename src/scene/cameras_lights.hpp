#pragma once
// Cameras and lights: creation, deletion, field of view, the camera orbit, and clearing the scene.

#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// A camera with a 60 degree field of view, clip and attenuation range 1..1600; 0 after
// "Unable to allocate memory for camera!".
Index CreateCamera();
void SetCameraFieldOfView(int camera, float angle);
// Puts the camera on a sphere of the given radius round target, looking at it.
void OrbitCamera(int camera, const Vector3D& target, float distance, float yaw, float pitch);
// Later cameras move down one slot. An index that names no camera changes nothing.
void DeleteCamera(int camera);
void DeleteCamerasExcept(int keep);

// A white light with range 1..1600; 0 after "Unable to allocate memory for light!".
Index CreateLight();
void DeleteLight(int light);
void DeleteLightsExcept(int keep);

// Deletes every mesh, camera and light but the three given (0 keeps none of that kind).
void ClearSceneExcept(int keepMesh, int keepCamera, int keepLight);

}  // namespace quarn
