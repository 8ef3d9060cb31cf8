#include "render/lighting.hpp"

#include "math/angles.hpp"
#include "platform/numeric.hpp"
#include "render/draw_list.hpp"
#include "render/draw_style_codes.hpp"
#include "render/frame_messages.hpp"
#include "scene/engine_error.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

float AtLeastZero(float value) { return value < 0 ? 0.0f : value; }

float StoreClamped01(double value) {
    const float f = StoreFloat(value);
    return f < 0 ? 0.0f : (f > 1 ? 1.0f : f);
}

// (full - distance) / (full - near), clamped to [0, 1]: 1 up to near, 0 from full on. Equal ends
// show the given error and give 1.
float RangeFactor(float nearEnd, float farEnd, float distance, int errorCode) {
    if (farEnd == nearEnd) {
        ShowFrameEngineError(errorCode);
        return 1;
    }
    return StoreClamped01(CheckedDivide(double(farEnd) - distance, double(farEnd) - nearEnd));
}

// 1 inside the hotspot cone, 0 outside the falloff cone, linear in the cosine between; 1 without a cone.
float SpotFactor(const LightRecord& light, const Vector3D& p) {
    if (!(light.FalloffCos > 0)) return 1;
    const float cosine =
        AtLeastZero(VectorCosAngle(DirectionFromAngles(light.Rotation()), VectorSubtract(p, light.Position)));
    if (light.FalloffCos == light.HotspotCos) {
        ShowFrameEngineError(kBadLightSettings);
        return cosine;
    }
    return StoreClamped01(
        CheckedDivide(double(light.FalloffCos) - cosine, double(light.FalloffCos) - light.HotspotCos));
}

ColorRGB16 LightContribution(const LightRecord& light, const Vector3D& p, const Vector3D& n, const FaceRecord& face,
                             const CameraRecord& camera) {
    const float spot = SpotFactor(light, p);
    const float diffuse = AtLeastZero(VectorCosAngle(VectorSubtract(light.Position, p), n));
    float specular = 0;
    if (camera.SpecularOn) {
        const Vector3D reflected = VectorReflect(VectorSubtract(p, light.Position), n);
        specular = AtLeastZero(VectorCosAngle(reflected, VectorSubtract(camera.Position, p)));
    }
    float atten = 1;
    if (camera.AttenuationOn)
        atten = RangeFactor(light.NearRange, light.FarRange, VectorDistance(p, light.Position), kBadLightSettings);

    if (camera.FaceColorLighting) {
        const ColorRGB16 c = ColorAdd(ColorScale(face.Color, diffuse),
                                      ColorScale(light.Color, StoreFloat(double(specular) * face.Diffuse)));
        return ColorScale(c, StoreFloat(double(spot) * atten));
    }
    const float k = StoreFloat((double(specular) * face.Diffuse + diffuse) * atten * spot);
    return ColorScale(light.Color, k);
}

std::int16_t AtMost255(std::int16_t c) { return c > 255 ? std::int16_t{255} : c; }

void ShadeSmooth(int camera) {
    SceneStore& s = Scene();
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        s.VertexAccum[face.VertexA] = s.VertexAccum[face.VertexB] = s.VertexAccum[face.VertexC] = {};
    });
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        const Vector3D n = FaceNormal(f);
        for (const Index corner : {face.VertexA, face.VertexB, face.VertexC})
            s.VertexAccum[corner] = VectorAdd(s.VertexAccum[corner], n);
    });
    // A corner shared by several listed faces keeps the colour of the last (nearest) of them.
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        for (const Index corner : {face.VertexA, face.VertexB, face.VertexC})
            s.VertexShades[corner] = ShadePoint(s.WorldVertices[corner], s.VertexAccum[corner], f, camera);
    });
}

}  // namespace

Vector3D FaceCentroid(int face) {
    const SceneStore& s = Scene();
    const FaceRecord& f = s.Faces[face];
    const Vector3D& a = s.WorldVertices[f.VertexA];
    const Vector3D& b = s.WorldVertices[f.VertexB];
    const Vector3D& c = s.WorldVertices[f.VertexC];
    return MakeVector((double(b.x) + a.x + c.x) / 3, (double(b.y) + a.y + c.y) / 3, (double(b.z) + a.z + c.z) / 3);
}

Vector3D FaceNormal(int face) {
    const SceneStore& s = Scene();
    const FaceRecord& f = s.Faces[face];
    const Vector3D& a = s.WorldVertices[f.VertexA];
    return VectorCross(VectorSubtract(s.WorldVertices[f.VertexB], a), VectorSubtract(s.WorldVertices[f.VertexC], a));
}

ColorRGB16 ShadePoint(const Vector3D& p, const Vector3D& n, int face, int camera) {
    const SceneStore& s = Scene();
    const FaceRecord& f = s.Faces[face];
    const CameraRecord& c = s.Cameras[camera];
    ColorRGB16 sum;
    for (int i = s.LightSlots.First; i <= RangeLast(s.LightSlots); ++i) {
        const LightRecord& light = s.Lights[i];
        if (light.Enabled) sum = ColorAdd(sum, LightContribution(light, p, n, f, c));
    }
    sum = {AtMost255(sum.Red), AtMost255(sum.Green), AtMost255(sum.Blue)};

    float depth = 1;
    if (c.AttenuationOn)
        depth = RangeFactor(c.AttenuationNear, c.AttenuationFar, VectorDistance(p, c.Position), kBadCameraSettings);
    if (c.FaceColorLighting) return ColorLerp(c.DepthCueColor, sum, depth);
    return ColorLerp(c.DepthCueColor, ColorLerp(f.Color, sum, f.Diffuse), depth);
}

void ShadeFaces(int camera) {
    FrameMessageScope messages;
    SceneStore& s = Scene();
    switch (s.Cameras[camera].DrawStyle) {
        case kStyleFlatEdged:
            ForEachListedFace([&](Index f) { s.FaceShades[f] = s.Faces[f].Color; });
            break;
        case kStyleFlatShaded:
        case kStyleMergeShaded:
            ForEachListedFace(
                [&](Index f) { s.FaceShades[f] = ShadePoint(FaceCentroid(f), FaceNormal(f), f, camera); });
            break;
        case kStyleSmooth:
            ShadeSmooth(camera);
            break;
        default:
            break;  // outlines only, or an unknown style: no colours
    }
}

}  // namespace quarn
