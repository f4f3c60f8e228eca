// ventrel-cli as organ builders' scripts use it: exit statuses, JSON documents, files written.
#include "CliRun.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;
using test::Result;
using test::TestFolder;

const char *kStop = "JEU Montre8\nNTUYAUX 2\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 0 0\n40 38\n10 10\n"
                    "20 20\nHAUTEURS\n1000 900\n";

TEST(Cli, ExitStatusesFollowTheFault) {
    TestFolder folder;
    std::string blank = kStop;
    blank.replace(blank.find("FORME:ROND"), 10, "FORME: ROND");
    folder.Write("blank.dat", blank);
    std::string heights = kStop;
    heights.replace(heights.find("HAUTEURS"), 8, "LENGTHS");
    folder.Write("heights.dat", heights);
    folder.Write("good.dat", kStop);

    EXPECT_EQ(Cli("layout " + (folder / "good.dat").string()).status, 0);
    EXPECT_EQ(Cli("layout " + (folder / "blank.dat").string()).status, 197);
    EXPECT_EQ(Cli("layout " + (folder / "heights.dat").string()).status, 255);
    EXPECT_EQ(Cli("layout " + (folder / "absent.dat").string()).status, 1);
    EXPECT_EQ(Cli("layout").status, 2);
    EXPECT_EQ(Cli("no-such-command").status, 2);
    EXPECT_EQ(Cli("export " + (folder / "good.dat").string() + " -C /nonexistent").status, 2);
}

TEST(Cli, LayoutDocumentKeepsItsPublishedShape) {
    const Result result = Cli("layout " + Example("grand-orgue.dat") + " --json");
    ASSERT_EQ(result.status, 0);
    const auto doc = nlohmann::json::parse(result.out);
    EXPECT_EQ(doc["file"], "grand-orgue.dat");
    for (const char *key : {"x1", "x2", "y1", "y2"})
        EXPECT_TRUE(doc["plate"].contains(key));
    EXPECT_EQ(doc["pilot_holes"].size(), 11u) << "the example has a central hole";
    EXPECT_TRUE(doc["valves"]["ok"]);
    int classes = 0;
    for (const auto &[size, count] : doc["valves"]["classes"].items())
        classes += count.get<int>();
    EXPECT_EQ(classes, doc["valves"]["count"].get<int>());
    const auto &stop = doc["stops"][0];
    for (const char *key :
         {"name", "pipe_count", "first_pipe", "incx", "diatonic", "diatonic_offset", "slider",
          "square", "mixture", "gap", "x0", "y0", "turrets", "bounds", "pipes"})
        EXPECT_TRUE(stop.contains(key)) << key;
    for (const char *key : {"x", "y", "diameter", "hole", "foot", "length", "valve", "side"})
        EXPECT_TRUE(stop["pipes"][0].contains(key)) << key;
    EXPECT_EQ(stop["name"], "Montre8");
    EXPECT_TRUE(stop["diatonic"]);

    const auto partitioned =
        nlohmann::json::parse(Cli("layout " + Example("grand-orgue.dat") + " --partitions " +
                                  Example("barrages.dat") + " --json")
                                  .out);
    EXPECT_EQ(partitioned["partitions"]["rects"].size(), 2u);
    EXPECT_EQ(partitioned["partitions"]["lines"][0]["xb"], 2632);
}

TEST(Cli, ExportWritesThePlatesAndACutListNamingThem) {
    TestFolder folder;
    ASSERT_EQ(Cli("export " + Example("recit.dat") + " -C " + folder.Path().string()).status, 0);
    for (const char *name : {"recit_som.dxf", "recit_fs.dxf", "recit_mix.dxf", "recit_bar.dxf"})
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    const std::string cutList = folder.Read("recit_commande.wri");
    EXPECT_NE(cutList.find("(FICHIER DXF : recit_som.dxf)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(Example("recit_som.dxf"))))
        << "nothing is written beside the input";
}

TEST(Cli, OrganListsItsChestsWherePlaced) {
    const Result result = Cli("organ " + Example("orgue.org") + " --json");
    ASSERT_EQ(result.status, 0);
    const auto doc = nlohmann::json::parse(result.out);
    ASSERT_EQ(doc["chests"].size(), 4u);
    EXPECT_EQ(doc["chests"][1]["file"], "recit.dat");
    EXPECT_EQ(doc["chests"][1]["position"], nlohmann::json({0, 1400, 2600}));
    EXPECT_EQ(doc["chests"][0]["stops"], 7);
}

TEST(Cli, SideFileCommands) {
    TestFolder folder;
    ASSERT_EQ(Cli("circles " + Example("trous.cir") + " -C " + folder.Path().string()).status, 0);
    const std::string dxf = folder.Read("trous.cir.DXF");
    size_t circles = 0;
    for (size_t at = dxf.find("CIRCLE\n"); at != std::string::npos;
         at = dxf.find("CIRCLE\n", at + 1))
        ++circles;
    EXPECT_EQ(circles, 12u);

    const auto stop = nlohmann::json::parse(
        Cli("stop " + Example("basse.stop") + " --json -C " + folder.Path().string()).out);
    EXPECT_EQ(stop["stops"][0]["pipe_count"], 56);
    EXPECT_EQ(stop["stops"][0]["name"], "stop");
    EXPECT_TRUE(std::filesystem::exists(folder / "basse_commande.wri"));

    const auto boards =
        nlohmann::json::parse(Cli("boards " + Example("bourdon.pipe") + " --json").out);
    ASSERT_EQ(boards["pipes"].size(), 12u);
    EXPECT_EQ(boards["pipes"][0]["boards"].size(), 4u);

    const auto poly =
        nlohmann::json::parse(Cli("poly " + Example("tourelle-forme.poly") + " --json").out);
    EXPECT_EQ(poly["count"], 11);
    EXPECT_EQ(poly["plane"], 0);
    EXPECT_EQ(poly["points"][10][0], 1400.0);
}

} // namespace
} // namespace ventrel
