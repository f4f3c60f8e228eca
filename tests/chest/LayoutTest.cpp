// Laying pipes out on the plate: the row, line, turret and mixture rules, sliders, plate, pilots.
#include "ChestText.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::Read;
using test::StopSpec;
using test::StopText;

class Layout : public ::testing::Test {
protected:
    CWindchest &Chest(const std::string &text) {
        Read(*chest, text, ui);
        chest->Layout();
        return *chest;
    }
    HeadlessUi ui;
    std::unique_ptr<CWindchest> chest = std::make_unique<CWindchest>();
};

TEST_F(Layout, StaggeredRowsNestEachPipeBetweenItsNeighbours) {
    StopSpec section; // 40 and 38 mm, minimum gap 12, INCX 1, origin (0, 0)
    const CStop &stop = Chest(StopText(section)).Stop(0);
    EXPECT_EQ(stop.X(0), 20);
    EXPECT_EQ(stop.Y(0), 20);
    EXPECT_EQ(stop.X(1), 45);
    EXPECT_EQ(stop.Y(1), 64);
    EXPECT_EQ(stop.m_side[0], -1);
    EXPECT_EQ(stop.m_side[1], -1);
    EXPECT_TRUE(stop.m_valve_drawn);
    // Bounds of round INCX 1: (x0, y0) to (X[n-1] + W[n-1], Y[1] + W[0] / 2).
    EXPECT_EQ(stop.m_bounds, (CRectangle{0, 45 + 38, 0, 64 + 20}));
}

TEST_F(Layout, SmallPipesStepAtLeastTwentyAlongTheRow) {
    StopSpec section;
    section.diameters = {10, 10, 10, 10, 10};
    const CStop &stop = Chest(StopText(section)).Stop(0);
    // c = 12, e = 11, d = 22, f = 19, g = 22, h = 11, m = 11: p = 11 < 20, so e = p = 20.
    EXPECT_EQ(stop.X(0), 5);
    EXPECT_EQ(stop.X(1), 25);
    EXPECT_EQ(stop.X(2), 45);
    EXPECT_EQ(stop.X(3), 65);
    EXPECT_EQ(stop.Y(1), 5 + 19);
    EXPECT_EQ(stop.Y(2), 5);
}

TEST_F(Layout, RowsTowardMinusXAndColumns) {
    StopSpec left;
    left.incx = -1;
    left.x0 = 500;
    left.diameters = {40, 38, 36};
    const CStop &a = Chest(StopText(left)).Stop(0);
    EXPECT_EQ(a.X(0), 520);
    EXPECT_EQ(a.X(1), 520 - 25);
    // Bounds of round INCX -1 run from the last pipe to the first.
    EXPECT_EQ(a.m_bounds.x1, a.X(2) - 18);
    EXPECT_EQ(a.m_bounds.x2, 540);

    StopSpec columns;
    columns.incx = 2;
    columns.diameters = {40, 38, 36};
    const CStop &b = Chest(StopText(columns)).Stop(0);
    // f = 44, e = 25: the second column stands 44 to the right, pipes step 25 along Y.
    EXPECT_EQ(b.X(1), 20 + 44);
    EXPECT_EQ(b.Y(1), 20 + 25);
    EXPECT_EQ(b.X(2), 20);
    EXPECT_EQ(b.Y(2), 20 + 50);
    EXPECT_EQ(b.m_bounds, (CRectangle{0, 64 + 19, 0, 70 + 18}));
}

TEST_F(Layout, RoundStopWithAnUnknownCodeKeepsItsPreviousExtent) {
    StopSpec section;
    section.incx = 0;
    CWindchest &c = Chest(StopText(section));
    EXPECT_EQ(c.Stop(0).X(1), 20 + 44) << "laid out in columns";
    EXPECT_EQ(c.Stop(0).m_bounds.x2, 0);
    EXPECT_EQ(c.Stop(0).m_bounds.y2, 0);
}

