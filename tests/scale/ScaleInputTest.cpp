// What a scale is given: footages, deviation lines, hole rules, and the check of every value.
#include "scale/Footage.h"
#include "scale/ScalePipes.h"
#include "scale/ScaleText.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(Footage, ReadsWholeFractionalAndDecimalFootages) {
    EXPECT_EQ(ParseFootage("8"), 8.0);
    EXPECT_EQ(ParseFootage(" 16' "), 16.0);
    EXPECT_DOUBLE_EQ(*ParseFootage("2 2/3"), 8.0 / 3);
    EXPECT_DOUBLE_EQ(*ParseFootage("2-2/3"), 8.0 / 3);
    EXPECT_DOUBLE_EQ(*ParseFootage("1 3/5"), 1.6);
    EXPECT_DOUBLE_EQ(*ParseFootage("8/3"), 8.0 / 3);
    EXPECT_DOUBLE_EQ(*ParseFootage("1,6"), 1.6);
    for (const char *bad : {"", "x", "2 2/0", "2/", "/3", "2 2/3x", "-8", "1e3", "8 feet"})
        EXPECT_FALSE(ParseFootage(bad).has_value()) << bad;
}

TEST(Footage, IsWrittenAsOrganBuildersWriteIt) {
    EXPECT_EQ(FormatFootage(8), "8");
    EXPECT_EQ(FormatFootage(8.0 / 3), "2 2/3");
    EXPECT_EQ(FormatFootage(1.6), "1 3/5");
    EXPECT_EQ(FormatFootage(8.0 / 7), "1 1/7");
    EXPECT_EQ(FormatFootage(2.0 / 3), "2/3");
    EXPECT_EQ(FormatFootage(1.2345), "1.234");
    EXPECT_DOUBLE_EQ(NearestUsualFootage(2.5), 8.0 / 3);
    EXPECT_DOUBLE_EQ(NearestUsualFootage(7.4), 8);
}

TEST(DeviationLine, IsInterpolatedBetweenItsPointsAndFlatBeyond) {
    std::string error;
    const auto line = ParseDeviation("2,0@25,-1@49", error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[0], (DeviationPoint{1, 2}));
    EXPECT_DOUBLE_EQ(DeviationAt(line, 1), 2);
    EXPECT_DOUBLE_EQ(DeviationAt(line, 13), 1);
    EXPECT_DOUBLE_EQ(DeviationAt(line, 25), 0);
    EXPECT_DOUBLE_EQ(DeviationAt(line, 37), -0.5);
    EXPECT_DOUBLE_EQ(DeviationAt(line, 60), -1);
    EXPECT_EQ(FormatDeviation(line), "2@1,0@25,-1@49");
    EXPECT_EQ(ParseDeviation("+1.5@13, -2 @ 37", error),
              (std::vector<DeviationPoint>{{13, 1.5}, {37, -2}}));
}

TEST(DeviationLine, RefusesTextThatIsNotAList) {
    for (const char *bad : {"", "two", "1,2", "1@x", "1@2.5", "1@25,", "nan"}) {
        std::string error;
        EXPECT_TRUE(ParseDeviation(bad, error).empty()) << bad;
        EXPECT_EQ(error.rfind("deviation:", 0), 0u) << bad << ": " << error;
    }
}

