// Pairs of discs closer than a distance, found through a grid rather than by trying all pairs.
#include "ClosePairs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ventrel {

void ForEachClosePair(const std::vector<Disc> &discs, double reach,
                      const std::function<void(const Disc &, const Disc &, double gap)> &pair) {
    if (discs.size() < 2)
        return;
    double largest = 0;
    for (const Disc &disc : discs)
        largest = std::max(largest, disc.r);
    // Two discs that can be closer than `reach` have centres less than one cell apart.
    const double cell = std::max(1.0, 2 * largest + std::max(0.0, reach));
    auto cellOf = [cell](double v) { return static_cast<int64_t>(std::floor(v / cell)); };
    auto key = [](int64_t cx, int64_t cy) {
        return (static_cast<uint64_t>(cx + (1 << 30)) << 32) |
               static_cast<uint32_t>(cy + (1 << 30));
    };
    struct Entry {
        uint64_t key;
        uint32_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(discs.size());
    for (size_t i = 0; i < discs.size(); ++i)
        entries.push_back({key(cellOf(discs[i].x), cellOf(discs[i].y)), static_cast<uint32_t>(i)});
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.key != b.key ? a.key < b.key : a.index < b.index;
    });
    for (size_t i = 0; i < discs.size(); ++i) {
        const Disc &a = discs[i];
        const int64_t cx = cellOf(a.x), cy = cellOf(a.y);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const uint64_t k = key(cx + dx, cy + dy);
                auto it = std::lower_bound(entries.begin(), entries.end(), k,
                                           [](const Entry &e, uint64_t v) { return e.key < v; });
                for (; it != entries.end() && it->key == k; ++it) {
                    if (it->index <= i)
                        continue; // each pair once, from its first disc
                    const Disc &b = discs[it->index];
                    const double gap = std::hypot(a.x - b.x, a.y - b.y) - a.r - b.r;
                    if (gap < reach)
                        pair(a, b, gap);
                }
            }
        }
    }
}

} // namespace ventrel
