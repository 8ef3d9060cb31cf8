#pragma once
// Everything the solid generators offer.

#include "solids/annotation_marks.hpp"
#include "solids/charts.hpp"
#include "solids/curved_solids.hpp"
#include "solids/grid_builder.hpp"
#include "solids/polyhedra.hpp"
#include "solids/prism_family.hpp"
#include "solids/solid_menu.hpp"
#include "solids/subdivision.hpp"
#include "solids/surface_effects.hpp"

