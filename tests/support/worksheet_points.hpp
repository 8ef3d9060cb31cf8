#pragma once
// Where a lettered corner of the worksheet's solid was drawn in the last frame of its 3D view, or a
// point along the line between two: where a test points or clicks.

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

inline quarn::Vector3D AlongOnScreen(const Worksheet& sheet, const std::string& from, const std::string& to, double t) {
    const quarn::Vector3D a = CornerOnScreen(sheet, from), b = CornerOnScreen(sheet, to);
    return {float(a.x + (b.x - a.x) * t), float(a.y + (b.y - a.y) * t), 0};
}

}  // namespace orrin::testing
