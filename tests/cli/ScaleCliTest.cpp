// ventrel-cli scale and chart, run as a program: the stop in each form, read back, and the chart.
#include "CliRun.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;
using test::TestFolder;

// Standard error alone, for the messages that name a field.
test::Result CliErrors(const std::string &arguments) {
    test::Result result;
    const std::string command = std::string(VENTREL_CLI) + " " + arguments + " 2>&1 >/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, count);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(CliScale, PrintsThePipesAsJson) {
    const auto result = Cli("scale --footage 8 --pipes 56 --first 1 --ht 2,0@25,-1@49 --json");
    ASSERT_EQ(result.status, 0);
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["name"], "Principal8");
    EXPECT_EQ(json["construction"], "open");
    ASSERT_EQ(json["pipes"].size(), 56u);
    EXPECT_EQ(json["pipes"][0]["diameter"], 170); // 155.5 mm two half-tones wider
    EXPECT_EQ(json["pipes"][24]["diameter"], 55); // middle C on the reference scale
    EXPECT_DOUBLE_EQ(json["pipes"][36]["ht"].get<double>(), -0.5);
}

TEST(CliScale, TheDatSectionIsLaidOutByTheLayoutCommand) {
    TestFolder folder;
    const auto json = nlohmann::json::parse(
        Cli("scale --footage '2 2/3' --pipes 44 --first 13 --ht 1 --name Nazard --json").out);
    for (const char *language : {"", " --english"}) {
        const std::string path = (folder / "nazard.dat").string();
        ASSERT_EQ(Cli("scale --footage 2-2/3 --pipes 44 --first 13 --ht 1 --name Nazard"
                      " --origin 30,40 -o " +
                      path + language)
                      .status,
                  0);
        if (*language)
            folder.Write("nazard.dat", "ENGLISH\n" + folder.Read("nazard.dat"));
        const auto layout = Cli("layout " + path + " --json");
        ASSERT_EQ(layout.status, 0) << language;
        const auto stop = nlohmann::json::parse(layout.out)["stops"][0];
        EXPECT_EQ(stop["name"], "Nazard");
        EXPECT_EQ(stop["first_pipe"], 13);
        EXPECT_EQ(stop["x0"], 30);
        ASSERT_EQ(stop["pipes"].size(), 44u);
        for (size_t k = 0; k < 44; ++k) {
            EXPECT_EQ(stop["pipes"][k]["diameter"], json["pipes"][k]["diameter"]);
            EXPECT_EQ(stop["pipes"][k]["length"], json["pipes"][k]["length"]);
        }
    }
}

TEST(CliScale, TheStopFileIsReadByTheStopCommand) {
    TestFolder folder;
    const std::string path = (folder / "basse.stop").string();
    ASSERT_EQ(Cli("scale --footage 8 --ht 3 --stopped --stop -o " + path).status, 0);
    const auto json = nlohmann::json::parse(Cli("stop " + path + " --json").out);
    const auto pipes = json["stops"][0]["pipes"];
    ASSERT_EQ(pipes.size(), 56u);
    const auto computed =
        nlohmann::json::parse(Cli("scale --footage 8 --ht 3 --stopped --pipes 61 --json").out);
    for (size_t k = 0; k < 56; k += 12)
        EXPECT_EQ(pipes[k]["length"], computed["pipes"][k]["length"]) << k;
}

TEST(CliScale, EveryBadValueIsRefusedNamingItsField) {
    const struct {
        const char *arguments, *field;
    } cases[] = {{"--footage 0", "footage:"},
                 {"--footage x", "footage:"},
                 {"--pipes 0", "pipes:"},
                 {"--pipes 81", "pipes:"},
                 {"--pitch 250", "pitch:"},
                 {"--pitch 601", "pitch:"},
                 {"--ht 31", "deviation:"},
                 {"--ht 1,2", "deviation:"},
                 {"--hole-ratio 1", "plate hole ratio:"},
                 {"--foot-ratio 0", "false-chest hole ratio:"},
                 {"--hole-table 10:5,5:3", "plate hole table:"},
                 {"--name 'a b'", "name:"},
                 {"--incx 7", "incx:"},
                 {"--stopped --half-stopped", "construction:"}};
    for (const auto &c : cases) {
        const auto result = CliErrors(std::string("scale ") + c.arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_EQ(result.out.rfind(c.field, 0), 0u) << c.arguments << ": " << result.out;
    }
}

TEST(CliChart, DrawsTheExampleChestsAndNamesTheirFootages) {
    TestFolder folder;
    const std::string png = (folder / "chart.png").string();
    ASSERT_EQ(Cli("chart " + Example("grand-orgue.dat") + " -o " + png + " --size 800x500").status,
              0);
    const std::string bytes = folder.Read("chart.png");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    const std::string svg = (folder / "chart.svg").string();
    ASSERT_EQ(Cli("chart " + Example("recit.dat") + " -o " + svg).status, 0);
    EXPECT_NE(folder.Read("chart.svg").find("Nazard 2 2/3"), std::string::npos);

    const auto result = Cli("chart " + Example("pedale.dat") + " --json --footage Flute8=16");
    ASSERT_EQ(result.status, 0);
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json["stops"].size(), 2u);
    EXPECT_EQ(json["stops"][0]["footage_text"], "16");
    EXPECT_EQ(json["stops"][0]["footage_from"], "name");
    EXPECT_EQ(json["stops"][1]["footage_from"], "given");
    EXPECT_EQ(json["stops"][1]["footage"], 16.0);

    EXPECT_EQ(Cli("chart " + Example("pedale.dat") + " -o " + (folder / "a.jpg").string()).status,
              2);
    EXPECT_EQ(Cli("chart " + Example("pedale.dat") + " --json --footage Flute8=0").status, 2);
    EXPECT_EQ(Cli("chart " + (folder / "missing.dat").string() + " --json").status, 1);
}

} // namespace
} // namespace ventrel
