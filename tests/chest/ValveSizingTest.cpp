// Valve sizing: the smallest standard valve above hole plus margin, and its counters.
#include "ChestText.h"

#include <gtest/gtest.h>
#include <numeric>

namespace ventrel {
namespace {

using test::StopSpec;
using test::StopText;

class ValveSizing : public ::testing::Test {
protected:
    bool Size(const std::vector<int> &holes) {
        StopSpec section;
        section.diameters.assign(holes.size(), 60);
        section.holes = holes;
        test::Read(*chest, StopText(section), ui);
        chest->Layout();
        return chest->SizeValves(counters);
    }
    HeadlessUi ui;
    ValveCounters counters;
    std::unique_ptr<CWindchest> chest = std::make_unique<CWindchest>();
};

TEST_F(ValveSizing, PicksTheSmallestClassAboveHolePlusMargin) {
    ASSERT_TRUE(Size({10, 8, 42, 0, 27}));
    const CStop &stop = chest->Stop(0);
    EXPECT_EQ(stop.m_valve[0], 19) << "10 + 8 = 18 needs 19";
    EXPECT_EQ(stop.m_valve[1], 16) << "8 + 8 = 16 fits 16 exactly";
    EXPECT_EQ(stop.m_valve[2], 50) << "42 + 8 = 50 fits the largest class";
    EXPECT_EQ(stop.m_valve[3], 16) << "an absent pipe is counted too";
    EXPECT_EQ(stop.m_valve[4], 35);
    EXPECT_EQ(chest->m_valve_count, 5);
    EXPECT_EQ(std::accumulate(counters.counts.begin(), counters.counts.end(), 0), 5);
    EXPECT_EQ(counters.counts[1], 2);
    EXPECT_EQ(counters.counts[8], 1);
}

TEST_F(ValveSizing, AHoleTooLargeFailsAndLaterPipesKeepTheirValves) {
    ASSERT_TRUE(Size({10, 10, 10}));
    chest->Stop(0).m_hole[1] = 43;
    EXPECT_FALSE(chest->SizeValves(counters));
    EXPECT_EQ(chest->Stop(0).m_valve[2], 19);
    EXPECT_EQ(counters.counts[2], 1) << "only the pipe before the failure was counted";

    chest->Stop(0).m_hole[1] = 10;
    chest->m_valve_margin = 43;
    EXPECT_FALSE(chest->SizeValves(counters)) << "any hole above 7 fails with a margin of 43";
    chest->m_valve_margin = -20;
    EXPECT_FALSE(chest->SizeValves(counters)) << "a need not above 0 fits no class";
}

TEST_F(ValveSizing, NoStopsIsAFailure) {
    EXPECT_FALSE(chest->SizeValves(counters));
}

} // namespace
} // namespace ventrel
