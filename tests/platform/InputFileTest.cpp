// Input files: only regular files are read, text files within their size limit, with a reason.
#include "TestFolder.h"
#include "platform/WorkFolder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrel {
namespace {

using test::TestFolder;

TEST(InputFile, DirectoriesFifosAndDevicesAreRefusedAtOnceWithTheirReason) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "chest.dat");
    ASSERT_EQ(mkfifo((folder / "pipe.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.dat");
    std::string bytes, reason;
    EXPECT_FALSE(ReadWholeFile(folder / "chest.dat", bytes, &reason));
    EXPECT_EQ(reason, "Is a directory");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ReadWholeFile(folder / "pipe.dat", bytes, &reason));
    EXPECT_EQ(reason, "not a regular file");
    EXPECT_FALSE(ReadWholeFile(folder / "zero.dat", bytes, &reason));
    EXPECT_EQ(reason, "not a regular file");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(OpenInputFile(folder / "pipe.dat", &reason), nullptr);
    EXPECT_EQ(OpenInputFile(folder / "zero.dat"), nullptr);
    EXPECT_TRUE(bytes.empty());
}

TEST(InputFile, TextBeyondTheLimitIsRefusedWithTheLimitInTheReason) {
    TestFolder folder;
    // A sparse file: larger than the limit without taking the disk.
    const auto large = folder.Write("large.dat", "");
    std::filesystem::resize_file(large, kTextFileLimit + 1);
    std::string bytes, reason;
    EXPECT_FALSE(ReadWholeFile(large, bytes, &reason));
    EXPECT_EQ(reason, "larger than 64 MB, the limit for this kind of file");
    folder.Write("small.dat", "0123456789");
    EXPECT_FALSE(ReadWholeFile(folder / "small.dat", bytes, &reason, 9));
    ASSERT_TRUE(ReadWholeFile(folder / "small.dat", bytes, &reason, 10));
    EXPECT_EQ(bytes, "0123456789");
}

TEST(InputFile, MissingFileTextAddsTheReasonUnlessTheFileIsSimplyAbsent) {
    EXPECT_EQ(MissingFileText("a/orgue.dat", "No such file or directory"),
              "FICHIER a/orgue.dat ABSENT\n");
    EXPECT_EQ(MissingFileText("a/orgue.dat", "Is a directory"),
              "FICHIER a/orgue.dat ABSENT\nIs a directory\n");
}

} // namespace
} // namespace ventrel
