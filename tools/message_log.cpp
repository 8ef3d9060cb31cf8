#include "message_log.hpp"

#include "scene/engine_error.hpp"

namespace orrin {
namespace {

// The number of the engine error whose message this is; engine errors reach the Ui as text only.
std::optional<int> EngineErrorCode(const std::string& text) {
    for (int code = quarn::kMeshAllocationError; code <= quarn::kBadLightSettings; ++code) {
        if (text == quarn::EngineErrorMessage(code)) return code;
    }
    return std::nullopt;
}

}  // namespace

MessageLog::MessageLog() {
    quarn::InstallUi(this);
}

MessageLog::~MessageLog() {
    if (&quarn::CurrentUi() == this) quarn::InstallUi(nullptr);
}

void MessageLog::ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) {
    ConsoleUi::ShowMessage(text, caption, icon);
    messages_.push_back({EngineErrorCode(text), text, caption});
}

}  // namespace orrin
