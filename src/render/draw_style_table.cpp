#include "render/draw_style_table.hpp"

#include "platform/canvas.hpp"
#include "render/draw_style_codes.hpp"

namespace quarn {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;

const DrawStyleSettings kStyles[] = {
    // kStyleWireframe
    {kRopCopyPen, kPenSolid, kBrushHollow, kWhite, ShadingPass::None, false},
    // kStyleFlatEdged
    {kRopCopyPen, kPenSolid, kBrushSolid, kWhite, ShadingPass::FaceColors, false},
    // kStyleFlatShaded
    {kRopCopyPen, kPenNone, kBrushSolid, std::nullopt, ShadingPass::LitFaces, false},
    // kStyleMergeShaded
    {kRopMergePen, kPenNone, kBrushSolid, std::nullopt, ShadingPass::LitFaces, false},
    // kStyleInvertOutline
    {kRopNot, kPenSolid, kBrushHollow, std::nullopt, ShadingPass::None, false},
    // kStyleSmooth
    {kRopCopyPen, std::nullopt, std::nullopt, std::nullopt, ShadingPass::LitCorners, true},
};

static_assert(kStyleWireframe == 0 && kStyleSmooth == 5, "the table is indexed by style code");

}  // namespace

const DrawStyleSettings& LookUpDrawStyle(int style) {
    static const DrawStyleSettings unknown{};
    if (style < 0 || style >= static_cast<int>(std::size(kStyles))) return unknown;
    return kStyles[style];
}

}  // namespace quarn
