// ventrel-cli in a desktop session whose locale writes numbers with a decimal comma: every file and
// document it writes is the same, byte for byte, as in the "C" locale.
#include "CliRun.h"
#include "CommaLocale.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;
using test::TestFolder;

// Every file a command wrote into its folder, by name.
std::map<std::string, std::string> Files(const TestFolder &folder) {
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder.Path()))
        files[entry.path().filename().string()] = test::ReadBytes(entry.path());
    return files;
}

TEST(CliLocale, ADecimalCommaSessionWritesTheSameBytes) {
    std::string why;
    const std::string comma = test::CommaLocaleEnvironment(&why);
    if (comma.empty())
        GTEST_SKIP() << why;
    const std::string plain = "LC_ALL=C";
    ASSERT_NE(Cli("--help", comma).status, 127);

    // Documents on standard output, one of them through the outline reader.
    for (const std::string &arguments : {"poly " + Example("tourelle-forme.poly") + " --json",
                                         "organ " + Example("orgue.org") + " --json",
                                         "layout " + Example("tourelle.dat") + " --json"}) {
        const auto expected = Cli(arguments, plain);
        ASSERT_EQ(expected.status, 0) << arguments;
        const auto got = Cli(arguments, comma);
        EXPECT_EQ(got.status, 0) << arguments;
        EXPECT_EQ(got.out, expected.out) << arguments;
    }
    const auto poly = Cli("poly " + Example("tourelle-forme.poly") + " --json", comma).out;
    EXPECT_NE(poly.find("1400.0"), std::string::npos) << "the turret's points are read";

    // Files: outlines and DXF of the tower, plates and cut list, and a drawing made with Qt
    // (which hands the session's locale to the C library).
    const auto inFolder = [](const std::string &command, const TestFolder &folder) {
        if (command.rfind("draw", 0) == 0)
            return command + " -o " + (folder / "drawing.svg").string();
        return command + " -C " + folder.Path().string();
    };
    for (const std::string &command : {std::string("tower"), "export " + Example("grand-orgue.dat"),
                                       "draw " + Example("grand-orgue.dat")}) {
        TestFolder expectedFolder, gotFolder;
        ASSERT_EQ(Cli(inFolder(command, expectedFolder), plain).status, 0) << command;
        ASSERT_EQ(Cli(inFolder(command, gotFolder), comma).status, 0) << command;
        const auto expected = Files(expectedFolder);
        EXPECT_FALSE(expected.empty()) << command;
        EXPECT_EQ(Files(gotFolder), expected) << command;
    }
}

} // namespace
} // namespace ventrel
