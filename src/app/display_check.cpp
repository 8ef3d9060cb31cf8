#include "app/display_check.hpp"

#include <cstdlib>
#include <string_view>

namespace orrin {
namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

bool HasDisplay(const char* qpaPlatform, const char* x11Display, const char* waylandDisplay) {
    const std::string_view platform = IsSet(qpaPlatform) ? qpaPlatform : "";
    // The variable may list fallbacks ("wayland;xcb"); the first entry decides.
    const std::string_view first = platform.substr(0, platform.find(';'));
    if (first.starts_with("xcb")) return IsSet(x11Display);
    if (first.starts_with("wayland")) return IsSet(waylandDisplay);
    if (!first.empty()) return true;
    return IsSet(x11Display) || IsSet(waylandDisplay);
}

bool HasDisplay() {
    return HasDisplay(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace orrin
