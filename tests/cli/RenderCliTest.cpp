// ventrel-cli render: the 3D view of an organ or a chest drawn offscreen into a PNG.
#include "CliRun.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::Cli;
using test::Example;

// Width and height from a PNG's header chunk.
std::pair<int, int> PngSize(const std::string &bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto word = [&bytes](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) |
               static_cast<unsigned char>(bytes[at + 3]);
    };
    return {static_cast<int>(word(16)), static_cast<int>(word(20))};
}

TEST(CliRender, OrganAndChestBecomePicturesOfTheAskedSize) {
    test::TestFolder folder;
    ASSERT_EQ(Cli("render " + Example("orgue.org") + " -o " + (folder / "organ.png").string() +
                  " --size 240x160 --view top")
                  .status,
              0);
    EXPECT_EQ(PngSize(folder.Read("organ.png")), std::make_pair(240, 160));
    ASSERT_EQ(Cli("render " + Example("tourelle.dat") + " -o " + (folder / "chest.png").string() +
                  " --size 120x90 --vector")
                  .status,
              0);
    EXPECT_EQ(PngSize(folder.Read("chest.png")), std::make_pair(120, 90));
}

TEST(CliRender, BadRequestsAreRefused) {
    test::TestFolder folder;
    EXPECT_EQ(Cli("render " + Example("orgue.org") + " -o " + (folder / "x.png").string() +
                  " --size 0x-3")
                  .status,
              2);
    EXPECT_EQ(
        Cli("render " + (folder / "absent.org").string() + " -o " + (folder / "y.png").string())
            .status,
        1);
    EXPECT_FALSE(std::filesystem::exists(folder / "y.png"));
}

} // namespace
} // namespace ventrel

namespace ventrel {
namespace {

TEST(CliRender, SceneFilesAloneOrAroundTheOrgan) {
    test::TestFolder folder;
    ASSERT_EQ(test::Cli("render " + test::Example("orgue.org") + " --scene " +
                        test::Example("eglise.wrl") + " -o " + (folder / "church.png").string() +
                        " --size 160x120")
                  .status,
              0);
    EXPECT_EQ(PngSize(folder.Read("church.png")), std::make_pair(160, 120));
    EXPECT_EQ(test::Cli("render " + test::Example("eglise.wrl") + " -o " +
                        (folder / "nave.png").string() + " --size 160x120")
                  .status,
              0);
    EXPECT_EQ(PngSize(folder.Read("nave.png")), std::make_pair(160, 120));
    folder.Write("old.wrl", "#VRML V1.1\n");
    EXPECT_EQ(test::Cli("render " + test::Example("orgue.org") + " --scene " +
                        (folder / "old.wrl").string() + " -o " + (folder / "bad.png").string())
                  .status,
              1);
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.png"));
}

} // namespace
} // namespace ventrel
