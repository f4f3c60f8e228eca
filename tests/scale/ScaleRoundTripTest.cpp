// A stop made from a scale, written as a description section or a stop file, read back by the
// chest readers, and its deviations read back from its diameters.
#include "TestFolder.h"

#include "chest/CWindchest.h"
#include "chest/StopFile.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"
#include "scale/ReferenceScale.h"
#include "scale/ScaleText.h"
#include "scale/StopDeviation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace ventrel {
namespace {

StopScale Principal() {
    StopScale scale;
    scale.name = "Principal8";
    std::string error;
    scale.deviation = ParseDeviation("2,0@25,-1@49", error);
    return scale;
}

std::vector<ScalePipe> Pipes(const StopScale &scale, int count = -1) {
    std::string error;
    auto pipes = ComputePipes(scale, error, count);
    EXPECT_EQ(error, "");
    return pipes;
}

// Rounding a diameter d to the millimetre moves its deviation by at most this.
double RoundingBound(int diameter) {
    return kHalvingHalfTones * std::log2((diameter + 0.5) / diameter) + 1e-9;
}

void ExpectSamePipes(const CStop &stop, const std::vector<ScalePipe> &pipes) {
    ASSERT_EQ(stop.m_pipe_count, static_cast<int>(pipes.size()));
    for (size_t k = 0; k < pipes.size(); ++k) {
        EXPECT_EQ(stop.m_diameter[k], pipes[k].diameter) << k;
        EXPECT_EQ(stop.m_hole[k], pipes[k].hole) << k;
        EXPECT_EQ(stop.m_foot[k], pipes[k].foot) << k;
        EXPECT_EQ(stop.m_length[k], pipes[k].length) << k;
    }
}

TEST(ScaleRoundTrip, AStopReadsBackToItsDeviationsWithinRounding) {
    for (bool square : {false, true}) {
        StopScale scale = Principal();
        scale.square = square;
        scale.firstNote = 13;
        const auto pipes = Pipes(scale);
        CStop stop;
        FillStop(stop, scale, pipes, {});
        const auto points = StopDeviations(stop, scale.footage);
        ASSERT_EQ(points.size(), pipes.size());
        for (size_t k = 0; k < points.size(); ++k) {
            EXPECT_EQ(points[k].note, 13 + static_cast<int>(k));
            EXPECT_NEAR(points[k].halfTones, DeviationAt(scale.deviation, points[k].note),
                        RoundingBound(pipes[k].diameter) * (square ? 1.2 : 1))
                << k;
        }
    }
}

TEST(ScaleRoundTrip, AbsentPipesHaveNoDeviation) {
    const StopScale scale = Principal();
    CStop stop;
    FillStop(stop, scale, Pipes(scale), {});
    stop.m_hole[3] = 0;
    stop.m_diameter[5] = 0;
    const auto points = StopDeviations(stop, 8);
    EXPECT_EQ(points.size(), 54u);
    EXPECT_EQ(points[3].note, 5);
}

TEST(ScaleRoundTrip, TheFrenchSectionIsReadBackByTheChestReader) {
    StopScale scale = Principal();
    scale.pipeCount = 30; // three lines of 14, 14 and 2
    const auto pipes = Pipes(scale);
    const std::string section = DatStopSection(scale, pipes, {30, 140, -1}, false);
    EXPECT_EQ(section.rfind("JEU Principal8\nNTUYAUX 30\nTUYAU1 1\nINCX -1\nFORME:ROND\n"
                            "XY0 30 140\n/ diametres\n",
                            0),
              0u);
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    // Two sections one after the other: the second is found where the first ends.
    chest->ReadDat(section + section, WorkFolder{}, ui);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(ui.LastStatus(), "");
    ASSERT_EQ(chest->m_stop_count, 2);
    for (int s = 0; s < 2; ++s) {
        const CStop &stop = chest->Stop(s);
        EXPECT_EQ(stop.m_name, "Principal8");
        EXPECT_EQ(stop.m_first_pipe, 1);
        EXPECT_EQ(stop.m_incx, -1);
        EXPECT_EQ(stop.m_x0, 30);
        EXPECT_EQ(stop.m_y0, 140);
        EXPECT_FALSE(stop.m_square);
        ExpectSamePipes(stop, pipes);
    }
}

TEST(ScaleRoundTrip, TheEnglishSectionIsReadBackInAnEnglishFile) {
    StopScale scale = Principal();
    scale.name = "Bourdon16";
    scale.footage = 16;
    scale.construction = Construction::Stopped;
    scale.square = true;
    scale.pipeCount = 12;
    const auto pipes = Pipes(scale);
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    chest->ReadDat("ENGLISH\n" + DatStopSection(scale, pipes, {}, true), WorkFolder{}, ui);
    ASSERT_EQ(chest->m_stop_count, 1);
    EXPECT_TRUE(chest->Stop(0).m_square);
    ExpectSamePipes(chest->Stop(0), pipes);
    // The same stop laid out on the chest like the one FillStop makes.
    CStop filled;
    FillStop(filled, scale, pipes, {});
    EXPECT_EQ(filled.m_x0, chest->Stop(0).m_x0);
    EXPECT_EQ(filled.m_square, chest->Stop(0).m_square);
}

TEST(ScaleRoundTrip, TheStopFileHoldsEveryC) {
    const StopScale scale = Principal();
    const auto pipes = Pipes(scale, kStopFileComputedPipes);
    const std::string text = StopFileText(pipes);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    ASSERT_TRUE(ReadStopFile(*chest, text, ui));
    const CStop &stop = chest->Stop(0);
    for (int k = 0; k <= 60; k += 12) {
        EXPECT_EQ(stop.m_diameter[k], pipes[k].diameter);
        EXPECT_EQ(stop.m_foot[k], pipes[k].foot);
        EXPECT_EQ(stop.m_hole[k], pipes[k].hole);
        EXPECT_EQ(stop.m_length[k], pipes[k].length);
    }
}

// The bundled examples were written with the default hole rules: a Montre of 140 mm at C whose
// diameter halves every 16 notes is a constant deviation of 16 log2(140 / 155.5) half-tones.
TEST(ScaleRoundTrip, TheDefaultHoleRulesAreThoseOfTheBundledExamples) {
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    const auto examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    ASSERT_TRUE(chest->ReadDatFile("grand-orgue.dat", WorkFolder::Both(examples), ui));
    const CStop &montre = chest->Stop(0);
    ASSERT_EQ(montre.m_name, "Montre8");
    StopScale scale;
    scale.pipeCount = montre.m_pipe_count;
    scale.deviation = {{1, kHalvingHalfTones * std::log2(140 / kReferenceDiameter)}};
    const auto pipes = Pipes(scale);
    for (int k = 0; k < montre.m_pipe_count; ++k) {
        EXPECT_EQ(pipes[k].diameter, montre.m_diameter[k]) << k;
        EXPECT_EQ(pipes[k].hole, montre.m_hole[k]) << k;
        EXPECT_EQ(pipes[k].foot, montre.m_foot[k]) << k;
    }
}

TEST(GuessFootage, FromTheNameOrElseFromTheFirstLength) {
    HeadlessUi ui;
    const auto examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    const struct {
        const char *file, *stop;
        double footage;
        const char *from;
    } cases[] = {{"grand-orgue.dat", "Montre8", 8, "name"},
                 {"grand-orgue.dat", "Fourniture1", 2, "length"},
                 {"grand-orgue.dat", "Fourniture2", 1 + 1.0 / 3, "length"},
                 {"grand-orgue.dat", "Fourniture3", 1, "length"},
                 {"grand-orgue.dat", "Doublette2", 2, "name"},
                 {"recit.dat", "Nazard", 2 + 2.0 / 3, "name"},
                 {"pedale.dat", "Soubasse16", 16, "name"}};
    for (const auto &c : cases) {
        auto chest = std::make_unique<CWindchest>();
        ASSERT_TRUE(chest->ReadDatFile(c.file, WorkFolder::Both(examples), ui));
        bool found = false;
        for (int s = 0; s < chest->StopCount(); ++s)
            if (chest->Stop(s).m_name == c.stop) {
                found = true;
                const GuessedFootage guess = GuessFootage(chest->Stop(s));
                EXPECT_DOUBLE_EQ(guess.footage, c.footage) << c.stop;
                EXPECT_EQ(guess.from, c.from) << c.stop;
            }
        EXPECT_TRUE(found) << c.stop;
    }
    // A stopped pipe of 1220 mm on C is an 8' when its name says it is stopped, else a 4'.
    CStop stop;
    stop.m_pipe_count = 1;
    stop.m_diameter[0] = 90;
    stop.m_hole[0] = 18;
    stop.m_length[0] = 1220;
    stop.m_name = "Gedackt";
    EXPECT_DOUBLE_EQ(GuessFootage(stop).footage, 8);
    stop.m_name = "Flute";
    EXPECT_DOUBLE_EQ(GuessFootage(stop).footage, 4);
}

} // namespace
} // namespace ventrel
