// The minimal DXF writer: exact texts of the section, lines, circles, rectangles and crosses.
#include "fabrication/DxfWriter.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

const std::string kStart = "0\nSECTION\n2\nENTITIES\n0\n";
const std::string kEnd = "ENDSEC\n0\nEOF";

TEST(DxfWriter, EmptyFileIsTheSectionStartThenTheEnd) {
    test::TestFolder folder;
    DxfWriter dxf;
    ASSERT_TRUE(dxf.Open(folder / "empty.dxf"));
    ASSERT_TRUE(dxf.Close());
    EXPECT_EQ(folder.Read("empty.dxf"), kStart + kEnd);
}

TEST(DxfWriter, LinesPadTheirCoordinatesToFourCharacters) {
    EXPECT_EQ(
        DxfWriter::LineText(-5, 12, 1000, 12),
        "LINE\n8\n0\n100\nAcDbLine\n10\n  -5\n20\n  12\n30\n0.0\n11\n1000\n21\n  12\n31\n0.0\n"
        "210\n0\n220\n0\n230\n1\n0\n");
}

TEST(DxfWriter, CirclesAreNotPadded) {
    EXPECT_EQ(DxfWriter::CircleText(100, 50, 6),
              "CIRCLE\n100\nAcDbEntity\n8\n0\n100\nAcDbCircle\n10\n100\n20\n50\n30\n0\n40\n6\n"
              "210\n0\n220\n0\n230\n1\n0\n");
}

TEST(DxfWriter, RectanglesAndCrossesAreLinesInTheirOrder) {
    test::TestFolder folder;
    DxfWriter dxf;
    ASSERT_TRUE(dxf.Open(folder / "r.dxf"));
    dxf.Rectangle({1, 2, 3, 4});
    dxf.Cross(100, 50);
    ASSERT_TRUE(dxf.Close());
    EXPECT_EQ(folder.Read("r.dxf"),
              kStart + DxfWriter::LineText(1, 3, 2, 3) + DxfWriter::LineText(1, 4, 2, 4) +
                  DxfWriter::LineText(1, 3, 1, 4) + DxfWriter::LineText(2, 3, 2, 4) +
                  DxfWriter::LineText(90, 50, 110, 50) + DxfWriter::LineText(100, 40, 100, 60) +
                  kEnd);
}

TEST(DxfWriter, UnwritableFileIsRefusedAndAnAbandonedOneLeavesTheOldFile) {
    DxfWriter bad;
    EXPECT_FALSE(bad.Open("/nonexistent/x.dxf"));
    EXPECT_FALSE(bad.Error().empty());

    test::TestFolder folder;
    folder.Write("plate.dxf", "previous");
    {
        DxfWriter dxf;
        ASSERT_TRUE(dxf.Open(folder / "plate.dxf"));
        dxf.Circle(1, 2, 3);
    }
    EXPECT_EQ(folder.Read("plate.dxf"), "previous");
}

} // namespace
} // namespace ventrel
