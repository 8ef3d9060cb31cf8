#pragma once
// Whether Qt can open a window at all, decided before QApplication exists (Qt aborts without one).

namespace orrin {

// The platform Qt would use (QT_QPA_PLATFORM, empty when unset) and the two display variables, as given
// by the environment. A named platform other than xcb or wayland (offscreen, vnc, ...) needs no display.
bool HasDisplay(const char* qpaPlatform, const char* x11Display, const char* waylandDisplay);

// The same test on this process's environment.
bool HasDisplay();

}  // namespace orrin
