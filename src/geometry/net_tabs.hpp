#pragma once
// Glue tabs: one for each pair of cut edges that meet in the solid, set outward on one of the two
// edges where it overlaps no face, part or other tab, and small tabs round the rim of a developed
// solid's discs (skipping where the disc touches its side).

#include "geometry/solid_net.hpp"

namespace quarn {

void AddGlueTabs(SolidNet& net);

}  // namespace quarn