TEST_F(Layout, SquarePipesInRowsAndInColumnsTowardMinusY) {
    StopSpec rows;
    rows.shape = "CARRE";
    rows.diameters = {50, 50, 50};
    const CStop &a = Chest(StopText(rows)).Stop(0);
    // c = 12, d = 62, e = 31, f = trunc sqrt(62² - 31²) = 53.
    EXPECT_EQ(a.X(1), 25);
    EXPECT_EQ(a.Y(1), 25 + 53);
    EXPECT_EQ(a.X(2), 25 + 62);
    EXPECT_EQ(a.Y(2), 25);

    StopSpec down;
    down.shape = "CARRE";
    down.incx = 0;
    down.y0 = 500;
    down.diameters = {50, 50, 50};
    const CStop &b = Chest(StopText(down)).Stop(0);
    EXPECT_EQ(b.X(1), 25 + 12 + 50);
    EXPECT_EQ(b.Y(1), 525);
    EXPECT_EQ(b.X(2), 25);
    EXPECT_EQ(b.Y(2), 525 - 62) << "a negative or unknown code runs toward -Y";
}

TEST_F(Layout, LineAndDiatonicSides) {
    StopSpec line;
    line.incx = 3;
    line.diameters = {100, 90, 80};
    const CStop &a = Chest(StopText(line)).Stop(0);
    // gap = max(W / 5, 12): 18 and 16.
    EXPECT_EQ(a.X(1), 50 + 90 + 18);
    EXPECT_EQ(a.X(2), 158 + 80 + 16);
    EXPECT_EQ(a.m_side[1], 0) << "no magnets on a line";

    StopSpec facade = line;
    facade.extra = "DIATONIQUE 1000\n";
    facade.diameters = {100, 90, 80, 70};
    const CStop &b = Chest(StopText(facade)).Stop(0);
    EXPECT_EQ(b.X(1), 1000);
    EXPECT_EQ(b.X(2), 50 + 100 + 16);
    EXPECT_EQ(b.X(3), 1000 - 90 - 16);
    EXPECT_EQ(b.Y(3), 50);
    EXPECT_EQ(b.m_bounds, (CRectangle{0, 1000 + 45, 0, 100}));

    facade.incx = 33;
    const CStop &c = Chest(StopText(facade)).Stop(0);
    EXPECT_EQ(c.Y(2), 50 + 50 - 40) << "every pipe touches the back line y0 + W[0]";
    EXPECT_EQ(c.Y(3), 50 + 50 - 35);
}

TEST_F(Layout, TurretPipesStandOnThePathFromTheMiddleOutward) {
    StopSpec section;
    section.diameters = {60, 50, 50, 40, 40};
    section.x0 = 10;
    section.y0 = 20;
    Read(*chest, StopText(section), ui);
    CStop &stop = chest->Stop(0);
    CLoft &turret = stop.Turret(0);
    for (int i = 0; i < 5; ++i)
        turret.m_forme.AddPoint({100.0f * i + 0.7f, 7.9f});
    stop.m_turret_count = 1;
    chest->Layout();
    // h = 2: point 2 carries pipe 0, points 1 and 0 pipes 1 and 3, points 3 and 4 pipes 2 and 4.
    EXPECT_EQ(stop.X(0), 210);
    EXPECT_EQ(stop.X(1), 110);
    EXPECT_EQ(stop.X(3), 10);
    EXPECT_EQ(stop.X(2), 310);
    EXPECT_EQ(stop.X(4), 410);
    EXPECT_EQ(stop.Y(4), 27);
    EXPECT_EQ(chest->m_frame_holes.m_pipe_count, 0) << "no pilot holes under a turret";

    // A path shorter than the stop puts the remaining pipes on the origin, reading nothing more.
    turret.m_forme.Clear();
    turret.m_forme.AddPoint({50, 50});
    chest->Layout();
    EXPECT_EQ(stop.X(3), 60);
    EXPECT_EQ(stop.X(0), 10);
}

