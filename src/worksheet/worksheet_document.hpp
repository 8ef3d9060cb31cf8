#pragma once
// The worksheet as a teacher sets it up: which solid at which size, how the 3D view looks at it, which
// sheet is on top and how it is drawn, how far the net is folded and where the section plane lies.
// Nothing of it is stored on disk; the window shows it and the commands change it.

#include <array>
#include <string>

#include "worksheet/worksheet_source.hpp"

namespace orrin {

enum class SheetTab { Oblique, ThreeViews, Net, Section };

// How the oblique drawing and the three views show the edges behind the solid.
enum class HiddenEdges { Dashed, Hidden, Solid };

struct OrbitView {
    float Yaw = 0.6f;    // radians about the vertical axis, kept in [-pi, pi]
    float Pitch = 0.45f;  // radians, kept in [-pi/2, pi/2]
    float Distance = 200;
};

// The section plane: through three named points (corner letters or edge midpoints "AB中点"), or the
// plane across the middle of the solid moved by an offset along its height and tilted.
struct SectionChoice {
    bool ThroughPoints = true;
    std::array<std::string, 3> Points{"A", "C", "B1"};
    double Offset = 0;  // -1 .. 1 of half the solid's height
    double Tilt = 0;    // degrees, -60 .. 60
    bool operator==(const SectionChoice&) const = default;
};

struct WorksheetDocument {
    SolidSource Source;
    OrbitView View;
    SheetTab Tab = SheetTab::Oblique;
    bool Letters = true;
    HiddenEdges Hidden = HiddenEdges::Dashed;
    bool Auxiliary = true;         // axes, heights, centres and centre lines
    bool EnglishCaptions = false;  // the three views' captions in English instead of Chinese
    double Fold = 0;  // 0 flat net .. 1 folded solid
    bool NetTabs = true;
    SectionChoice Section;
};

}  // namespace orrin
