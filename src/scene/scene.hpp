#pragma once
// Everything the scene core offers, for code that uses most of it.

#include "scene/cameras_lights.hpp"
#include "scene/engine_error.hpp"
#include "scene/face_picking.hpp"
#include "scene/mesh_edit.hpp"
#include "scene/mesh_geometry.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"
#include "scene/slot_search.hpp"
