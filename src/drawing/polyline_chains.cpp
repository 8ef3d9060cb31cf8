#include "drawing/polyline_chains.hpp"

#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace quarn {
namespace {

// Runs from neighbouring edges end at the same projected vertex, bit for bit.
struct EndKey {
    std::uint64_t x, y;
    bool visible;
    bool operator==(const EndKey&) const = default;
};

struct EndHash {
    std::size_t operator()(const EndKey& k) const {
        return std::hash<std::uint64_t>()(k.x * 0x9E3779B97F4A7C15ull ^ k.y ^ std::uint64_t(k.visible));
    }
};

EndKey KeyOf(const Point2& p, bool visible) {
    EndKey key{0, 0, visible};
    const double x = p.x + 0.0, y = p.y + 0.0;
    std::memcpy(&key.x, &x, sizeof x);
    std::memcpy(&key.y, &y, sizeof y);
    return key;
}

Point2 EndOf(const EdgeRun& r, int end) {
    return end == 0 ? r.From : r.To;
}

}  // namespace

std::vector<DrawnLine> ChainRuns(std::span<const EdgeRun> runs) {
    // Each run end is 2 * run + (0 for From, 1 for To).
    std::unordered_map<EndKey, std::vector<int>, EndHash> ends;
    for (int i = 0; i < int(runs.size()); ++i)
        for (int end = 0; end < 2; ++end)
            ends[KeyOf(EndOf(runs[i], end), runs[i].Visible)].push_back(2 * i + end);

    std::vector<bool> used(runs.size(), false);
    // From the free end `end` of run i, the run that continues the line there, or -1.
    const auto next = [&](int i, int end) {
        const std::vector<int>& here = ends[KeyOf(EndOf(runs[i], end), runs[i].Visible)];
        if (here.size() != 2) return -1;
        const int other = here[0] == 2 * i + end ? here[1] : here[0];
        return used[other / 2] ? -1 : other;
    };

    std::vector<DrawnLine> lines;
    for (int start = 0; start < int(runs.size()); ++start) {
        if (used[start]) continue;
        used[start] = true;
        std::vector<Point2> forward{runs[start].From, runs[start].To};
        std::vector<Point2> backward;
        for (int i = start, end = 1, joined; (joined = next(i, end)) >= 0;) {
            i = joined / 2, end = 1 - joined % 2;  // leave the new run by its other end
            used[i] = true;
            forward.push_back(EndOf(runs[i], end));
        }
        for (int i = start, end = 0, joined; (joined = next(i, end)) >= 0;) {
            i = joined / 2, end = 1 - joined % 2;
            used[i] = true;
            backward.push_back(EndOf(runs[i], end));
        }
        DrawnLine line{{backward.rbegin(), backward.rend()}, runs[start].Visible};
        line.Points.insert(line.Points.end(), forward.begin(), forward.end());
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quarn
