#pragma once
// Shared set-up for the geometry and drawing tests: menu solids read as the geometry layer reads the
// scene, and meshes moved and scaled.

#include "geometry/solid_mesh.hpp"
#include "solids/school_solids.hpp"
#include "solids/solid_menu.hpp"
#include "support/scene_fixture.hpp"

namespace quarn::testing {

class SolidTest : public SceneTest {
  protected:
    // The solid of the menu index, centred as the menu leaves it.
    static SolidMesh MenuSolid(int index) {
        const Index mesh = BuildMenuSolid(index);
        CenterMesh(mesh);
        return ReadSceneMesh(mesh);
    }
    // A solid of a family, "cone:r=40,h=60", centred as orrin-render leaves it; the store keeps no
    // trace of it, so that many fine solids fit one test.
    static SolidMesh SchoolSolidMesh(const char* text) {
        const Index mesh = BuildSchoolSolid(ParseSchoolSolid(text));
        CenterMesh(mesh);
        SolidMesh read = ReadSceneMesh(mesh);
        DeleteMesh(mesh);
        return read;
    }
};

inline SolidMesh Moved(SolidMesh mesh, double scale, const Point3& by) {
    for (Point3& p : mesh.Points) p = p * scale + by;
    return mesh;
}

}  // namespace quarn::testing
