// Built only by the layering test, which expects it not to compile: the solid builders sit beside the
// renderer and may not see its headers.
#include "render/frame_pipeline.hpp"
#include "solids/solid_menu.hpp"
