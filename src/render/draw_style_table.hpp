#pragma once
// What each draw style does, in one table read by the surface set-up, the colour pass and the painter.

#include <cstdint>
#include <optional>

namespace quarn {

// The colours a style needs before its faces are painted.
enum class ShadingPass {
    None,        // outlines only: no colours
    FaceColors,  // FaceShades = the faces' own colours
    LitFaces,    // FaceShades = each face lit at its centroid
    LitCorners,  // VertexShades = each corner lit with the mean normal of its listed faces
};

// The canvas state a style sets; an empty entry keeps what the surface has.
struct DrawStyleSettings {
    std::optional<int> rasterMode;
    std::optional<int> penStyle;
    std::optional<int> brushStyle;
    std::optional<std::int32_t> penColor;
    ShadingPass shading = ShadingPass::None;
    bool gouraud = false;  // faces painted with colours interpolated between their corners
};

// The settings of a camera's DrawStyle; an unknown style sets nothing and needs no colours.
const DrawStyleSettings& LookUpDrawStyle(int style);

}  // namespace quarn
