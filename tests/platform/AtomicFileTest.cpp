// Output files replace their target only when completely written.
#include "platform/AtomicFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ventrel {
namespace {

using test::TestFolder;

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
    TestFolder folder;
    folder.Write("plate.dxf", "old contents that are longer");
    AtomicFile file;
    ASSERT_TRUE(file.Open(folder / "plate.dxf"));
    ASSERT_TRUE(file.Write("new"));
    EXPECT_EQ(folder.Read("plate.dxf"), "old contents that are longer");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(folder.Read("plate.dxf"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicFile, AbandonedWriteLeavesThePreviousFileAndNoLeftovers) {
    TestFolder folder;
    folder.Write("orgue.org", "previous");
    {
        AtomicFile file;
        ASSERT_TRUE(file.Open(folder / "orgue.org"));
        file.Write("half");
    }
    EXPECT_EQ(folder.Read("orgue.org"), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicFile, NewFilesGetOrdinaryPermissionsAndReplacedFilesKeepTheirs) {
    TestFolder folder;
    const mode_t mask = umask(022);
    ASSERT_TRUE(WriteFileAtomically(folder / "new.dxf", "x"));
    EXPECT_EQ(std::filesystem::status(folder / "new.dxf").permissions(),
              std::filesystem::perms(0644));
    std::filesystem::permissions(folder / "new.dxf", std::filesystem::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(folder / "new.dxf", "y"));
    EXPECT_EQ(std::filesystem::status(folder / "new.dxf").permissions(),
              std::filesystem::perms(0640));
    umask(mask);
}

TEST(AtomicFile, UnwritableFolderIsRefusedWithAReason) {
    AtomicFile file;
    EXPECT_FALSE(file.Open("/nonexistent-folder/x.dxf"));
    EXPECT_NE(file.Error().find("/nonexistent-folder/x.dxf"), std::string::npos);
    EXPECT_FALSE(file.Open(""));
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-folder/y", "bytes", &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace ventrel
