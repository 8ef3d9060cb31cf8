#pragma once
// Finding room: the next free mesh, camera or light slot, and free runs in the vertex and face pools.

#include "platform/numeric.hpp"

namespace quarn {

// The slot a new object would take, or 0 when the table is full.
Index NextMeshSlot();
Index NextCameraSlot();
Index NextLightSlot();

// First slot of a free run of n slots, or 0 when there is no room. The first mesh in slot order whose
// gap below its own run fits wins; otherwise the run goes after the highest owned slot. A zero-length
// request always lands after the highest owned slot.
Index FindFreeVertexRange(int n);
Index FindFreeFaceRange(int n);

}  // namespace quarn
