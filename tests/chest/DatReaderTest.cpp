// Reading description files: stop files in both languages, partitions, octaves, failures, limits.
#include "ChestText.h"
#include "TestFolder.h"

#include "platform/FatalInputError.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::Read;
using test::StopSpec;
using test::StopText;

class DatReader : public ::testing::Test {
protected:
    HeadlessUi ui;
    std::unique_ptr<CWindchest> chest = std::make_unique<CWindchest>();
};

const char *kEnglishStop = "STOP Gedackt8\nNPIPES 2\nPIPE1 13\nINCX 1\nSHAPE:SQUARE\nXY0 10 20\n"
                           "50 45 12 11 30 28\nHEIGHTS\n610 580\n";

TEST_F(DatReader, ReadsEveryFieldOfAFrenchStop) {
    StopSpec section;
    section.extra = "SLIDER 2\n";
    section.x0 = 15;
    section.y0 = 25;
    section.first = 13;
    section.diameters = {40, 38, 36};
    section.holes = {11, 10, 9};
    section.feet = {21, 20, 19};
    section.lengths = {1220, 1150, 1080};
    Read(*chest, StopText(section), ui);
    ASSERT_EQ(chest->m_stop_count, 1);
    const CStop &stop = chest->Stop(0);
    EXPECT_EQ(stop.m_name, "Montre8");
    EXPECT_EQ(stop.m_pipe_count, 3);
    EXPECT_EQ(stop.m_first_pipe, 13);
    EXPECT_EQ(stop.m_incx, 1);
    EXPECT_FALSE(stop.m_square);
    EXPECT_EQ(stop.m_slider, 2);
    EXPECT_TRUE(chest->m_show_registers);
    EXPECT_EQ(chest->m_master_stop, 0);
    EXPECT_EQ(stop.m_x0, 15);
    EXPECT_EQ(stop.m_y0, 25);
    EXPECT_EQ(stop.m_diameter[2], 36);
    EXPECT_EQ(stop.m_hole[1], 10);
    EXPECT_EQ(stop.m_foot[0], 21);
    EXPECT_EQ(stop.m_length[2], 1080);
}

TEST_F(DatReader, EnglishIsChosenByTheWordEnglishAnywhere) {
    Read(*chest, std::string("ENGLISH\n") + kEnglishStop, ui);
    ASSERT_EQ(chest->m_stop_count, 1);
    EXPECT_TRUE(chest->Stop(0).m_square);
    EXPECT_EQ(chest->Stop(0).m_first_pipe, 13);
    EXPECT_EQ(chest->Stop(0).m_length[1], 580);

    Read(*chest, kEnglishStop, ui);
    EXPECT_EQ(chest->m_stop_count, 0) << "without ENGLISH no French stop keyword is at the cursor";
}

TEST_F(DatReader, CentralHoleGapMixtureAndDiatonicLines) {
    StopSpec facade;
    facade.incx = 3;
    facade.extra = "DIATONIQUE 900\n";
    StopSpec rank1, rank2;
    rank1.name = "Fourniture1";
    rank1.before = "INTER TUYAU MIN 15\nMIXTURE\n";
    rank2.name = "Fourniture2";
    rank2.before = "MIXTURE\n";
    Read(*chest, "TROUCENTRAL 0 300\n" + StopText(facade) + StopText(rank1) + StopText(rank2), ui);
    ASSERT_EQ(chest->m_stop_count, 3);
    EXPECT_EQ(chest->m_central_hole[0], 0);
    EXPECT_EQ(chest->m_central_hole[1], 300);
    EXPECT_TRUE(chest->Stop(0).m_diatonic);
    EXPECT_EQ(chest->Stop(0).m_diatonic_offset, 900);
    EXPECT_EQ(chest->Stop(1).m_gap, 15);
    EXPECT_TRUE(chest->Stop(1).m_mixture);
    EXPECT_TRUE(chest->Stop(2).m_mixture);
    EXPECT_FALSE(chest->Stop(0).m_mixture);
    EXPECT_EQ(chest->m_mixture_first, 1);
    EXPECT_EQ(chest->m_mixture_end, 3);
}

