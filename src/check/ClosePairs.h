// Pairs of discs closer than a distance, found through a grid rather than by trying all pairs.
#pragma once

#include <functional>
#include <vector>

namespace ventrel {

struct Disc {
    double x = 0, y = 0, r = 0;
    int id = 0; // the caller's
};

// Calls `pair` once for every two discs whose gap (centre distance minus both radii) is below
// `reach`, with that gap (negative when they overlap).
void ForEachClosePair(const std::vector<Disc> &discs, double reach,
                      const std::function<void(const Disc &, const Disc &, double gap)> &pair);

} // namespace ventrel
