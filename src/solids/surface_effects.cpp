#include "solids/surface_effects.hpp"

#include <cmath>
#include <vector>

#include "math/constants.hpp"
#include "math/vector3d.hpp"
#include "platform/random.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

float AxisComponent(const Vector3D& v, int axis) { return axis == 1 ? v.x : axis == 2 ? v.y : v.z; }

}  // namespace

void ApplyRipple(Index mesh, float wavelength, float amplitude, float phase) {
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstVertex;
    const int last = RangeLast(m.FirstVertex, m.VertexCount);
    const double halfAmplitude = amplitude / 2.0;
    const double unitsPerRadian = wavelength / kTwoPi;
    // Heights are computed first so that a fault (a zero wavelength) leaves the mesh untouched.
    std::vector<float> heights;
    heights.reserve(static_cast<std::size_t>(last >= first ? last - first + 1 : 0));
    for (int v = first; v <= last; ++v) {
        const float d = VectorLength(s.Vertices[v]);
        heights.push_back(StoreFloat(halfAmplitude * std::sin(CheckedDivide(d, unitsPerRadian) + phase)));
    }
    for (int v = first; v <= last; ++v) s.Vertices[v].y = heights[static_cast<std::size_t>(v - first)];
}

void ApplyAxisGradient(Index mesh, Index axis, const ColorRGB16& colorLow, const ColorRGB16& colorHigh,
                       float diffuse) {
    const bool onAxis = axis >= 1 && axis <= 3;
    const float low = onAxis ? AxisComponent(GetMeshMinCorner(mesh), axis) : 0;
    const float span = onAxis ? StoreFloat(double(AxisComponent(GetMeshMaxCorner(mesh), axis)) - low) : 0;
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    const int first = m.FirstFace;
    const int last = RangeLast(m.FirstFace, m.FaceCount);
    // Colours are worked out before any face changes, for the same reason as the ripple's heights.
    std::vector<ColorRGB16> colors;
    colors.reserve(static_cast<std::size_t>(last >= first ? last - first + 1 : 0));
    for (int f = first; f <= last; ++f) {
        if (span == 0) {
            colors.push_back(colorLow);
            continue;
        }
        const FaceRecord& face = s.Faces[f];
        const double sum = double(AxisComponent(s.Vertices[face.VertexA], axis)) +
                           AxisComponent(s.Vertices[face.VertexB], axis) +
                           AxisComponent(s.Vertices[face.VertexC], axis);
        const float mean = StoreFloat(sum / 3);
        colors.push_back(ColorLerp(colorLow, colorHigh, StoreFloat(CheckedDivide(double(mean) - low, span))));
    }
    for (int f = first; f <= last; ++f) {
        s.Faces[f].Color = colors[static_cast<std::size_t>(f - first)];
        s.Faces[f].Diffuse = diffuse;
    }
}

void RandomizeFaceColors(Index mesh) {
    ReseedRandomFromClock();
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        s.Faces[f].Color = RandomColor();
        s.Faces[f].Diffuse = NextRandom();
    }
}

}  // namespace quarn