TEST_F(Layout, MixtureGroupSharesColumnsAndTheStopAfterItIsLaidOutNormally) {
    StopSpec rank1, rank2, after;
    rank1.before = "MIXTURE\n";
    rank1.name = "Fourniture1";
    rank1.diameters = {30, 28, 26};
    rank1.holes = {8, 7, 6};
    rank1.y0 = 100;
    rank2 = rank1;
    rank2.name = "Fourniture2";
    rank2.diameters = {32, 24, 22};
    rank2.holes = {9, 7, 6};
    rank2.y0 = 150;
    after.name = "Bourdon8";
    after.y0 = 300;
    CWindchest &c = Chest(StopText(rank1) + StopText(rank2) + StopText(after));
    const CStop &f = c.Stop(0);
    const CStop &g = c.Stop(1);
    // The widest pipe is rank 2's first (32, hole 9): columns step extra 10 + that rank's W[k].
    EXPECT_EQ(f.X(0), 15);
    EXPECT_EQ(f.X(1), 15 + 10 + 24);
    EXPECT_EQ(f.X(2), 49 + 10 + 22);
    EXPECT_EQ(g.X(0), 16);
    EXPECT_EQ(g.X(1), 49);
    EXPECT_EQ(g.Y(2), 166);
    EXPECT_EQ(f.m_valve_rects[1], (CRectangle{49 - 4, 49 + 4, 115 - 4 - 30, 115 + 4 + 30}));
    EXPECT_EQ(g.m_side[2], -1);
    EXPECT_TRUE(g.m_valve_drawn);
    EXPECT_EQ(c.Stop(2).X(1), 45) << "the stop after the group follows its own rule";
    EXPECT_EQ(c.Stop(2).Y(1), 364);
}

TEST_F(Layout, SliderStopsTakeTheMasterPositionsOfTheirNotes) {
    StopSpec master, slider, beyond;
    master.extra = "SLIDER 2\n";
    master.incx = 3;
    master.diameters = {40, 40, 40, 40};
    slider.name = "Nazard";
    slider.extra = "SLIDER 1\n";
    slider.first = 2;
    slider.y0 = 200;
    slider.diameters = {20, 20, 20};
    beyond.name = "Trop";
    beyond.extra = "SLIDER 1\n";
    beyond.first = 3;
    beyond.y0 = 400;
    beyond.diameters = {20, 20, 20};
    CWindchest &c = Chest(StopText(master) + StopText(slider) + StopText(beyond));
    ASSERT_TRUE(c.m_show_registers);
    const CStop &m = c.Stop(0);
    const CStop &s = c.Stop(1);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(s.X(j), m.X(j + 1));
        EXPECT_EQ(s.Y(j), s.Y(1)) << "one line";
    }
    // The third slider stop reaches past the master's four pipes: its last pipe keeps its own X.
    EXPECT_EQ(c.Stop(2).X(1), m.X(3));
    EXPECT_NE(c.Stop(2).X(2), m.X(3));
}

TEST_F(Layout, PlateAndPilotHoles) {
    StopSpec section;
    section.incx = 3;
    section.diameters = {1};
    section.x0 = 957; // bounds x2 = X[0] + W[0] = 958
    section.y0 = 550; // bounds y2 = Y[1] + W[0] / 2 = 550 + 0
    CWindchest &c = Chest("TROUCENTRAL 0 300\n" + StopText(section));
    EXPECT_EQ(c.m_plate, (CRectangle{0, 1000, 0, 600}));
    const CStop &pilots = c.m_frame_holes;
    ASSERT_EQ(pilots.m_pipe_count, 11);
    EXPECT_EQ(pilots.X(2), 989);
    EXPECT_EQ(pilots.Y(2), 589);
    EXPECT_EQ(pilots.X(4), 333);
    EXPECT_EQ(pilots.X(5), 666);
    EXPECT_EQ(pilots.Y(8), 300);
    EXPECT_EQ(pilots.X(10), 500);
    EXPECT_EQ(pilots.Y(10), 300);
    EXPECT_EQ(pilots.m_hole[10], 12);
    EXPECT_EQ(pilots.m_bounds, c.m_plate);
}

TEST_F(Layout, EmptyChestKeepsItsPlateAndZeroPipeStopsReadNothingOutside) {
    chest->m_plate = {0, 7, 0, 9};
    chest->Layout();
    EXPECT_EQ(chest->m_plate, (CRectangle{0, 7, 0, 9}));

    StopSpec section;
    section.diameters = {};
    CWindchest &c = Chest(StopText(section));
    EXPECT_EQ(c.Stop(0).m_pipe_count, 0);
    EXPECT_EQ(c.m_frame_holes.m_pipe_count, 10);
}

} // namespace
} // namespace ventrel