// Each bad value is refused with a message that starts with the field's name.
TEST(CheckScale, NamesTheFieldOfEveryValueOutOfRange) {
    const struct {
        const char *field;
        void (*spoil)(StopScale &);
    } cases[] = {
        {"name", [](StopScale &s) { s.name = "Two words"; }},
        {"name", [](StopScale &s) { s.name = ""; }},
        {"footage", [](StopScale &s) { s.footage = 0; }},
        {"footage", [](StopScale &s) { s.footage = -8; }},
        {"pipes", [](StopScale &s) { s.pipeCount = 0; }},
        {"pipes", [](StopScale &s) { s.pipeCount = 81; }},
        {"first", [](StopScale &s) { s.firstNote = 0; }},
        {"pitch", [](StopScale &s) { s.pitch = 299; }},
        {"pitch", [](StopScale &s) { s.pitch = 601; }},
        {"temperature", [](StopScale &s) { s.temperature = 80; }},
        {"end correction", [](StopScale &s) { s.endCorrection = -1; }},
        {"deviation",
         [](StopScale &s) {
             s.deviation = {{1, 30.5}};
         }},
        {"deviation",
         [](StopScale &s) {
             s.deviation = {{1, -31}};
         }},
        {"deviation", [](StopScale &s) { s.deviation = {}; }},
        {"deviation",
         [](StopScale &s) {
             s.deviation = {{25, 0}, {13, 1}};
         }},
        {"plate hole ratio", [](StopScale &s) { s.plateHole.ratio = 0; }},
        {"plate hole ratio", [](StopScale &s) { s.plateHole.ratio = 1; }},
        {"plate hole maximum", [](StopScale &s) { s.plateHole.maximum = 3; }},
        {"false-chest hole ratio", [](StopScale &s) { s.falseChestHole.ratio = 1.5; }},
        {"plate hole table",
         [](StopScale &s) {
             s.plateHole.table = {{50, 10}, {40, 8}};
         }},
        {"false-chest hole table",
         [](StopScale &s) {
             s.falseChestHole.table = {{50, 0}};
         }},
    };
    EXPECT_EQ(CheckScale(StopScale{}), "");
    for (const auto &c : cases) {
        StopScale scale;
        c.spoil(scale);
        const std::string error = CheckScale(scale);
        EXPECT_EQ(error.rfind(std::string(c.field) + ":", 0) == 0 ||
                      error.rfind(std::string(c.field) + " ", 0) == 0,
                  true)
            << c.field << " -> \"" << error << "\"";
        std::string computeError;
        EXPECT_TRUE(ComputePipes(scale, computeError).empty());
        EXPECT_EQ(computeError, error);
    }
}

TEST(CheckScale, RefusesAScaleWhosePipesWouldComeOutAbsurd) {
    StopScale scale;
    scale.footage = 1.0 / 8; // pipes of a few millimetres, too short for their end correction
    scale.firstNote = 60;
    scale.pipeCount = 20;
    scale.deviation = {{1, 30}};
    std::string error;
    EXPECT_TRUE(ComputePipes(scale, error).empty());
    EXPECT_EQ(error.rfind("end correction: pipe ", 0), 0u) << error;
    StopScale huge;
    huge.footage = 64;
    huge.deviation = {{1, 30}};
    EXPECT_TRUE(ComputePipes(huge, error).empty());
    EXPECT_EQ(error.rfind("deviation: pipe 1 (note 1) would be ", 0), 0u) << error;
}

TEST(CheckPlacement, RefusesAnOriginTheFileCannotHoldAndUnknownArrangements) {
    EXPECT_EQ(CheckPlacement({20, 40, 1}), "");
    EXPECT_EQ(CheckPlacement({0, 0, 33}), "");
    EXPECT_EQ(CheckPlacement({-30, 40, 1}).rfind("origin:", 0), 0u);
    EXPECT_EQ(CheckPlacement({20, 40, 4}).rfind("incx:", 0), 0u);
}

TEST(HoleRule, ARatioWithLimitsAndAMarginOverThePlateHole) {
    const HoleRule plate{0.22, 6, 40, -1, {}};
    EXPECT_EQ(HoleFor(plate, 100, 0), 22);
    EXPECT_EQ(HoleFor(plate, 20, 0), 6);   // 4.4 raised to the minimum
    EXPECT_EQ(HoleFor(plate, 200, 0), 40); // 44 held to the maximum
    const HoleRule foot{0.5, 0, 0, 4, {}};
    EXPECT_EQ(HoleFor(foot, 100, 22), 50);
    EXPECT_EQ(HoleFor(foot, 12, 6), 10); // 6 raised to the plate hole plus 4
    EXPECT_EQ(HoleFor(HoleRule{0.001, 0, 0, -1, {}}, 10, 0), 1); // never 0: that marks no pipe
}

TEST(HoleRule, ATableIsInterpolatedAndHeldFlatBeyondItsEnds) {
    HoleRule table;
    table.table = {{20, 6}, {60, 14}, {150, 32}};
    EXPECT_EQ(HoleFor(table, 10, 0), 6);
    EXPECT_EQ(HoleFor(table, 40, 0), 10);
    EXPECT_EQ(HoleFor(table, 105, 0), 23);
    EXPECT_EQ(HoleFor(table, 300, 0), 32);
}

} // namespace
} // namespace ventrel
