#include "shell/guarded_call.hpp"

#include <stdexcept>

#include "platform/engine_fault.hpp"
#include "platform/ui.hpp"

namespace orrin {

bool RunGuarded(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (const std::exception& fault) {
        // Engine faults and the rare library failure (a picture too large to allocate) alike.
        quarn::CurrentUi().ShowMessage(fault.what(), "Error", quarn::MessageIcon::Error);
    }
    return false;
}

}  // namespace orrin
