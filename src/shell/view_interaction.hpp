#pragma once
// The mouse and the keyboard over the 3D view: turning and zooming the orbit, the hover outline and
// the light mode of the Shift key.

#include <cstdint>

namespace orrin {

inline constexpr std::int16_t kShiftKey = 16;
// Mouse button mask.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// A press does nothing: a drag is measured from the previous mouse move.
void Picture1_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
// A left drag turns the orbit, a right drag changes its distance, no button tests what lies under the
// pointer (and inverts the face outline straight onto the view, marking it to be shown at once), any
// other mask only asks for a frame.
void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
// Shift enters light mode and builds the light marker once; it shows with the next frame.
void Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift);
// Shift leaves light mode, deletes the marker and asks for a frame.
void Picture1_KeyUp(std::int16_t keyCode, std::int16_t shift);

}  // namespace orrin
