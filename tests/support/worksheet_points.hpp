#pragma once
// Where a lettered corner of the worksheet's solid, or the middle of the edge between two, was drawn
// in the last frame of its 3D view: the point a test moves the pointer to or clicks on.

#include <stdexcept>
#include <string>

#include "scene/scene.hpp"
#include "worksheet/worksheet.hpp"

namespace orrin::testing {

inline quarn::Vector3D CornerOnScreen(const Worksheet& sheet, const std::string& letter) {
    const SolidFacts& facts = sheet.Facts();
    const quarn::SceneStore& s = quarn::Scene();
    for (std::size_t v = 0; v < facts.CornerLetter.size(); ++v)
        if (facts.CornerLetter[v] == letter)
            return s.ScreenVertices[s.Meshes[s.CurrentMesh].FirstVertex + facts.PointOfWelded[v]];
    throw std::invalid_argument("the solid has no corner " + letter);
}

// A point a fraction along the drawn line from one corner to another.
inline quarn::Vector3D AlongOnScreen(const Worksheet& sheet, const std::string& from, const std::string& to,
                                     double along) {
    const quarn::Vector3D a = CornerOnScreen(sheet, from), b = CornerOnScreen(sheet, to);
    return {static_cast<float>(a.x + (b.x - a.x) * along), static_cast<float>(a.y + (b.y - a.y) * along), 0};
}

}  // namespace orrin::testing
