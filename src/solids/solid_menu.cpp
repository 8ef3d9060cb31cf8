#include "solids/solid_menu.hpp"

#include <array>

#include "solids/curved_solids.hpp"
#include "solids/polyhedra.hpp"
#include "solids/prism_family.hpp"
#include "solids/subdivision.hpp"

namespace quarn {
namespace {

using enum IdealShape;

constexpr std::array<SolidMenuEntry, 18> kEntries{{
    // clang-format off
    {0, "正方体", "cube", 8, 12, {Box, 40, 40, 40}},
    {1, "平面", "plane", 25, 32, {Square, 80, 80}},
    {2, "球", "sphere", 444, 884, {Sphere, 40}},
    {3, "球冠", "spherical-cap", 146, 288, {Hemisphere, 40}},
    {4, "圆锥", "cone", 48, 92, {Cone, 40, 60}},
    {5, "圆柱", "cylinder", 94, 184, {Cylinder, 40, 60}},
    {6, "", "cylinder-sector", 14, 22, {CylinderSector, 80, 20, 60}},
    {7, "四面体", "tetrahedron", 4, 4, {Tetrahedron, 40}},
    {8, "八面体", "octahedron", 6, 8, {Octahedron, 40}},
    {9, "", "geodesic-sphere", 18, 32, {Sphere, 40}},
    {10, "环面", "torus", 468, 936, {Torus, 40, 10}},
    {19, "三棱柱", "triangular-prism", 8, 12, {Prism, 40, 60, 0, 3}},
    {20, "五棱柱", "pentagonal-prism", 12, 20, {Prism, 40, 60, 0, 5}},
    {21, "六棱柱", "hexagonal-prism", 14, 24, {Prism, 40, 60, 0, 6}},
    {22, "八棱柱", "octagonal-prism", 18, 32, {Prism, 40, 60, 0, 8}},
    {23, "四棱锥", "square-pyramid", 6, 8, {Pyramid, 40, 60, 0, 4}},
    {24, "五棱锥", "pentagonal-pyramid", 7, 10, {Pyramid, 40, 60, 0, 5}},
    {25, "六棱锥", "hexagonal-pyramid", 8, 12, {Pyramid, 40, 60, 0, 6}},
    // clang-format on
}};

}  // namespace

std::span<const SolidMenuEntry> SolidMenuEntries() { return kEntries; }

const SolidMenuEntry* FindSolidMenuEntry(int menuIndex) {
    for (const SolidMenuEntry& e : kEntries)
        if (e.Index == menuIndex) return &e;
    return nullptr;
}

const SolidMenuEntry* FindSolidMenuEntry(std::string_view englishName) {
    for (const SolidMenuEntry& e : kEntries)
        if (e.EnglishName == englishName) return &e;
    return nullptr;
}

Index BuildMenuSolid(int menuIndex) {
    switch (menuIndex) {
        case 0: return CreateBox(MakeVector(40, 40, 40));
        case 1: return CreateGridPlane(80, 80, 4, 4, 0);
        case 2: return CreateSphere(40, 26, 18);
        case 3: return CreateHemisphere(40, 24, 6);
        case 4: return CreatePyramid(40, 60, 46);
        case 5: return CreatePrism(40, 60, 46);
        case 6: return CreateCylinderSector(80, 20, 0, 60, 32);
        case 7: return CreateTetrahedron(40);
        case 8: return CreateSphere(40, 4, 2);
        case 9: return CreateGeodesicSphere(40, 1);
        case 10: return CreateTorus(40, 10, 26, 18);
        case 19: return CreatePrism(40, 60, 3);
        case 20: return CreatePrism(40, 60, 5);
        case 21: return CreatePrism(40, 60, 6);
        case 22: return CreatePrism(40, 60, 8);
        case 23: return CreatePyramid(40, 60, 4);
        case 24: return CreatePyramid(40, 60, 5);
        case 25: return CreatePyramid(40, 60, 6);
        default: return 0;
    }
}

}  // namespace quarn
