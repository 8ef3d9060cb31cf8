#pragma once
// Joins edge runs that meet end to end into polylines, so that dashes run on round corners and a
// vector file holds one path per outline instead of one per mesh edge.

#include <span>
#include <vector>

#include "drawing/line_drawing.hpp"

namespace quarn {

// Runs of one kind (visible or hidden) are joined where exactly two of them share an end point.
std::vector<DrawnLine> ChainRuns(std::span<const EdgeRun> runs);

}  // namespace quarn
