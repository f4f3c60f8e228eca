// The .poly outline file: exact text, short files, limits and round trips.
#include "TestFolder.h"
#include "outline/L_2D_Drawing.h"

#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(PolyFile, TextIsACountThenFixedWidthPairs) {
    L_2D_Drawing outline;
    EXPECT_EQ(outline.PolyText(), "         0");
    outline.AddPoint({0, 0});
    outline.AddPoint({100, 50});
    EXPECT_EQ(outline.PolyText(),
              "         2        0.000000         0.000000      100.000000        50.000000");
    EXPECT_EQ(outline.m_pen, (Vec2{100, 50}));
}

TEST(PolyFile, WrittenAndReadBackToSixDecimals) {
    test::TestFolder folder;
    HeadlessUi ui;
    L_2D_Drawing outline;
    outline.AddPoint({1.234567f, -9876.5f});
    outline.AddPoint({0.5f, 3});
    outline.m_plane = 4;
    ASSERT_TRUE(outline.L_2D_savepoints(folder / "a.poly", PolyFile::Output, ui));
    L_2D_Drawing back;
    ASSERT_TRUE(back.L_2D_savepoints(folder / "a.poly", PolyFile::Input, ui));
    ASSERT_EQ(back.PointCount(), 2);
    EXPECT_NEAR(back.m_points[0].x, 1.234567f, 1e-6);
    EXPECT_EQ(back.m_points[0].y, -9876.5f);
    EXPECT_EQ(back.m_plane, 0) << "reading resets the plane";
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(PolyFile, ShortFileKeepsItsCountWithZeroPointsAfterTheEnd) {
    L_2D_Drawing outline;
    std::string reason;
    ASSERT_TRUE(outline.ParsePoly(
        "         3        1.000000         2.000000        3.000000         4.000000", reason));
    ASSERT_EQ(outline.PointCount(), 3);
    EXPECT_EQ(outline.Point(1), (Vec2{3, 4}));
    EXPECT_EQ(outline.Point(2), (Vec2{0, 0}));
    EXPECT_EQ(outline.Point(7), (Vec2{0, 0})) << "outside the outline";
}

TEST(PolyFile, BadFilesAreRefusedAndLeaveTheOutlineAsItWas) {
    test::TestFolder folder;
    HeadlessUi ui;
    L_2D_Drawing outline;
    outline.AddPoint({7, 7});
    folder.Write("huge.poly", "1000000000 1 2");
    folder.Write("negative.poly", "        -4");
    folder.Write("text.poly", "points");
    for (const char *name : {"huge.poly", "negative.poly", "text.poly", "absent.poly"})
        EXPECT_FALSE(outline.L_2D_savepoints(folder / name, PolyFile::Input, ui)) << name;
    EXPECT_EQ(outline.PointCount(), 1);
    EXPECT_EQ(ui.Messages().size(), 4u);

    EXPECT_FALSE(outline.L_2D_savepoints("", PolyFile::Output, ui));
    EXPECT_EQ(ui.Messages().back().text, "No file selected for L_2D_savepoints output");
    EXPECT_FALSE(outline.L_2D_savepoints("", PolyFile::Input, ui));
    EXPECT_EQ(ui.Messages().back().text, "No file selected for L_2D_savepoints input");
    EXPECT_FALSE(outline.L_2D_savepoints("/nonexistent/a.poly", PolyFile::Output, ui));
}

TEST(PolyFile, AnOutlineHoldsAThousandPoints) {
    L_2D_Drawing outline;
    for (int i = 0; i < L_2D_Drawing::kCapacity; ++i)
        ASSERT_TRUE(outline.AddPoint({static_cast<float>(i), 0}));
    EXPECT_FALSE(outline.AddPoint({1, 1}));
    EXPECT_EQ(outline.PointCount(), 1000);
    EXPECT_EQ(outline.m_pen, (Vec2{999, 0}));
}

} // namespace
} // namespace ventrel