TEST_F(DatReader, ShapeWordMustFollowTheColonDirectly) {
    StopSpec first, second;
    second.name = "Bourdon8";
    second.shape = " ROND";
    try {
        Read(*chest, StopText(first) + StopText(second), ui);
        FAIL() << "a blank after the colon must end reading";
    } catch (const FatalInputError &error) {
        EXPECT_EQ(error.Status(), 197);
        EXPECT_EQ(error.ExitCode(), 197);
    }
    EXPECT_EQ(chest->m_stop_count, 1) << "the stop read before the fault is kept";
}

TEST_F(DatReader, MissingHeightsKeywordIsFatalWithItsMessage) {
    std::string text = StopText(StopSpec{});
    text.replace(text.find("HAUTEURS"), 8, "HAUTEUR");
    try {
        Read(*chest, text, ui);
        FAIL();
    } catch (const FatalInputError &error) {
        EXPECT_EQ(error.Status(), -1);
        EXPECT_EQ(error.ExitCode(), 255);
        EXPECT_TRUE(
            std::string(error.what()).starts_with("Wrong HEIGHTS keyword; Stop :Montre8\n"));
    }
    EXPECT_TRUE(ui.Messages().empty()) << "the catcher shows the text, once";
}

TEST_F(DatReader, SectionWithoutPipeCountEndsReadingKeepingEarlierStops) {
    Read(*chest, StopText(StopSpec{}) + "JEU Cassé\nINCX 1\n", ui);
    EXPECT_EQ(chest->m_stop_count, 1);
    EXPECT_EQ(ui.LastStatus(), "Erreur lecture fichier .dat");
}

TEST_F(DatReader, OriginMinusSignIsSkippedAndCommentLinesHoldNoNumbers) {
    std::string text = StopText(StopSpec{});
    text.replace(text.find("XY0 0 0"), 7, "XY0 -30 40\n/ diametres 1 2 3");
    Read(*chest, text, ui);
    ASSERT_EQ(chest->m_stop_count, 1);
    EXPECT_EQ(chest->Stop(0).m_x0, 30);
    EXPECT_EQ(chest->Stop(0).m_y0, 40);
    EXPECT_EQ(chest->Stop(0).m_diameter[0], 40) << "the comment's digits are not pipe data";
}

TEST_F(DatReader, PartitionFileReplacesPartitionsAndHasNoStops) {
    Read(*chest, StopText(StopSpec{}), ui);
    Read(*chest,
         "cloisons BARRAGES\nRECT 0 100 0 50\nLINE 10 20 30 40\nRECT 5 6 7 8\nfin\nRECT 1 1 1 1\n",
         ui);
    EXPECT_EQ(chest->m_stop_count, 0);
    ASSERT_EQ(chest->m_rect_count, 2);
    ASSERT_EQ(chest->m_line_count, 1);
    EXPECT_EQ(chest->m_rects[1], (CRectangle{5, 6, 7, 8}));
    EXPECT_EQ(chest->m_lines[0], (CRectangle{10, 30, 20, 40})) << "a line keeps its two ends";

    Read(*chest, StopText(StopSpec{}), ui);
    EXPECT_EQ(chest->m_rect_count, 2) << "only a partition file resets the partitions";
}

TEST_F(DatReader, OctaveFileReadsEveryCAndInterpolatesTheNotesBetween) {
    // 61 pipes need the Cs of pipes 0, 12, ..., 72: seven groups of four numbers.
    std::string text = "UTenUT\nJEU Prestant4\nNTUYAUX 61\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 0 0\n";
    for (int g = 0; g < 7; ++g)
        text += std::to_string(160 >> g) + " " + std::to_string(80 >> g) + " " +
                std::to_string(40 >> g) + " " + std::to_string(2400 >> g) + "\n";
    Read(*chest, text, ui);
    ASSERT_EQ(chest->m_stop_count, 1);
    const CStop &stop = chest->Stop(0);
    EXPECT_EQ(stop.m_pipe_count, 61);
    EXPECT_EQ(stop.m_diameter[72], 2);
    EXPECT_EQ(stop.m_length[60], 75);
    // When the upper C is half the lower one, the note k gets c / ratio: 160 / 1.0535.
    EXPECT_EQ(stop.m_diameter[1], 151);
    EXPECT_EQ(stop.m_foot[1], 75);
    EXPECT_EQ(stop.m_hole[6], static_cast<int>(40 / 1.40466));
    EXPECT_EQ(stop.m_length[11], static_cast<int>(2400 / 1.87924));
    EXPECT_EQ(stop.m_diameter[13], static_cast<int>(80 / 1.0535));
}

