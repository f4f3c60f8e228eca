// The grid search for close discs finds exactly the pairs that trying all pairs finds.
#include "check/ClosePairs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace ventrel {
namespace {

TEST(ClosePairs, FindsWhatTryingAllPairsFinds) {
    std::mt19937 random(7);
    for (double reach : {0.0, 3.0, 40.0}) {
        std::vector<Disc> discs;
        for (int i = 0; i < 600; ++i)
            discs.push_back({std::uniform_real_distribution<double>(-500, 1500)(random),
                             std::uniform_real_distribution<double>(0, 800)(random),
                             std::uniform_real_distribution<double>(1, 30)(random), i});
        std::set<std::pair<int, int>> expected, found;
        for (size_t i = 0; i < discs.size(); ++i)
            for (size_t j = i + 1; j < discs.size(); ++j)
                if (std::hypot(discs[i].x - discs[j].x, discs[i].y - discs[j].y) - discs[i].r -
                        discs[j].r <
                    reach)
                    expected.insert({discs[i].id, discs[j].id});
        ForEachClosePair(discs, reach, [&](const Disc &a, const Disc &b, double) {
            EXPECT_TRUE(found.insert({std::min(a.id, b.id), std::max(a.id, b.id)}).second)
                << "each pair once";
        });
        EXPECT_EQ(found, expected) << "reach " << reach;
        EXPECT_FALSE(expected.empty());
    }
}

} // namespace
} // namespace ventrel
