// The .poly outline file: exact text, short files, limits and round trips.
#include "CommaLocale.h"
#include "TestFolder.h"
#include "outline/L_2D_Drawing.h"

#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(PolyFile, CoordinatesThatAreNoLengthAreRefusedWithTheirPoint) {
    test::TestFolder folder;
    HeadlessUi ui;
    L_2D_Drawing outline;
    outline.AddPoint({7, 7});
    const std::string first = "         3        1.000000         2.000000";
    const struct {
        const char *name;
        std::string text;
        std::string reason;
    } cases[] = {
        {"nan.poly", first + "             nan         4.000000", "point 2: x is nan"},
        {"inf.poly", first + "        3.000000            -inf", "point 2: y is infinite"},
        {"far.poly", first + "  1000000.500000         0.000000",
         "point 2: x = 1000000.500000 lies beyond +/-1000000 mm"},
        {"exponent.poly", first + "        0.000000           -2e30", "point 2: y = -"},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(outline.L_2D_savepoints(folder.Write(c.name, c.text), PolyFile::Input, ui))
            << c.name;
        ASSERT_FALSE(ui.Messages().empty());
        EXPECT_NE(ui.Messages().back().text.find(c.reason), std::string::npos)
            << ui.Messages().back().text;
        EXPECT_NE(ui.Messages().back().text.find(c.name), std::string::npos);
    }
    EXPECT_EQ(outline.PointCount(), 1) << "a refused file leaves the outline as it was";

    std::string reason;
    ASSERT_TRUE(outline.ParsePoly(
        "         2 -1000000.000000  1000000.000000        1.000000         2.000000", reason));
    EXPECT_EQ(outline.Point(0), (Vec2{-1000000, 1000000})) << "the limit itself is a length";
}

TEST(PolyFile, PointsAreReadInOnePassWhateverFollows) {
    // A thousand points, then 64 MB that are no pairs: the points are read and the rest is left
    // unread, which an outline followed by junk must not make slow.
    L_2D_Drawing outline;
    for (int i = 0; i < L_2D_Drawing::kCapacity; ++i)
        outline.AddPoint({static_cast<float>(i) * 0.5f, -static_cast<float>(i)});
    std::string text = outline.PolyText();
    text.append(64u << 20, '7');
    L_2D_Drawing back;
    std::string reason;
    ASSERT_TRUE(back.ParsePoly(text, reason)) << reason;
    ASSERT_EQ(back.PointCount(), 1000);
    EXPECT_EQ(back.Point(999), (Vec2{499.5f, -999}));
    EXPECT_EQ(back.PolyText(), outline.PolyText());

    // Fields of 16 characters: a number longer than its field leaves the rest to the next one.
    ASSERT_TRUE(back.ParsePoly("         1 12345.1234567891234", reason));
    ASSERT_EQ(back.PointCount(), 1);
    EXPECT_EQ(back.Point(0), (Vec2{12345.1234567891f, 234}));
}

TEST(PolyFile, ADecimalCommaLocaleWritesAndReadsTheSameBytes) {
    test::TestFolder folder;
    HeadlessUi ui;
    L_2D_Drawing shipped;
    ASSERT_TRUE(shipped.L_2D_savepoints(
        std::string(VENTREL_SOURCE_DIR) + "/examples/tourelle-profil.poly", PolyFile::Input, ui));
    test::ScopedCommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << comma.Why();

    L_2D_Drawing outline;
    outline.AddPoint({0, 0});
    outline.AddPoint({100, 50.25f});
    outline.AddPoint({-3.5f, 1234.125f});
    ASSERT_TRUE(outline.L_2D_savepoints(folder / "written.poly", PolyFile::Output, ui));
    EXPECT_EQ(folder.Read("written.poly"), "         3        0.000000         0.000000"
                                           "      100.000000        50.250000"
                                           "       -3.500000      1234.125000");
    L_2D_Drawing back;
    ASSERT_TRUE(back.L_2D_savepoints(folder / "written.poly", PolyFile::Input, ui));
    EXPECT_EQ(back.m_points, outline.m_points);

    L_2D_Drawing turret;
    ASSERT_TRUE(turret.L_2D_savepoints(
        std::string(VENTREL_SOURCE_DIR) + "/examples/tourelle-profil.poly", PolyFile::Input, ui));
    EXPECT_EQ(turret.m_points, shipped.m_points) << "the shipped turret does not collapse";
    EXPECT_NE(turret.Point(1), (Vec2{0, 0}));
    EXPECT_TRUE(ui.Messages().empty());
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
