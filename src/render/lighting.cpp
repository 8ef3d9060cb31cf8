#include "render/lighting.hpp"

#include <bit>
#include <cstdint>
#include <vector>

#include "math/angles.hpp"
#include "platform/numeric.hpp"
#include "platform/reference_path.hpp"
#include "render/draw_list.hpp"
#include "render/draw_style_table.hpp"
#include "render/face_geometry.hpp"
#include "render/frame_messages.hpp"
#include "scene/engine_error.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// The lighting model is written once over an arithmetic policy: CheckedArithmetic shows engine errors
// and throws at once, DeferredArithmetic only notes that the point must be shaded the checked way.
template <class Arith>
void ShowOrDefer(Arith& arith, int code) {
    if constexpr (Arith::kDefers) {
        arith.Fail();
    } else {
        ShowFrameEngineError(code);
    }
}

float AtLeastZero(float value) {
    return value < 0 ? 0.0f : value;
}

template <class Arith>
float StoreClamped01(Arith& arith, double value) {
    const float f = arith.Store(value);
    return f < 0 ? 0.0f : (f > 1 ? 1.0f : f);
}

// (full - distance) / (full - near), clamped to [0, 1]: 1 up to near, 0 from full on. Equal ends
// show the given error and give 1.
template <class Arith>
float RangeFactor(Arith& arith, float nearEnd, float farEnd, float distance, int errorCode) {
    if (farEnd == nearEnd) {
        ShowOrDefer(arith, errorCode);
        return 1;
    }
    return StoreClamped01(arith, arith.Divide(double(farEnd) - distance, double(farEnd) - nearEnd));
}

// 1 inside the hotspot cone, 0 outside the falloff cone, linear in the cosine between; 1 without a cone.
template <class Arith>
float SpotFactor(Arith& arith, const LightRecord& light, const Vector3D& p) {
    if (!(light.FalloffCos > 0)) return 1;
    const Vector3D toPoint = VectorSubtract(arith, p, light.Position);
    const float cosine = AtLeastZero(VectorCosAngle(arith, DirectionFromAngles(light.Rotation()), toPoint));
    if (light.FalloffCos == light.HotspotCos) {
        ShowOrDefer(arith, kBadLightSettings);
        return cosine;
    }
    return StoreClamped01(
        arith, arith.Divide(double(light.FalloffCos) - cosine, double(light.FalloffCos) - light.HotspotCos));
}

template <class Arith>
ColorRGB16 LightContribution(Arith& arith, const LightRecord& light, const Vector3D& p, const Vector3D& n,
                             const FaceRecord& face, const CameraRecord& camera) {
    const float spot = SpotFactor(arith, light, p);
    const float diffuse = AtLeastZero(VectorCosAngle(arith, VectorSubtract(arith, light.Position, p), n));
    float specular = 0;
    if (camera.SpecularOn) {
        const Vector3D reflected = VectorReflect(arith, VectorSubtract(arith, p, light.Position), n);
        specular = AtLeastZero(VectorCosAngle(arith, reflected, VectorSubtract(arith, camera.Position, p)));
    }
    float atten = 1;
    if (camera.AttenuationOn)
        atten = RangeFactor(arith, light.NearRange, light.FarRange, VectorDistance(arith, p, light.Position),
                            kBadLightSettings);

    if (camera.FaceColorLighting) {
        const ColorRGB16 own = ColorScale(arith, face.Color, diffuse);
        const ColorRGB16 c = ColorAdd(
            arith, own, ColorScale(arith, light.Color, arith.Store(double(specular) * face.Diffuse)));
        return ColorScale(arith, c, arith.Store(double(spot) * atten));
    }
    const float k = arith.Store((double(specular) * face.Diffuse + diffuse) * atten * spot);
    return ColorScale(arith, light.Color, k);
}

std::int16_t AtMost255(std::int16_t c) {
    return c > 255 ? std::int16_t{255} : c;
}

template <class Arith>
ColorRGB16 ShadePoint(Arith& arith, const Vector3D& p, const Vector3D& n, const FaceRecord& f,
                      const CameraRecord& c) {
    const SceneStore& s = Scene();
    ColorRGB16 sum;
    // The deferred model shows nothing, so nothing can change the lights while it runs; the checked
    // model shows errors and reads the range again after every light.
    const int lastLight = Arith::kDefers ? RangeLast(s.LightSlots) : 0;
    for (int i = s.LightSlots.First; i <= (Arith::kDefers ? lastLight : RangeLast(s.LightSlots)); ++i) {
        const LightRecord& light = s.Lights[i];
        if (light.Enabled) sum = ColorAdd(arith, sum, LightContribution(arith, light, p, n, f, c));
    }
    sum = {AtMost255(sum.Red), AtMost255(sum.Green), AtMost255(sum.Blue)};

    float depth = 1;
    if (c.AttenuationOn)
        depth = RangeFactor(arith, c.AttenuationNear, c.AttenuationFar, VectorDistance(arith, p, c.Position),
                            kBadCameraSettings);
    if (c.FaceColorLighting) return ColorLerp(arith, c.DepthCueColor, sum, depth);
    return ColorLerp(arith, c.DepthCueColor, ColorLerp(arith, f.Color, sum, f.Diffuse), depth);
}

