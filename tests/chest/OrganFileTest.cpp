// The organ file: parsing chests, bars and pipes; loading chests; writing with CR LF.
#include "ChestText.h"
#include "TestFolder.h"

#include "chest/OrganFile.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(OrganFile, ParsesChestsBarsAndPipesToTheLastLine) {
    HeadlessUi ui;
    const OrganFile organ = OrganFile::Parse(
        "SOMMIER a.dat 0 0 0 1 0 0 \r\n# comment\nBARRE 10 20 30 1 2 3\nTUYAU 4 5 6 7 8 9\n"
        "SOMMIER b.dat 1200 0 300 1 0 0\n\n",
        ui);
    ASSERT_EQ(organ.items.size(), 4u);
    EXPECT_EQ(organ.items[0].file, "a.dat");
    EXPECT_EQ(organ.items[1].kind, OrganFile::Kind::Bar);
    EXPECT_EQ(organ.items[1].size[2], 30);
    EXPECT_EQ(organ.items[2].kind, OrganFile::Kind::Pipe);
    EXPECT_EQ(organ.items[2].position[0], 7);
    EXPECT_EQ(organ.items[3].file, "b.dat");
    EXPECT_EQ(organ.items[3].position[2], 300);
}

TEST(OrganFile, WritesOneLinePerChestWithABlankBeforeCrLf) {
    auto table = std::make_unique<ChestTable>();
    table->count = 2;
    (*table)[0].m_file_name = "a.dat";
    (*table)[1].m_file_name = "b.dat";
    (*table)[1].m_position[0] = 1200;
    (*table)[1].m_position[2] = 300;
    EXPECT_EQ(OrganFileText(*table),
              "SOMMIER a.dat 0 0 0 1 0 0 \r\nSOMMIER b.dat 1200 0 300 1 0 0 \r\n");

    EXPECT_EQ(OrganFileName("orgue.dat"), "orgue.org");
    EXPECT_EQ(OrganFileName("a.b.dat"), "a.org");
    EXPECT_EQ(OrganFileName("orgue"), "orgue.org") << "never the chest file's own name";

    test::TestFolder folder;
    HeadlessUi ui;
    ASSERT_TRUE(WriteOrganFile(*table, "orgue.dat", WorkFolder::Both(folder.Path()), ui));
    EXPECT_EQ(folder.Read("orgue.org"), OrganFileText(*table));
    EXPECT_FALSE(WriteOrganFile(*table, "x.dat", WorkFolder::Both("/nonexistent"), ui));
    EXPECT_FALSE(ui.Messages().empty());
}

TEST(OrganFile, FreeBarsAndPipesAreWrittenBackAfterTheChests) {
    HeadlessUi ui;
    const OrganFile read = OrganFile::Parse(
        "BARRE 10 20 30 1 2 -3\nSOMMIER a.dat 0 0 0 1 0 0\nTUYAU 4 5 6 7 8 9\n", ui);
    auto table = std::make_unique<ChestTable>();
    table->count = 1;
    (*table)[0].m_file_name = "a.dat";
    const std::string text = OrganFileText(*table, read.items);
    EXPECT_EQ(text, "SOMMIER a.dat 0 0 0 1 0 0 \r\nBARRE 10 20 30 1 2 -3 \r\n"
                    "TUYAU 4 5 6 7 8 9 \r\n");
    const OrganFile again = OrganFile::Parse(text, ui);
    ASSERT_EQ(again.items.size(), 3u);
    EXPECT_EQ(again.items[1].kind, OrganFile::Kind::Bar);
    EXPECT_EQ(again.items[1].position[2], -3);
    EXPECT_EQ(again.items[2].kind, OrganFile::Kind::Pipe);
    EXPECT_EQ(again.items[2].size[2], 6);
}

TEST(OrganFile, LoadsChestsLaidOutAndPlacedWithoutTouchingTheDisk) {
    test::TestFolder folder;
    folder.Write("a.dat", test::StopText(test::StopSpec{}));
    HeadlessUi ui;
    const OrganFile organ = OrganFile::Parse(
        "SOMMIER a.dat 5 6 7 1 0 0\nSOMMIER absent.dat 1 1 1 1 0 0\nSOMMIER a.dat 0 0 0 1 0 0\n",
        ui);
    auto table = std::make_unique<ChestTable>();
    EXPECT_EQ(LoadOrganChests(organ, *table, WorkFolder::Both(folder.Path()), ui), 3);
    EXPECT_EQ((*table)[0].Stop(0).X(1), 45) << "laid out";
    EXPECT_EQ((*table)[0].m_position[2], 7);
    EXPECT_EQ((*table)[0].m_valve_count, 0) << "no valve sizing";
    EXPECT_EQ((*table)[1].m_stop_count, 0) << "a missing chest stays empty but keeps its line";
    EXPECT_EQ((*table)[1].m_file_name, "absent.dat");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no cut list is written";
}

TEST(OrganFile, ThirtyChestsAtMostAndAFaultyChestDoesNotStopTheOrgan) {
    test::TestFolder folder;
    folder.Write("a.dat", test::StopText(test::StopSpec{}));
    std::string text = test::StopText(test::StopSpec{});
    text.replace(text.find("HAUTEURS"), 8, "----");
    folder.Write("bad.dat", text);
    std::string lines = "SOMMIER bad.dat 0 0 0 1 0 0\n";
    for (int i = 0; i < 35; ++i)
        lines += "SOMMIER a.dat 0 0 0 1 0 0\n";
    HeadlessUi ui;
    auto table = std::make_unique<ChestTable>();
    EXPECT_EQ(
        LoadOrganChests(OrganFile::Parse(lines, ui), *table, WorkFolder::Both(folder.Path()), ui),
        30);
    EXPECT_EQ((*table)[0].m_stop_count, 0);
    EXPECT_EQ((*table)[1].m_stop_count, 1);
    EXPECT_NE(ui.Messages().back().text.find("30"), std::string::npos);
}

} // namespace
} // namespace ventrel
