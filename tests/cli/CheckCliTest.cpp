// ventrel-cli check and report: exit statuses, compiler-style lines, the JSON document, the PDF.
#include "CliRun.h"
#include "ShellCommand.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;
using test::TestFolder;

// Three pipes in one line; line 7 holds the diameters, 8 the holes, 9 the feet, 11 the lengths.
const char *kStop = "JEU Montre8\nNTUYAUX 3\nTUYAU1 1\nINCX 3\nFORME:ROND\nXY0 100 100\n"
                    "40 38 36\n10 10 10\n20 20 20\nHAUTEURS\n1000 940 880\n";

TEST(CheckCli, ExitStatusSaysCleanWarningsOrErrors) {
    TestFolder folder;
    folder.Write("clean.dat", kStop);
    std::string slip = kStop;
    slip.replace(slip.find("940"), 3, "9400");
    folder.Write("slip.dat", slip);
    std::string missing = kStop;
    missing.replace(missing.find("10 10 10"), 8, "10 10");
    folder.Write("missing.dat", missing);
    std::string refused = kStop;
    refused.replace(refused.find("FORME:ROND"), 10, "FORME: ROND");
    folder.Write("refused.dat", refused);

    const auto clean = Cli("check " + (folder / "clean.dat").string());
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
    const auto warned = Cli("check " + (folder / "slip.dat").string());
    EXPECT_EQ(warned.status, 3);
    EXPECT_EQ(warned.out.substr(0, warned.out.find(": warning")),
              (folder / "slip.dat").string() + ":11:6");
    EXPECT_EQ(Cli("check " + (folder / "missing.dat").string()).status, 4);
    const auto fatal = Cli("check " + (folder / "refused.dat").string());
    EXPECT_EQ(fatal.status, 4);
    EXPECT_NE(fatal.out.find(":5:"), std::string::npos) << fatal.out;
    EXPECT_EQ(Cli("check " + (folder / "absent.dat").string()).status, 1);
    EXPECT_EQ(Cli("check").status, 2);
}

TEST(CheckCli, JsonDocumentAndOptions) {
    TestFolder folder;
    // A second stop 26 mm under the first: 28 mm valves overlap, 4 mm of wood between holes.
    const std::string first = "JEU Montre8\nNTUYAUX 2\nTUYAU1 1\nINCX 3\nFORME:ROND\nXY0 100 100\n"
                              "20 20\n20 20\n20 20\nHAUTEURS\n1000 940\n";
    std::string second = first;
    second.replace(second.find("Montre8"), 7, "Flute4");
    second.replace(second.find("XY0 100 100"), 11, "XY0 100 126");
    std::string text = first + second;
    folder.Write("close.dat", text);
    const auto result = Cli("check " + (folder / "close.dat").string() + " --json");
    EXPECT_EQ(result.status, 4);
    const auto doc = nlohmann::json::parse(result.out);
    ASSERT_FALSE(doc["findings"].empty());
    const auto &finding = doc["findings"][0];
    for (const char *key :
         {"severity", "code", "message", "file", "line", "column", "stop", "pipes"})
        EXPECT_TRUE(finding.contains(key)) << key;
    EXPECT_EQ(finding["code"], "valve-overlap");
    EXPECT_EQ(finding["stop"], "Montre8");
    EXPECT_EQ(finding["line"], 8);
    EXPECT_EQ(finding["pipes"].size(), 2u);
    EXPECT_EQ(finding["pipes"][1]["stop"], "Flute4");

    const auto strict = Cli("check " + (folder / "close.dat").string() + " --json --min-web 5");
    bool web = false;
    const auto strictDoc = nlohmann::json::parse(strict.out);
    for (const auto &f : strictDoc["findings"])
        web = web || f["code"] == "hole-web";
    EXPECT_TRUE(web);

    const auto walls =
        Cli("check " + Example("grand-orgue.dat") + " --partitions " + Example("barrages.dat"));
    EXPECT_EQ(walls.status, 0) << walls.out;
}

} // namespace
} // namespace ventrel

namespace ventrel {
namespace {

TEST(ReportCli, WritesASelectablePdfAndKeepsAnOldOneOnFailure) {
    test::TestFolder folder;
    const std::string pdf = (folder / "pedale.pdf").string();
    const auto written = test::Cli("report " + test::Example("pedale.dat") + " -o " + pdf +
                                   " --paper a4 --date 2026-12-08");
    ASSERT_EQ(written.status, 0);
    EXPECT_EQ(folder.Read("pedale.pdf").substr(0, 5), "%PDF-");
    const std::string words = test::ShellOutput("pdftotext " + pdf + " -");
    for (const char *expected : {"Soubasse16", "Cut list", "Scale 1:10", "2026-12-08"})
        EXPECT_NE(words.find(expected), std::string::npos) << expected;
    const std::string checked = test::ShellOutput("qpdf --check " + pdf);
    EXPECT_NE(checked.find("No syntax or stream encoding errors"), std::string::npos) << checked;

    folder.Write("old.pdf", "old");
    const auto failed = test::Cli("report " + test::Example("pedale.dat") + " -o " +
                                  (folder / "missing" / "old.pdf").string());
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(folder.Read("old.pdf"), "old");
}

} // namespace
} // namespace ventrel
