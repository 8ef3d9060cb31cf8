#pragma once
// The records the scene tables hold.

#include <string>

#include "math/angles.hpp"
#include "math/color.hpp"
#include "math/matrix.hpp"
#include "math/vector3d.hpp"
#include "platform/numeric.hpp"

namespace quarn {

// Occupied slots First..First+Count-1 of a table.
struct SlotRange {
    Index First = 0;
    Index Count = 0;
};

// One triangle. Corners are absolute vertex indices inside the owning mesh's run; (B - A) x (C - A)
// points to the front side.
struct FaceRecord {
    Index VertexA = 0;
    Index VertexB = 0;
    Index VertexC = 0;
    ColorRGB16 Color;
    float Diffuse = 0;
    friend bool operator==(const FaceRecord&, const FaceRecord&) = default;
};

struct MeshRecord {
    Index FirstVertex = 0;
    Index VertexCount = 0;
    Index FirstFace = 0;
    Index FaceCount = 0;
    Vector3D Scale;
    float RotationZ = 0;
    float RotationX = 0;
    float RotationY = 0;
    Vector3D Position;  // in the parent's space, or the world's without a parent
    Index Parent = 0;
    bool MatrixDirty = false;
    Matrix4x4 WorldMatrix;  // cached local-to-world matrix, rebuilt by the renderer when dirty
    bool Visible = false;
    std::string Name;

    EulerAngles Rotation() const { return {RotationZ, RotationX, RotationY}; }
};

struct CameraRecord {
    float TanHalfFov = 0;
    float NearClip = 0;
    float FarClip = 0;
    float AttenuationNear = 0;
    float AttenuationFar = 0;
    float RotationZ = 0;
    float RotationX = 0;
    float RotationY = 0;
    Vector3D Position;
    bool MatrixDirty = false;
    Matrix4x4 ViewMatrix;
    bool TwoSided = false;
    bool SpecularOn = false;
    bool AttenuationOn = false;
    bool FaceColorLighting = false;
    ColorRGB16 DepthCueColor;
    Index DrawStyle = 0;
    bool Orthographic = false;
    float OrthoScale = 0;
    std::string Name;

    EulerAngles Rotation() const { return {RotationZ, RotationX, RotationY}; }
};

struct LightRecord {
    ColorRGB16 Color;
    float NearRange = 0;
    float FarRange = 0;
    float RotationZ = 0;
    float RotationX = 0;
    float RotationY = 0;
    Vector3D Position;
    float HotspotCos = 0;
    float FalloffCos = 0;  // the spot cone applies only when this is above 0
    bool Enabled = false;
    std::string Name;

    EulerAngles Rotation() const { return {RotationZ, RotationX, RotationY}; }
};

}  // namespace quarn
