#pragma once
// A mesh as solid geometry and drawing read it: its points in world space and its triangles as
// indices into them. Built from the scene store once, so that drawing and measuring never touch the
// tables again.

#include <array>
#include <vector>

#include "geometry/point3.hpp"

namespace quarn {

struct SolidMesh {
    std::vector<Point3> Points;                 // world space
    std::vector<std::array<int, 3>> Triangles;  // indices into Points; a corner outside the run is -1
};

// The mesh's vertices through its local matrix and its parents' (a parent chain that loops is cut).
SolidMesh ReadSceneMesh(int mesh);
// Every visible mesh of the scene, in slot order.
std::vector<SolidMesh> ReadVisibleSceneMeshes();

}  // namespace quarn
