// ventrel-cli draw and pedalboard, run as a program: pictures and plank files written, statuses.
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace ventrel {
namespace {

using test::TestFolder;

int Cli(const std::string &arguments) {
    const std::string command = std::string(VENTREL_CLI) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Example(const std::string &name) {
    return std::string(VENTREL_SOURCE_DIR) + "/examples/" + name;
}

unsigned BigEndian(const std::string &bytes, size_t at) {
    unsigned value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

TEST(CliDraw, WritesEachPictureKind) {
    TestFolder folder;
    const std::string chest = Example("recit.dat");
    ASSERT_EQ(Cli("draw " + chest + " -o " + (folder / "a.png").string() +
                  " --scale 0.3 --pan 20,-10 --size 640x360 --grid"),
              0);
    const std::string png = folder.Read("a.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian(png, 16), 640u);
    EXPECT_EQ(BigEndian(png, 20), 360u);

    ASSERT_EQ(Cli("draw " + chest + " -o " + (folder / "a.svg").string() + " --hide-dimensions"),
              0);
    const std::string svg = folder.Read("a.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"1280"), std::string::npos); // the default view size
    EXPECT_NE(svg.find("Gedackt8"), std::string::npos);     // a stop label
    ASSERT_EQ(Cli("draw " + chest + " -o " + (folder / "b.svg").string()), 0);
    // Dimensions shown make a longer drawing than dimensions hidden.
    EXPECT_GT(folder.Read("b.svg").size(), svg.size());

    ASSERT_EQ(Cli("draw " + chest + " -o " + (folder / "a.PDF").string() + " --size 800x500"), 0);
    EXPECT_EQ(folder.Read("a.PDF").substr(0, 5), "%PDF-");
}

TEST(CliDraw, RefusesBadRequestsWithTheirStatuses) {
    TestFolder folder;
    const std::string chest = Example("pedale.dat");
    EXPECT_EQ(Cli("draw " + chest + " -o " + (folder / "a.jpg").string()), 2);
    EXPECT_EQ(Cli("draw " + chest + " -o " + (folder / "a.png").string() + " --pan 3"), 2);
    EXPECT_EQ(Cli("draw " + chest + " -o " + (folder / "a.png").string() + " --size 0x10"), 2);
    EXPECT_EQ(Cli("draw " + chest + " -o " + (folder / "a.png").string() + " --scale -1"), 2);
    EXPECT_EQ(Cli("draw " + chest), 2);
    EXPECT_EQ(
        Cli("draw " + (folder / "absent.dat").string() + " -o " + (folder / "a.png").string()), 1);
    EXPECT_EQ(Cli("draw " + chest + " -o " + (folder / "no" / "a.png").string()), 1);
    EXPECT_EQ(folder.Read("a.png"), "");
}

TEST(CliPedalboard, WritesTheFivePlankFiles) {
    TestFolder folder;
    ASSERT_EQ(Cli("pedalboard -C " + folder.Path().string()), 0);
    for (const char *name : {"plancheAR.dxf", "plancheAV.dxf", "plancheCOTE.dxf",
                             "plancheincurvee.dxf", "plancheincurveear.dxf"}) {
        const std::string dxf = folder.Read(name);
        EXPECT_TRUE(dxf.starts_with("0\nSECTION\n2\nENTITIES\n0\nLINE\n")) << name;
        EXPECT_TRUE(dxf.ends_with("ENDSEC\n0\nEOF")) << name;
    }
    EXPECT_EQ(Cli("pedalboard -C /nonexistent"), 2);
}

} // namespace
} // namespace ventrel
