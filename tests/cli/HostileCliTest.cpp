// ventrel-cli against hostile input and careless use: no stop, empty side files, options at their
// limits, outputs that cannot be written, broken chests in an organ. Each refusal exits non-zero
// and writes nothing it should not.
#include "CliRun.h"
#include "ScratchDisk.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ventrel {
namespace {

using test::Example;
using test::TestFolder;

const char *kStop = "JEU Montre8\nNTUYAUX 2\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 0 0\n40 38\n10 10\n"
                    "20 20\nHAUTEURS\n1000 900\n";

// The exit status and everything printed, standard error included.
test::Result CliAll(const std::string &arguments) {
    return test::Cli(arguments, "", true);
}

size_t FileCount(const std::filesystem::path &folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(HostileCli, ChestWithoutStopIsExportedNowhereAndSaidEverywhere) {
    TestFolder in, out;
    const std::string inputs[] = {"", std::string("\0\0\0\0", 4), "\r\r\r", "\xff\xfeJ\0E\0U\0"};
    for (const std::string &bytes : inputs) {
        const auto chest = in.Write("vide.dat", bytes);
        const test::Result exported =
            CliAll("export " + chest.string() + " -C " + out.Path().string());
        EXPECT_EQ(exported.status, 1);
        EXPECT_NE(exported.out.find("vide.dat: no stop"), std::string::npos) << exported.out;
        EXPECT_EQ(FileCount(out.Path()), 0u);
        const test::Result layout = CliAll("layout " + chest.string() + " --json");
        EXPECT_EQ(layout.status, 1);
        EXPECT_NE(layout.out.find("\"plate\""), std::string::npos) << "the document comes first";
        EXPECT_NE(layout.out.find("vide.dat: no stop"), std::string::npos);
    }
}

TEST(HostileCli, FailedExportKeepsTheWholePreviousSet) {
    TestFolder in, out;
    const auto chest = in.Write("orgue.dat", kStop);
    ASSERT_EQ(CliAll("export " + chest.string() + " -C " + out.Path().string()).status, 0);
    const std::string cutList = out.Read("orgue_commande.wri");
    const std::string plate = out.Read("orgue_som.dxf");
    std::filesystem::remove(out / "orgue_fs.dxf");
    std::filesystem::create_directory(out / "orgue_fs.dxf");
    in.Write("orgue.dat", std::string(kStop) +
                              "JEU Bourdon8\nNTUYAUX 1\nTUYAU1 1\nINCX 1\n"
                              "FORME:ROND\nXY0 0 300\n40\n10\n20\nHAUTEURS\n800\n");
    const test::Result result = CliAll("export " + chest.string() + " -C " + out.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("orgue_fs.dxf: Is a directory"), std::string::npos) << result.out;
    EXPECT_EQ(out.Read("orgue_commande.wri"), cutList);
    EXPECT_EQ(out.Read("orgue_som.dxf"), plate);
    EXPECT_EQ(FileCount(out.Path()), 5u);
}

TEST(HostileCli, FatalMessagesBeginWithFileAndLine) {
    TestFolder folder;
    std::string blank = kStop;
    blank.replace(blank.find("FORME:ROND"), 10, "FORME: ROND");
    const auto chest = folder.Write("blank.dat", blank);
    const test::Result result = CliAll("layout " + chest.string());
    EXPECT_EQ(result.status, 197);
    EXPECT_EQ(result.out.rfind(chest.string() + ":5: Stop Montre8: no pipe shape", 0), 0u)
        << result.out;
}

TEST(HostileCli, InputsThatAreNotFilesAreRefusedAtOnceWithTheReason) {
    TestFolder folder;
    ASSERT_EQ(mkfifo((folder / "fifo.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.dat");
    std::filesystem::create_directory(folder / "dir.dat");
    for (const char *name : {"fifo.dat", "zero.dat"}) {
        const test::Result result = CliAll("layout " + (folder / name).string());
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.out.find("ABSENT\nnot a regular file"), std::string::npos) << result.out;
    }
    EXPECT_NE(CliAll("layout " + (folder / "dir.dat").string()).out.find("ABSENT\nIs a directory"),
              std::string::npos);
}

TEST(HostileCli, DrawOptionsAreCheckedBeforeAnyArithmetic) {
    TestFolder folder;
    const auto chest = folder.Write("orgue.dat", kStop);
    const std::string draw = "draw " + chest.string() + " -o " + (folder / "x.svg").string();
    for (const char *scale : {"nan", "inf", "1e30", "1e-30", "0", "-1"})
        EXPECT_EQ(CliAll(draw + " --scale " + scale).status, 2) << scale;
    for (const char *pan : {"2147483647,0", "0,-2147483648", "1e3,0"})
        EXPECT_EQ(CliAll(draw + " --pan " + pan).status, 2) << pan;
    EXPECT_FALSE(std::filesystem::exists(folder / "x.svg"));
    EXPECT_EQ(CliAll(draw + " --scale 0.01 --pan -1000000,1000000").status, 0);
}

TEST(HostileCli, RenderWritesOnlyPng) {
    TestFolder folder;
    const auto chest = folder.Write("orgue.dat", kStop);
    const test::Result result =
        CliAll("render " + chest.string() + " -o " + (folder / "x.jpg").string());
    EXPECT_EQ(result.status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder / "x.jpg"));
}

TEST(HostileCli, EmptySideFilesAreRefusedAndWriteNothing) {
    TestFolder in, out;
    const std::string to = " -C " + out.Path().string();
    test::Result result = CliAll("stop " + in.Write("vide.stop", "").string() + to);
    EXPECT_EQ(result.status, 1);
    result = CliAll("circles " + in.Write("vide.cir", "\n").string() + to);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("vide.cir"), std::string::npos) << result.out;
    result = CliAll("circles " + in.Write("neg.cir", "1\n0 0 -5\n").string() + to);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("neg.cir:2: Circle 1 has the negative radius -5"), std::string::npos)
        << result.out;
    result = CliAll("boards " + in.Write("x.pipe", "PIPES 2\n1 2 3 4 5\n").string());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("PIPENUMBER"), std::string::npos) << result.out;
    const auto chest = in.Write("orgue.dat", kStop);
    result = CliAll("export " + chest.string() + " --partitions " +
                    in.Write("vide-barrages.dat", "BARRAGES\n").string() + to);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("vide-barrages.dat"), std::string::npos) << result.out;
    EXPECT_EQ(FileCount(out.Path()), 0u);
}

TEST(HostileCli, StopReportsACutListItCouldNotWrite) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a read-only file system needs root";
    ASSERT_TRUE(disk.MakeReadOnly());
    const test::Result result =
        CliAll("stop " + Example("basse.stop") + " -C " + disk.Folder().Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("basse_commande.wri: Read-only file system"), std::string::npos)
        << result.out;
}

TEST(HostileCli, OrganWithABrokenChestGivesItsDocumentThenFails) {
    TestFolder folder;
    folder.Write("a.dat", kStop);
    folder.Write("orgue.org", "SOMMIER a.dat 0 0 0 1 0 0\r\nSOMMIER absent.dat 0 0 0 1 0 0\r\n");
    const test::Result result = CliAll("organ " + (folder / "orgue.org").string() + " --json");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("\"chests\""), std::string::npos);
    EXPECT_NE(result.out.find("absent.dat"), std::string::npos);
}

} // namespace
} // namespace ventrel
