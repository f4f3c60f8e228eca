// Finding the program's own folder and the data folders above it.
#include "TestFolder.h"

#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::TestFolder;

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable) {
    const std::filesystem::path folder = ProgramFolder();
    ASSERT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "platform_tests"));
}

TEST(ProgramFolder, FindsTheNearestDataFolderAboveWithinTheLevelsGiven) {
    TestFolder root;
    const std::filesystem::path prefix = root / "usr";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share/ventrel/textures");
    std::filesystem::create_directories(root / "build/src/cli");
    std::filesystem::create_directories(root / "build/share/ventrel/textures");

    // PREFIX/bin finds PREFIX/share; a program two folders down in a build tree finds the top.
    EXPECT_EQ(FindAbove(prefix / "bin", "share/ventrel/textures", 3),
              prefix / "share/ventrel/textures");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "share/ventrel/textures", 3),
              root / "build/share/ventrel/textures");
    // The nearest wins, and the search stops after the levels given.
    std::filesystem::create_directories(root / "build/src/share/ventrel/textures");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "share/ventrel/textures", 3),
              root / "build/src/share/ventrel/textures");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "share/ventrel/examples", 3), "");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "usr/share/ventrel/textures", 1), "");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "usr/share/ventrel/textures", 3),
              prefix / "share/ventrel/textures");
    // A file of that name is not a folder; an unknown program folder finds nothing.
    root.Write("build/src/cli/share", "not a folder");
    EXPECT_EQ(FindAbove(root / "build/src/cli", "share", 0), "");
    EXPECT_EQ(FindAbove("", "share", 3), "");
    EXPECT_EQ(FindAbove("/", "no-such-folder-anywhere", 5), "");
}

} // namespace
} // namespace ventrel
