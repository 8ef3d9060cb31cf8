#pragma once
// Numbered engine errors: shown to the user in a message box; the reporting operation then returns 0.

namespace quarn {

enum EngineError {
    kMeshAllocationError = 1,
    kCameraAllocationError = 2,
    kLightAllocationError = 3,
    kBadCameraSettings = 4,
    kBadLightSettings = 5,
};

const char* EngineErrorMessage(int code);

// Shows the error's message with the caption "Error" and the error icon through the installed Ui.
void ShowEngineError(int code);

}  // namespace quarn
