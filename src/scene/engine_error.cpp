#include "scene/engine_error.hpp"

#include "platform/ui.hpp"

namespace quarn {

const char* EngineErrorMessage(int code) {
    switch (code) {
        case kMeshAllocationError: return "Unable to allocate memory for mesh!";
        case kCameraAllocationError: return "Unable to allocate memory for camera!";
        case kLightAllocationError: return "Unable to allocate memory for light!";
        case kBadCameraSettings: return "Bad camera settings!";
        case kBadLightSettings: return "Bad light settings!";
        default: return "Unknown error!";
    }
}

void ShowEngineError(int code) { CurrentUi().ShowMessage(EngineErrorMessage(code), "Error", MessageIcon::Error); }

}  // namespace quarn
