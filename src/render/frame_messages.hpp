#pragma once
// Engine errors raised while a frame is drawn. A bad clip distance or a bad spot cone is found once per
// shaded point, which for one frame can be hundreds of times; the user is told once per frame and code.

namespace quarn {

// While one of these lives, each engine error code is shown at most once. Scopes nest; the outermost
// one decides, so a colour pass inside a frame shares the frame's record.
class FrameMessageScope {
public:
    FrameMessageScope();
    ~FrameMessageScope();
    FrameMessageScope(const FrameMessageScope&) = delete;
    FrameMessageScope& operator=(const FrameMessageScope&) = delete;
};

// ShowEngineError, except that inside a FrameMessageScope a code already shown stays silent.
void ShowFrameEngineError(int code);

}  // namespace quarn
