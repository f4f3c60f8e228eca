// Output files replace their target only when completely written.
#include "platform/AtomicFile.h"
#include "ScratchDisk.h"
#include "TestFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

size_t FileCount(const std::filesystem::path &folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(AtomicFile, SymbolicLinkIsWrittenThroughToItsTarget) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "shared");
    folder.Write("shared/plate.dxf", "old");
    std::filesystem::create_symlink("shared/plate.dxf", folder / "plate.dxf");
    ASSERT_TRUE(WriteFileAtomically(folder / "plate.dxf", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "plate.dxf"));
    EXPECT_EQ(folder.Read("shared/plate.dxf"), "new");
    // A dangling link gets its file made where it points.
    std::filesystem::create_symlink("shared/cut.wri", folder / "cut.wri");
    ASSERT_TRUE(WriteFileAtomically(folder / "cut.wri", "list"));
    EXPECT_EQ(folder.Read("shared/cut.wri"), "list");
    EXPECT_EQ(FileCount(folder / "shared"), 2u);
}

TEST(AtomicFile, LongestNamesAreWritableThroughAShortTemporaryName) {
    TestFolder folder;
    const std::string name = std::string(251, 'n') + ".dxf";
    ASSERT_TRUE(WriteFileAtomically(folder / name, "bytes"));
    EXPECT_EQ(folder.Read(name), "bytes");
}

TEST(AtomicFile, DirectoryWhereTheFileShouldBeIsRefusedAndLeavesNothing) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "orgue_fs.dxf");
    AtomicFile file;
    EXPECT_FALSE(file.Open(folder / "orgue_fs.dxf"));
    EXPECT_EQ(file.Error(), (folder / "orgue_fs.dxf").string() + ": Is a directory");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFile, SetIsReplacedTogetherOrNotAtAll) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a 64 KB file system needs root";
    const test::TestFolder &folder = disk.Folder();
    folder.Write("a.dxf", "old a");
    folder.Write("b.dxf", "old b");
    AtomicFile a, b;
    ASSERT_TRUE(a.Open(folder / "a.dxf") && a.Write("new a"));
    ASSERT_TRUE(b.Open(folder / "b.dxf"));
    b.Write(std::string(200000, 'b')); // more than the disk holds
    std::string error;
    EXPECT_FALSE(CommitTogether({&a, &b}, &error));
    EXPECT_TRUE(error.ends_with(".dxf: No space left on device")) << error;
    EXPECT_EQ(folder.Read("a.dxf"), "old a");
    EXPECT_EQ(folder.Read("b.dxf"), "old b");
    EXPECT_EQ(FileCount(folder.Path()), 2u);
    ASSERT_TRUE(a.Open(folder / "a.dxf") && a.Write("new a"));
    ASSERT_TRUE(b.Open(folder / "b.dxf") && b.Write("new b"));
    EXPECT_TRUE(CommitTogether({&a, &b}, &error));
    EXPECT_EQ(folder.Read("a.dxf"), "new a");
    EXPECT_EQ(folder.Read("b.dxf"), "new b");
}

TEST(AtomicFile, ProcessKilledDuringASaveLeavesTheOldFileAndTheNextSaveSweepsItsTemporary) {
    TestFolder folder;
    folder.Write("orgue.org", "the previous organ");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFile file;
        if (file.Open(folder / "orgue.org"))
            file.Write("half an org");
        std::fflush(file.Get());
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(folder.Read("orgue.org"), "the previous organ");
    EXPECT_EQ(FileCount(folder.Path()), 2u); // the dead process's temporary
    ASSERT_TRUE(WriteFileAtomically(folder / "orgue.org", "the new organ"));
    EXPECT_EQ(folder.Read("orgue.org"), "the new organ");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFile, FullDiskFailsWithTheReasonAndKeepsThePreviousFile) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a 64 KB file system needs root";
    disk.Folder().Write("plate.dxf", "previous");
    std::string error;
    EXPECT_FALSE(
        WriteFileAtomically(disk.Folder() / "plate.dxf", std::string(200000, 'x'), &error));
    EXPECT_EQ(error, (disk.Folder() / "plate.dxf").string() + ": No space left on device");
    EXPECT_EQ(disk.Folder().Read("plate.dxf"), "previous");
    EXPECT_EQ(FileCount(disk.Folder().Path()), 1u);
}

TEST(AtomicFile, ReadOnlyFolderFailsWithTheReasonAndKeepsThePreviousFile) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a read-only file system needs root";
    disk.Folder().Write("plate.dxf", "previous");
    ASSERT_TRUE(disk.MakeReadOnly());
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(disk.Folder() / "plate.dxf", "new", &error));
    EXPECT_EQ(error, (disk.Folder() / "plate.dxf").string() + ": Read-only file system");
    EXPECT_EQ(disk.Folder().Read("plate.dxf"), "previous");
}

} // namespace
} // namespace ventrel
