#pragma once
// Runs a handler, a command or a frame step so that a fault inside it is reported through the Ui
// (error icon, caption "Error") and the window goes on.

#include <exception>
#include <functional>

namespace orrin {

// True when the call finished; false when a fault was caught and reported.
bool RunGuarded(const std::function<void()>& call);

}  // namespace orrin