TEST_F(DatReader, CapacitiesAreHeldWithAMessage) {
    // 81 pipes: the 80 first are kept and the lists stay aligned.
    StopSpec big;
    big.diameters.assign(81, 30);
    big.diameters[79] = 31;
    big.holes.assign(81, 9);
    big.lengths.assign(81, 500);
    big.lengths[80] = 777;
    StopSpec next;
    next.name = "Suivant";
    Read(*chest, StopText(big) + StopText(next), ui);
    ASSERT_EQ(chest->m_stop_count, 2);
    EXPECT_EQ(chest->Stop(0).m_pipe_count, 80);
    EXPECT_EQ(chest->Stop(0).m_diameter[79], 31);
    EXPECT_EQ(chest->Stop(0).m_hole[79], 9);
    EXPECT_EQ(chest->Stop(1).m_name, "Suivant");
    EXPECT_FALSE(ui.Messages().empty());

    // 101 stops: the 100 first are read.
    std::string many;
    for (int s = 0; s < 101; ++s)
        many += StopText(StopSpec{});
    Read(*chest, many, ui);
    EXPECT_EQ(chest->m_stop_count, 100);

    // A negative pipe count reads as no pipe.
    std::string negative = StopText(StopSpec{});
    negative.replace(negative.find("NTUYAUX 2"), 9, "NTUYAUX -5");
    Read(*chest, negative, ui);
    EXPECT_EQ(chest->Stop(0).m_pipe_count, 0);
}

TEST_F(DatReader, PartitionLimitsAndOctaveStopsBeyondSeventyOnePipes) {
    std::string partitions = "BARRAGES\n";
    for (int i = 0; i < 305; ++i)
        partitions += "RECT 0 1 0 1\n";
    Read(*chest, partitions, ui);
    EXPECT_EQ(chest->m_rect_count, 300);

    std::string octave = "UTenUT\nJEU Long\nNTUYAUX 80\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 0 0\n";
    for (int g = 0; g < 8; ++g)
        octave += "100 50 25 1000\n";
    Read(*chest, octave, ui);
    EXPECT_EQ(chest->Stop(0).m_pipe_count, 71);
}

TEST_F(DatReader, TurretsReadTheirOutlinesBesideTheChestFile) {
    test::TestFolder folder;
    folder.Write("couple.poly",
                 "         2        0.000000         0.000000       10.000000       20.000000");
    folder.Write("forme.poly", "         1      100.000000        50.000000");
    StopSpec section;
    section.after =
        "TURRET couple.poly forme.poly 1 2 3 90 0 0\nTURRET absent.poly forme.poly 0 0 0 0 0 0\n";
    Read(*chest, StopText(section), ui, WorkFolder::Both(folder.Path()));
    const CStop &stop = chest->Stop(0);
    ASSERT_EQ(stop.m_turret_count, 2);
    const CLoft *turret = stop.TurretOrNull(0);
    ASSERT_NE(turret, nullptr);
    EXPECT_EQ(turret->m_couple_name, "couple.poly");
    EXPECT_EQ(turret->m_couple.PointCount(), 2);
    EXPECT_EQ(turret->m_forme.Point(0), (Vec2{100, 50}));
    EXPECT_EQ(turret->m_offset, (Vec3{1, 2, 3}));
    EXPECT_EQ(turret->m_rotation.x, 90.0f);
    EXPECT_EQ(stop.TurretOrNull(1)->m_couple.PointCount(), 0) << "a missing outline is empty";
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_NE(ui.Messages().back().text.find("absent.poly"), std::string::npos);

    std::string eleven;
    for (int t = 0; t < 11; ++t)
        eleven += "TURRET couple.poly forme.poly 0 0 0 0 0 0\n";
    section.after = eleven;
    Read(*chest, StopText(section), ui, WorkFolder::Both(folder.Path()));
    EXPECT_EQ(chest->Stop(0).m_turret_count, 10);
}

TEST_F(DatReader, FileThatCannotBeOpenedIsSaidAndReadsNothing) {
    test::TestFolder folder;
    EXPECT_FALSE(chest->ReadDatFile("absent.dat", WorkFolder::Both(folder.Path()), ui));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "FICHIER " + (folder / "absent.dat").string() + " ABSENT\n");
    EXPECT_EQ(chest->m_file_name, "windchest.dat");
}

} // namespace
} // namespace ventrel
