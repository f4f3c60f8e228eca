// The scale model against published reference values: the Normalmensur, typical stops, lengths.
#include "scale/ReferenceScale.h"
#include "scale/ScalePipes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventrel {
namespace {

StopScale Scale(double footage, const std::string &deviation, int pipes = 56) {
    StopScale scale;
    scale.footage = footage;
    scale.pipeCount = pipes;
    std::string error;
    scale.deviation = ParseDeviation(deviation, error);
    EXPECT_EQ(error, "");
    return scale;
}

std::vector<ScalePipe> Pipes(const StopScale &scale) {
    std::string error;
    auto pipes = ComputePipes(scale, error);
    EXPECT_EQ(error, "");
    return pipes;
}

TEST(ReferenceScale, IsTheNormalmensurAt8FootCAndHalvesOnThe17thNote) {
    const auto pipes = Pipes(Scale(8, "0"));
    EXPECT_DOUBLE_EQ(pipes[0].exactDiameter, 155.5);
    EXPECT_EQ(pipes[0].diameter, 156);
    EXPECT_DOUBLE_EQ(pipes[16].exactDiameter, 77.75); // the 17th note
    EXPECT_DOUBLE_EQ(pipes[32].exactDiameter, 155.5 / 4);
    // 4' C is 8' c: twelve half-tones up.
    EXPECT_DOUBLE_EQ(Pipes(Scale(4, "0"))[0].exactDiameter, pipes[12].exactDiameter);
}

// Diameters of typical 8' stops at middle C (c', note 25) with their half-tone deviations, as
// published with the Normalmensur (tables given to a tenth of a millimetre).
TEST(ReferenceScale, GivesThePublishedDiametersOfTypicalStopsAtMiddleC) {
    const struct {
        const char *stop;
        double halfTones, millimetres;
    } typical[] = {{"Viole d'orchestre", -10, 35.6},
                   {"Salicional", -7, 40.6},
                   {"Violin diapason", -4, 46.2},
                   {"Principal", -2, 50.4},
                   {"Normalmensur", 0, 54.9},
                   {"Open diapason", 1, 57.4},
                   {"Gedeckt", 4, 65.4},
                   {"Flute a cheminee", 7, 74.4},
                   {"Flute ouverte", 9, 81.1}};
    for (const auto &stop : typical) {
        StopScale scale = Scale(8, "0");
        scale.deviation = {{1, stop.halfTones}};
        const ScalePipe middleC = Pipes(scale)[24];
        ASSERT_EQ(middleC.note, 25);
        EXPECT_NEAR(middleC.exactDiameter, stop.millimetres, 0.15) << stop.stop;
        // The reverse reads the published diameter back as its deviation.
        EXPECT_NEAR(DeviationOf(stop.millimetres, middleC.position), stop.halfTones, 0.05)
            << stop.stop;
    }
}

TEST(ReferenceScale, MutationsTakeTheDiameterOfTheNoteTheySoundAndItsPureInterval) {
    const auto nazard = Pipes(Scale(2.0 + 2.0 / 3, "0"));
    const auto principal8 = Pipes(Scale(8, "0"));
    EXPECT_DOUBLE_EQ(nazard[0].position, 19); // g, a twelfth above C
    EXPECT_DOUBLE_EQ(nazard[0].exactDiameter, principal8[19].exactDiameter);
    EXPECT_NEAR(nazard[0].frequency, 3 * principal8[0].frequency, 1e-9);
    EXPECT_DOUBLE_EQ(Pipes(Scale(1.0 + 3.0 / 5, "0"))[0].position,
                     28); // e, two octaves and a third
}

TEST(ReferenceScale, OpenLengthIsHalfTheWaveLessTheEndCorrection) {
    StopScale scale = Scale(8, "0", 1);
    // a' = 440 Hz is 33 half-tones above 8' C; sound at 18 degrees: 331.3 m/s * sqrt(1 +
    // 18/273.15).
    const double c = 331300 * std::sqrt(1 + 18 / 273.15);
    const double wave = c / (440 * std::pow(2.0, -33 / 12.0));
    EXPECT_NEAR(Pipes(scale)[0].frequency, 65.406, 0.001);
    EXPECT_EQ(Pipes(scale)[0].length, std::lround(wave / 2 - 155.5 * 5 / 3));
    EXPECT_GT(Pipes(scale)[0].length, 2300); // an 8' C is a little under 8 feet long
    EXPECT_LT(Pipes(scale)[0].length, 2440);
    scale.endCorrection = 0;
    EXPECT_EQ(Pipes(scale)[0].length, std::lround(wave / 2));
    scale.pitch = 415;
    EXPECT_EQ(Pipes(scale)[0].length, std::lround(wave / 2 * 440 / 415));
    scale.temperature = 0;
    EXPECT_EQ(Pipes(scale)[0].length, std::lround(331300 / (415 * std::pow(2.0, -33 / 12.0)) / 2));
}

TEST(ReferenceScale, AStoppedPipeSoundsAnOctaveBelowTheOpenPipeOfItsLength) {
    // A stopped 8' and an open 4' of the same diameters have the same bodies, an octave apart.
    StopScale stopped = Scale(8, "3,-1@49");
    stopped.construction = Construction::Stopped;
    const StopScale open = Scale(4, "15,11@49");
    const auto low = Pipes(stopped), high = Pipes(open);
    for (size_t k = 0; k < low.size(); ++k) {
        ASSERT_EQ(low[k].diameter, high[k].diameter) << k;
        EXPECT_EQ(low[k].length, high[k].length) << k;
        EXPECT_NEAR(high[k].frequency, 2 * low[k].frequency, 1e-9);
    }
    // Half-stopped bodies are cut as stopped ones: the chimney is the voicer's.
    stopped.construction = Construction::HalfStopped;
    EXPECT_EQ(Pipes(stopped)[0].length, low[0].length);
    // Open, the same pipe is twice as long less one end correction.
    stopped.construction = Construction::Open;
    EXPECT_NEAR(Pipes(stopped)[0].length, 2 * low[0].length + 5.0 / 3 * low[0].exactDiameter, 1);
}

TEST(ReferenceScale, SquarePipesHaveTheCrossSectionOfTheRoundOne) {
    StopScale scale = Scale(16, "0", 1);
    scale.square = true;
    const ScalePipe pipe = Pipes(scale)[0];
    EXPECT_NEAR(pipe.diameter * pipe.diameter, 3.14159265 / 4 * 261.5 * 261.5, 250);
}

} // namespace
} // namespace ventrel
