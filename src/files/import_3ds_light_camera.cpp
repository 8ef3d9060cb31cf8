// Lights (position, COLOR_F, DL_SPOTLIGHT, DL_OFF) and cameras (position, target, bank, lens).

#include <algorithm>
#include <cmath>

#include "files/import_3ds_chunks.hpp"
#include "files/import_3ds_objects.hpp"
#include "files/loaded_mesh.hpp"
#include "math/angles.hpp"
#include "platform/engine_fault.hpp"
#include "scene/cameras_lights.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

// A colour fraction as a 0..255 component, an exact half going to the even neighbour.
std::int16_t ColorComponentFromFraction(float fraction) {
    return RoundToInt16(std::clamp(double(fraction) * 255.0, 0.0, 255.0));
}

template <class Record>
void SetAnglesTowards(Record& record, const Vector3D& target) {
    const EulerAngles angles = AnglesFromDirection(VectorSubtract(target, record.Position));
    record.RotationZ = angles.x;
    record.RotationX = angles.y;
    record.RotationY = angles.z;
}

// False when the chunk is too short or holds a value that is not a finite number.
bool ReadLightColor(ChunkCursor& in, LightRecord& light) {
    bool read = false;
    InChunk(in, [&] {
        if (!in.Fits(3, 4)) return;
        const float red = in.ReadFloat(), green = in.ReadFloat(), blue = in.ReadFloat();
        if (!IsFiniteVector({red, green, blue})) return;
        light.Color = {ColorComponentFromFraction(red), ColorComponentFromFraction(green),
                       ColorComponentFromFraction(blue)};
        read = true;
    });
    return read;
}

// The spot's axis points at the target. Hotspot and falloff are full cone angles in degrees and are used
// as they stand for the cone's half-angles.
bool ReadSpotLight(ChunkCursor& in, LightRecord& light) {
    bool read = false;
    InChunk(in, [&] {
        if (!in.Fits(5, 4)) return;
        const Vector3D target = ReadVector3ds(in);
        const float hotspot = in.ReadFloat();
        const float falloff = in.ReadFloat();
        if (!IsFiniteVector(target)) return;
        SetAnglesTowards(light, target);
        light.HotspotCos = StoreFloat(std::cos(DegreesToRadians(hotspot)));
        light.FalloffCos = StoreFloat(std::cos(DegreesToRadians(falloff)));
        read = true;
    });
    return read;
}

}  // namespace

// Every child is looked at wherever it stands, so a light that is switched off stays off even when its
// colour chunk is missing or comes later.
void ReadLightChunk(Import3dsContext& context, const std::string& name) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        if (!in.Fits(1, kVertex3dsSize)) {
            context.Damaged.push_back(name);
            return;
        }
        const Index light = CreateLight();
        if (light == 0) return;  // error 3 has been shown; the chunk is passed over
        enum { kKeep, kSwitchedOff, kDamaged } outcome = kKeep;
        try {
            LightRecord& l = Scene().Lights[light];
            l.Name = name;
            l.Position = ReadVector3ds(in);
            if (!IsFiniteVector(l.Position)) outcome = kDamaged;
            if (outcome == kKeep) {
                WalkChildren(in, [&](std::uint16_t id) {
                    switch (id) {
                        case kColorFloat:
                            if (!ReadLightColor(in, l)) outcome = kDamaged;
                            break;
                        case kSpotLight:
                            if (!ReadSpotLight(in, l)) outcome = kDamaged;
                            break;
                        case kLightOff:
                            l.Enabled = false;
                            outcome = kSwitchedOff;
                            break;
                        default:
                            return ChildWalk::kNotMine;
                    }
                    return outcome == kKeep ? ChildWalk::kHandled : ChildWalk::kStopWalk;
                });
            }
        } catch (const ArithmeticError&) {
            // A target so far away that the direction towards it overflows.
            outcome = kDamaged;
        }
        if (outcome == kKeep && in.LimitIsFileEnd())
            outcome = kDamaged;  // cut short: children may be missing
        if (outcome == kKeep) return;
        DeleteLight(light);
        if (outcome == kDamaged) context.Damaged.push_back(name);
    });
}

// The lens is ignored: every imported camera has a 60 degree field of view.
void ReadCameraChunk(Import3dsContext& context, const std::string& name) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        if (!in.Fits(8, 4)) {
            context.Damaged.push_back(name);
            return;
        }
        const Index camera = CreateCamera();
        if (camera == 0) return;  // error 2 has been shown; the chunk is passed over
        bool damaged = false;
        try {
            CameraRecord& c = Scene().Cameras[camera];
            c.Name = name;
            SetCameraFieldOfView(camera, DegreesToRadians(60));
            c.Position = ReadVector3ds(in);
            const Vector3D target = ReadVector3ds(in);
            in.ReadFloat();  // bank
            in.ReadFloat();  // lens
            damaged = !IsFiniteVector(c.Position) || !IsFiniteVector(target);
            if (!damaged) SetAnglesTowards(c, target);
            c.MatrixDirty = true;
        } catch (const ArithmeticError&) {
            damaged = true;
        }
        if (!damaged) return;
        DeleteCamera(camera);
        context.Damaged.push_back(name);
    });
}

}  // namespace quarn
