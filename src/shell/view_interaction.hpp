#pragma once
// The mouse and the keyboard over the 3D view: turning and zooming the orbit, the hover outline and
// the light mode of the Shift key.

#include <cstdint>

#include "platform/numeric.hpp"

namespace orrin {

inline constexpr std::int16_t kShiftKey = 16;
// Mouse button mask.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
// Modifier mask of the mouse and key handlers.
inline constexpr std::int16_t kShiftMask = 1;

// Mouse events over the view whose modifiers show Shift up end light mode first (the key's release
// went elsewhere). A press and the pointer entering the view make their position the previous one, so
// a drag is measured from where it starts, not from a hover far away.
void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
// The pointer came into the view. It carries no modifiers: Shift held while entering keeps light mode.
void Picture1_MouseEnter(float x, float y);
// A left drag turns the orbit, a right drag changes its distance, no button tests what lies under the
// pointer (and inverts the face outline straight onto the view, marking it to be shown at once; not in
// light mode), any other mask only asks for a frame.
void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
// Shift enters light mode and builds the light marker once; it shows with the next frame.
void Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift);
// Shift leaves light mode, deletes the marker and asks for a frame.
void Picture1_KeyUp(std::int16_t keyCode, std::int16_t shift);

// The view can no longer hear Shift go up: it lost the keyboard (a menu, a dialog, another widget),
// or the window is no longer the active one. Light mode ends as a Shift release ends it, once.
void Picture1_LostFocus();
void Form_Deactivate();
// Light mode ends as a Shift release ends it; outside light mode nothing happens.
void EndLightMode();

// The small red pyramid that stands for the light, pointing along the light's direction; 0 when it
// could not be built (its builder has said why).
quarn::Index BuildLightMarker();

}  // namespace orrin
