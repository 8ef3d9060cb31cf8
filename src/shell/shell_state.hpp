#pragma once
// The window's own globals, kept beside the scene store's application globals: the frame loop's
// bookkeeping, the orbit the camera (or, with Shift held, the light) travels on, the hover outline and
// the colour chooser. One instance per process, reached through Shell().

#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.hpp"
#include "platform/numeric.hpp"

namespace orrin {

struct ShellState {
    bool LoopReady = false;        // the frame loop may start; the activation that starts it clears it
    bool LoopRunning = false;      // the first activation after start-up has happened
    quarn::Index FrameCount = 10;  // frames drawn since the caption was last set
    float RateTimerStart = 0;      // clock reading when FrameCount last restarted

    float OrbitYaw = 0;         // radians about the vertical axis, kept in [-pi, pi]
    float OrbitPitch = 0;       // radians, kept in [-pi/2, pi/2]
    float OrbitDistance = 200;  // from the origin, never below 0
    float RotateSpeed = 0.01f;  // radians per pixel of mouse travel
    float ZoomSpeed = 1.0f;     // distance units per pixel of mouse travel

    bool LightMode = false;            // Shift is held: drags move the light
    quarn::Index LightMarker = 0;      // mesh of the red pyramid standing for the light, 0 = none
    bool LightMarkerCleared = false;   // the marker went with a scene clear; light mode builds it again
    quarn::Index HighlightedFace = 0;  // face whose outline is inverted on the view, 0 = none

    std::int32_t LastMouseX = 0;  // pointer of the previous mouse event over the view, in pixels
    std::int32_t LastMouseY = 0;
    quarn::Index HoverFace = 0;  // face under the pointer at the last hover test

    std::int32_t PickedColor = 0;  // packed colour last read from the hue strip
    float ShadeAmount = 0;         // marker distance from the shade strip's centre, 0..1 of half its width

    bool FrameInProgress = false;  // a frame step is running; another one must not start inside it
    std::string HelpPage;          // path of the help page that OpenHelp shows, set by the front end
    std::function<float()> Clock = quarn::SecondsSinceMidnight;  // seconds since midnight; tests replace it
};

ShellState& Shell();

}  // namespace orrin
