#pragma once
// The picture behind the 3D view: a blue panel with the title and the two lines of operating
// instructions, shown until a solid is chosen and behind every frame after.

#include <memory>

#include "platform/canvas.hpp"

namespace quarn {

inline constexpr int kViewBackgroundWidth = 487;
inline constexpr int kViewBackgroundHeight = 365;

// Drawn once, then shared.
std::shared_ptr<const Canvas> ViewBackgroundPicture();

}  // namespace quarn
