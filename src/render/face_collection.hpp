#pragma once
// Frame stage 4: the faces worth drawing, in painter's order.

namespace quarn {

// Lists the faces of visible meshes that lie wholly between the near and far planes (and, for a
// perspective camera, strictly inside the field of view) and face the camera (or all of them for a
// TwoSided camera), keyed by their negated depth sum; clears the rest of the old list and sorts the
// new one back to front.
void CollectVisibleFaces(int camera);

}  // namespace quarn