// ShadePoint through deferred checks, falling back to the checked model when a step fails.
ColorRGB16 ShadePointDeferred(const Vector3D& p, const Vector3D& n, const FaceRecord& f,
                              const CameraRecord& c) {
    return ComputeDeferred([&](auto& arith) { return ShadePoint(arith, p, n, f, c); });
}

void ShadeLitFaces(int camera) {
    SceneStore& s = Scene();
    if (ReferencePathInUse()) {
        ForEachListedFace(
            [&](Index f) { s.FaceShades[f] = ShadePoint(FaceCentroid(f), FaceNormal(f), f, camera); });
        return;
    }
    const CameraRecord& c = s.Cameras[camera];
    ForEachListedFace([&](Index f) {
        const FaceGeometry g = LookUpFaceGeometry(f);
        s.FaceShades[f] = ShadePointDeferred(g.centroid, g.normal, s.Faces[f], c);
    });
}

// The face that last shaded each corner in the current smooth pass (0 for none yet).
std::vector<Index>& CornerShadedBy() {
    static std::vector<Index> shadedBy(kTableCapacity + 1);
    return shadedBy;
}

void ShadeSmooth(int camera) {
    SceneStore& s = Scene();
    const bool reference = ReferencePathInUse();
    CheckedArithmetic checked;
    std::vector<Index>& shadedBy = CornerShadedBy();
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        s.VertexAccum[face.VertexA] = s.VertexAccum[face.VertexB] = s.VertexAccum[face.VertexC] = {};
        shadedBy[face.VertexA] = shadedBy[face.VertexB] = shadedBy[face.VertexC] = 0;
    });
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        const Vector3D n = reference ? FaceNormal(f) : LookUpFaceGeometry(f).normal;
        for (const Index corner : {face.VertexA, face.VertexB, face.VertexC}) {
            Vector3D& accum = s.VertexAccum[corner];
            accum = VectorAdd(checked, accum, n);
        }
    });
    // A corner shared by several listed faces keeps the colour of the last (nearest) of them. The face
    // enters the model only through its colour and diffuse factor, so a corner already shaded for a face
    // that has both the same keeps its colour without being shaded again (any error it could raise has
    // already been raised or shown once this frame).
    const CameraRecord& c = s.Cameras[camera];
    ForEachListedFace([&](Index f) {
        const FaceRecord& face = s.Faces[f];
        for (const Index corner : {face.VertexA, face.VertexB, face.VertexC}) {
            if (reference) {
                s.VertexShades[corner] =
                    ShadePoint(s.WorldVertices[corner], s.VertexAccum[corner], f, camera);
                continue;
            }
            Index& by = shadedBy[corner];
            if (by != 0 && s.Faces[by].Color == face.Color &&
                std::bit_cast<std::uint32_t>(s.Faces[by].Diffuse) ==
                    std::bit_cast<std::uint32_t>(face.Diffuse))
                continue;
            s.VertexShades[corner] =
                ShadePointDeferred(s.WorldVertices[corner], s.VertexAccum[corner], face, c);
            by = f;
        }
    });
}

}  // namespace

ColorRGB16 ShadePoint(const Vector3D& p, const Vector3D& n, int face, int camera) {
    CheckedArithmetic checked;
    const SceneStore& s = Scene();
    return ShadePoint(checked, p, n, s.Faces[face], s.Cameras[camera]);
}

void ShadeFaces(int camera) {
    FrameMessageScope messages;
    SceneStore& s = Scene();
    switch (LookUpDrawStyle(s.Cameras[camera].DrawStyle).shading) {
        case ShadingPass::FaceColors:
            ForEachListedFace([&](Index f) { s.FaceShades[f] = s.Faces[f].Color; });
            break;
        case ShadingPass::LitFaces:
            ShadeLitFaces(camera);
            break;
        case ShadingPass::LitCorners:
            ShadeSmooth(camera);
            break;
        case ShadingPass::None:
            break;
    }
}

}  // namespace quarn
