#pragma once
// The camera's draw style codes (CameraRecord::DrawStyle).

#include "platform/numeric.hpp"

namespace quarn {

inline constexpr Index kStyleWireframe = 0;     // white outlines, nothing filled
inline constexpr Index kStyleFlatEdged = 1;     // unlit face colours with white edges
inline constexpr Index kStyleFlatShaded = 2;    // lit face colours, no edges
inline constexpr Index kStyleMergeShaded = 3;   // lit face colours ORed onto the picture
inline constexpr Index kStyleInvertOutline = 4; // outlines that invert the pixels under them
inline constexpr Index kStyleSmooth = 5;        // colours interpolated between lit corners

}  // namespace quarn
