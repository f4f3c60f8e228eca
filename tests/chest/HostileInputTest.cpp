// Hostile description and side files: where a fatal fault lies, negative sizes, floods, outlines
// beyond range, files that are not files.
#include "ChestText.h"
#include "TestFolder.h"

#include "chest/OrganFile.h"
#include "chest/StopFile.h"
#include "platform/FatalInputError.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ventrel {
namespace {

using test::Read;
using test::StopSpec;
using test::StopText;

class HostileInput : public ::testing::Test {
protected:
    HeadlessUi ui;
    test::TestFolder folder;
    WorkFolder work = WorkFolder::Both(folder.Path());
    std::unique_ptr<CWindchest> chest = std::make_unique<CWindchest>();

    // The error reading `text` as the file orgue.dat raises (its text empty when none).
    FatalInputError ErrorOf(const std::string &text) {
        folder.Write("orgue.dat", text);
        try {
            chest->ReadDatFile("orgue.dat", work, ui);
        } catch (const FatalInputError &error) {
            return error;
        }
        return FatalInputError(0, "");
    }
};

TEST_F(HostileInput, FatalMessagesBeginWithTheFileAndTheLineOfTheFault) {
    StopSpec first, second;
    second.name = "Bourdon8";
    second.shape = " ROND";
    const std::string text = StopText(first) + StopText(second);
    const int shapeLine =
        1 + static_cast<int>(std::count(text.begin(), text.begin() + text.rfind("FORME:"), '\n'));
    const FatalInputError error = ErrorOf(text);
    EXPECT_EQ(error.Status(), 197);
    EXPECT_EQ(error.Line(), shapeLine);
    EXPECT_EQ(error.Located(), (folder / "orgue.dat").string() + ":" + std::to_string(shapeLine) +
                                   ": " + error.what());
    EXPECT_EQ(chest->m_stop_count, 1);
}

TEST_F(HostileInput, HeightsMessageSaysWhetherTheKeywordOrValuesAreMissing) {
    std::string text = StopText(StopSpec{});
    text.replace(text.find("HAUTEURS"), 8, "HEIGHTS");
    FatalInputError error = ErrorOf(text);
    EXPECT_EQ(error.Status(), -1);
    EXPECT_STREQ(error.what(), "Wrong HEIGHTS keyword; Stop :Montre8\n"
                               "no HAUTEURS after the 2 diameters, plate holes and foot holes");
    // Five pipes announced, two given: the lists run into the lengths and past HAUTEURS.
    text = StopText(StopSpec{});
    text.replace(text.find("NTUYAUX 2"), 9, "NTUYAUX 5");
    error = ErrorOf(text);
    EXPECT_STREQ(error.what(),
                 "Wrong HEIGHTS keyword; Stop :Montre8\n"
                 "5 pipes announced, but the lists before HAUTEURS hold fewer values");
    EXPECT_GT(error.Line(), 1);
}

TEST_F(HostileInput, NegativeSizesAreRefusedWithTheStopAndPipe) {
    StopSpec section;
    section.holes = {10, -12};
    FatalInputError error = ErrorOf(StopText(section));
    EXPECT_STREQ(error.what(), "Stop Montre8: pipe 2 has a negative plate hole (-12)");
    EXPECT_EQ(error.ExitCode(), 1);
    section.holes = {};
    section.lengths = {-5, 1000};
    EXPECT_STREQ(ErrorOf(StopText(section)).what(),
                 "Stop Montre8: pipe 1 has a negative length (-5)");
    EXPECT_STREQ(ErrorOf("UTenUT\nJEU Oct\nNTUYAUX 1\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 0 0\n"
                         "40 -20 10 1000 20 10 5 500\n")
                     .what(),
                 "Stop Oct: pipe 1 has a negative foot hole (-20)");

    // The stop and circle files refuse them likewise.
    EXPECT_FALSE(ReadStopFile(*chest, "40 20 10 1000 -20 10 5 500", ui));
    EXPECT_NE(ui.Messages().back().text.find("negative size -20"), std::string::npos);
    EXPECT_THROW(chest->ReadCircles("2 0 0 5\n10 0 -5", ui), FatalInputError);
}

TEST_F(HostileInput, EmptyStopFileAddsNoStop) {
    const int before = chest->m_stop_count;
    EXPECT_FALSE(ReadStopFile(*chest, "", ui));
    EXPECT_FALSE(ReadStopFile(*chest, std::string("\0\0\r\r", 4), ui));
    EXPECT_EQ(chest->m_stop_count, before);
    EXPECT_EQ(ui.Messages().back().text, "The stop file holds no number: no stop is added");
}

TEST_F(HostileInput, TurretFloodGivesOneMessageWithACountAndEachOutlineIsReadOnce) {
    StopSpec section;
    for (int t = 0; t < 25; ++t)
        section.after += "TURRET absent.poly absent.poly 0 0 0 0 0 0\n";
    folder.Write("orgue.dat", StopText(section));
    ASSERT_TRUE(chest->ReadDatFile("orgue.dat", work, ui));
    EXPECT_EQ(chest->Stop(0).m_turret_count, 10);
    // One "absent" message for the outline named 50 times, one for the 15 turrets beyond 10.
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_NE(ui.Messages()[0].text.find("absent.poly"), std::string::npos);
    EXPECT_EQ(ui.Messages()[1].text,
              "orgue.dat: Stop Montre8: more than 10 turrets; 15 turret lines are ignored");
}

TEST_F(HostileInput, OutlinePointsBeyondRangeOrNotANumberPlacePipesAtTheRangesEdge) {
    folder.Write("couple.poly", "         1        0.000000         0.000000");
    folder.Write("forme.poly", "         3      nan        inf        -1e39        5.0     "
                               "   -inf        nan");
    StopSpec section;
    section.diameters = {40, 38, 36};
    section.x0 = -1000000;
    section.after = "TURRET couple.poly forme.poly 0 0 0 0 0 0\n";
    Read(*chest, StopText(section), ui, work);
    chest->Layout();
    const CStop &stop = chest->Stop(0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(stop.X(k), -2000000);
        EXPECT_LE(stop.X(k), 1000000);
        EXPECT_GE(stop.Y(k), -1000000);
        EXPECT_LE(stop.Y(k), 1000000);
    }
}

TEST_F(HostileInput, ChestThatIsNotARegularFileIsRefusedAtOnceWithTheReason) {
    std::filesystem::create_directory(folder / "dossier.dat");
    ASSERT_EQ(mkfifo((folder / "fifo.dat").c_str(), 0600), 0);
    EXPECT_FALSE(chest->ReadDatFile("dossier.dat", work, ui));
    EXPECT_EQ(ui.Messages().back().text,
              "FICHIER " + (folder / "dossier.dat").string() + " ABSENT\nIs a directory\n");
    EXPECT_FALSE(chest->ReadDatFile("fifo.dat", work, ui));
    EXPECT_EQ(ui.Messages().back().text,
              "FICHIER " + (folder / "fifo.dat").string() + " ABSENT\nnot a regular file\n");
}

TEST_F(HostileInput, OrganNamesTheChestsItCouldNotReadAndWhereTheyFailed) {
    folder.Write("a.dat", StopText(StopSpec{}));
    std::string text = StopText(StopSpec{});
    text.replace(text.find("FORME:ROND"), 10, "FORME: ROND");
    folder.Write("bad.dat", text);
    std::filesystem::create_directory(folder / "dir.dat");
    const OrganFile organ = OrganFile::Parse("SOMMIER a.dat 0 0 0 1 0 0\n"
                                             "SOMMIER bad.dat 0 0 0 1 0 0\n"
                                             "SOMMIER dir.dat 0 0 0 1 0 0\n",
                                             ui);
    auto table = std::make_unique<ChestTable>();
    std::vector<std::string> unread;
    EXPECT_EQ(LoadOrganChests(organ, *table, work, ui, &unread), 3);
    EXPECT_EQ(unread, (std::vector<std::string>{"bad.dat", "dir.dat"}));
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_TRUE(ui.Messages()[0].text.starts_with((folder / "bad.dat").string() + ":5: Stop "))
        << ui.Messages()[0].text;
    EXPECT_EQ(ui.Messages()[1].text,
              "FICHIER " + (folder / "dir.dat").string() + " ABSENT\nIs a directory\n");
}

} // namespace
} // namespace ventrel
