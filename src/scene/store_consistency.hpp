#pragma once
// A check that the scene store is consistent: every mesh's runs lie within 1..10000 and are disjoint from
// every other mesh's runs, every face's corners lie inside its own mesh's vertex run, every vertex is a
// finite point, parent links name existing meshes and never loop, and the slot ranges are sane. The
// readers' tests and fuzz targets use it after every input.

#include <string>

namespace quarn {

// An empty text when the store is consistent, otherwise the first fault found.
std::string FindStoreInconsistency();

}  // namespace quarn
