#include "render/frame_pipeline.hpp"

#include <optional>

#include "platform/engine_fault.hpp"
#include "platform/reference_path.hpp"
#include "render/draw_list.hpp"
#include "render/draw_styles.hpp"
#include "render/face_collection.hpp"
#include "render/face_geometry.hpp"
#include "render/frame_messages.hpp"
#include "render/projection.hpp"
#include "render/view_transform.hpp"
#include "render/world_transform.hpp"

namespace quarn {

void RenderFrame(Canvas& surface, int camera) {
    FrameMessageScope messages;
    std::optional<FaceGeometryScope> sharedGeometry;
    if (!ReferencePathInUse()) sharedGeometry.emplace();
    try {
        UpdateWorldVertices();
        UpdateViewVertices(camera);
        ProjectVertices(surface, camera);
        CollectVisibleFaces(camera);
    } catch (const EngineFault&) {
        // The list may be half written or unsorted and no longer match the screen positions; an empty
        // list keeps face picking from pointing at faces this frame never drew.
        ClearDrawListFrom(0);
        throw;
    }
    DrawScene(surface, camera);
}

}  // namespace quarn
