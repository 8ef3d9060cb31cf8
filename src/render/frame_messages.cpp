#include "render/frame_messages.hpp"

#include <bitset>

#include "scene/engine_error.hpp"

namespace quarn {
namespace {

struct MessageRecord {
    int depth = 0;
    std::bitset<8> shown;  // codes 0..7; any other code is always shown
};

MessageRecord& Record() {
    static MessageRecord record;
    return record;
}

}  // namespace

FrameMessageScope::FrameMessageScope() {
    MessageRecord& r = Record();
    if (r.depth++ == 0) r.shown.reset();
}

FrameMessageScope::~FrameMessageScope() { --Record().depth; }

void ShowFrameEngineError(int code) {
    MessageRecord& r = Record();
    if (r.depth > 0 && code >= 0 && code < static_cast<int>(r.shown.size())) {
        if (r.shown.test(static_cast<std::size_t>(code))) return;
        r.shown.set(static_cast<std::size_t>(code));
    }
    ShowEngineError(code);
}

}  // namespace quarn
