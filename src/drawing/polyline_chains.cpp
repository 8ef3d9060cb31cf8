#include "drawing/polyline_chains.hpp"

#include <cstdint>
#include <cstring>
#include <functional>

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

// For every run end (2 * run + 0 for From, 1 for To), the one other end at the same point, or -1 where
// one end or more than two meet there. The ends go into an open-addressed table keyed by their point,
// which holds the first end seen at each point and then whether a second or a third came.
std::vector<int> PartnerEnds(std::span<const EdgeRun> runs) {
    const std::size_t ends = 2 * runs.size();
    std::vector<int> partner(ends, -1);
    int bits = 4;
    while ((std::size_t(1) << bits) < 2 * ends) ++bits;
    const std::size_t size = std::size_t(1) << bits;
    struct Slot {
        EndKey Key{};
        int First = -1;  // -1: empty
        int Count = 0;
    };
    std::vector<Slot> slots(size);
    for (std::size_t end = 0; end < ends; ++end) {
        const EdgeRun& run = runs[end / 2];
        const EndKey key = KeyOf(EndOf(run, int(end % 2)), run.Visible);
        // The high bits of a multiplied hash, as the low bits of a coordinate's hash vary little.
        std::size_t k = std::size_t((std::uint64_t(EndHash()(key)) * 0x9E3779B97F4A7C15ull) >> (64 - bits));
        while (slots[k].First >= 0 && !(slots[k].Key == key)) k = (k + 1) & (size - 1);
        Slot& slot = slots[k];
        if (slot.First < 0) {
            slot = {key, int(end), 1};
        } else if (++slot.Count == 2) {
            partner[slot.First] = int(end), partner[end] = slot.First;
        } else if (slot.Count == 3) {
            partner[partner[slot.First]] = -1, partner[slot.First] = -1;
        }
    }
    return partner;
}

}  // namespace

std::vector<DrawnLine> ChainRuns(std::span<const EdgeRun> runs) {
    const std::vector<int> partner = PartnerEnds(runs);
    std::vector<bool> used(runs.size(), false);
    // From the free end `end` of run i, the run that continues the line there, or -1.
    const auto next = [&](int i, int end) {
        const int other = partner[2 * i + end];
        return other < 0 || used[other / 2] ? -1 : other;
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
