// The plate export as one set: the four DXF files and the cut list replace the old ones together
// or not at all, whatever stands in the way (a directory, a full or read-only disk).
#include "ScratchDisk.h"
#include "TestFolder.h"
#include "fabrication/CutList.h"
#include "fabrication/OutputNames.h"
#include "fabrication/PlateExport.h"

#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

const char *kOutputs[] = {"orgue_som.dxf", "orgue_fs.dxf", "orgue_mix.dxf", "orgue_bar.dxf",
                          "orgue_commande.wri"};

// One stop of `pipes` pipes on a 1000 x 600 plate.
std::unique_ptr<CWindchest> Chest(int pipes) {
    auto chest = std::make_unique<CWindchest>();
    chest->m_stop_count = 1;
    CStop &stop = chest->Stop(0);
    stop.m_pipe_count = pipes;
    for (int k = 0; k < pipes; ++k) {
        stop.m_x[static_cast<size_t>(k)] = 100 + 10 * k;
        stop.m_hole[static_cast<size_t>(k)] = 20;
        stop.m_foot[static_cast<size_t>(k)] = 30;
    }
    chest->m_plate = {0, 1000, 0, 600};
    return chest;
}

// Writes "old NAME" in every output of `folder`.
void WriteOldOutputs(const test::TestFolder &folder) {
    for (const char *name : kOutputs)
        folder.Write(name, std::string("old ") + name);
}

void ExpectOldOutputs(const test::TestFolder &folder, size_t filesInFolder) {
    for (const char *name : kOutputs) {
        if (!std::filesystem::is_directory(folder / name)) {
            EXPECT_EQ(folder.Read(name), std::string("old ") + name);
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}),
              static_cast<long>(filesInFolder))
        << "no temporary file is left";
}

TEST(ExportSet, WritesTheFourDrawingsAndTheCutListNamingThem) {
    test::TestFolder folder;
    HeadlessUi ui;
    auto chest = Chest(2);
    ASSERT_TRUE(ExportPlateFiles(*chest, "orgue.dat", WorkFolder::Both(folder.Path()), ui, true));
    const auto texts = PlateDxfTexts(*chest);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(folder.Read(kOutputs[i]), texts[i]);
    EXPECT_EQ(folder.Read("orgue_commande.wri"), CutListText(*chest, "orgue.dat"));
    EXPECT_NE(folder.Read("orgue_commande.wri").find("orgue_som.dxf"), std::string::npos);
}

TEST(ExportSet, DirectoryInPlaceOfOneOutputReplacesNoneInEitherFlavour) {
    for (const DxfFlavour flavour : {DxfFlavour::kPlain, DxfFlavour::kCam}) {
        for (const char *blocked : {"orgue_mix.dxf", "orgue_commande.wri"}) {
            SCOPED_TRACE(std::string(blocked) + (flavour == DxfFlavour::kCam ? " (CAM)" : ""));
            test::TestFolder folder;
            HeadlessUi ui;
            WriteOldOutputs(folder);
            std::filesystem::remove(folder / blocked);
            std::filesystem::create_directory(folder / blocked);
            EXPECT_FALSE(ExportPlateFiles(*Chest(2), "orgue.dat", WorkFolder::Both(folder.Path()),
                                          ui, true, flavour));
            ExpectOldOutputs(folder, 5);
            EXPECT_EQ(ui.Messages().back().text,
                      "Cannot write the DXF files and the cut list: none is replaced: " +
                          (folder / blocked).string() + ": Is a directory");
        }
    }
}

TEST(ExportSet, FullDiskReplacesNone) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a 64 KB file system needs root";
    HeadlessUi ui;
    WriteOldOutputs(disk.Folder());
    // 80 pipes: each of the two first drawings is about 40 KB, more than the disk holds.
    EXPECT_FALSE(ExportPlateFiles(*Chest(80), "orgue.dat", WorkFolder::Both(disk.Folder().Path()),
                                  ui, true));
    ExpectOldOutputs(disk.Folder(), 5);
    EXPECT_NE(ui.Messages().back().text.find("No space left on device"), std::string::npos);
}

TEST(ExportSet, ReadOnlyFolderReplacesNone) {
    test::ScratchDisk disk(64 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a read-only file system needs root";
    HeadlessUi ui;
    WriteOldOutputs(disk.Folder());
    ASSERT_TRUE(disk.MakeReadOnly());
    auto owned = Chest(2);
    CWindchest &chest = *owned;
    EXPECT_FALSE(
        ExportPlateFiles(chest, "orgue.dat", WorkFolder::Both(disk.Folder().Path()), ui, true));
    ExpectOldOutputs(disk.Folder(), 5);
    EXPECT_NE(ui.Messages().back().text.find("Read-only file system"), std::string::npos);
    // The cut list alone fails likewise, with the file and the reason.
    EXPECT_FALSE(WriteCommande(chest, "orgue.dat", WorkFolder::Both(disk.Folder().Path()), ui));
    EXPECT_EQ(ui.Messages().back().text, "Cannot write the cut list " +
                                             (disk.Folder() / "orgue_commande.wri").string() +
                                             ": Read-only file system");
}

TEST(ExportSet, ChestWithoutStopIsRefusedAndNothingIsWritten) {
    test::TestFolder folder;
    HeadlessUi ui;
    CWindchest empty;
    EXPECT_FALSE(ExportPlateFiles(empty, "vide.dat", WorkFolder::Both(folder.Path()), ui, true));
    EXPECT_FALSE(ExportDxf(empty, "vide.dat", WorkFolder::Both(folder.Path()), ui));
    EXPECT_FALSE(ExportPlateFiles(empty, "vide.dat", WorkFolder::Both(folder.Path()), ui, true,
                                  DxfFlavour::kCam));
    EXPECT_EQ(ui.Messages().back().text, "vide.dat: no stop in this chest: nothing is exported");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    // A partition file has no stop but its drawing.
    empty.m_rect_count = 1;
    empty.m_rects[0] = {0, 100, 0, 50};
    EXPECT_TRUE(ExportDxf(empty, "barrages.dat", WorkFolder::Both(folder.Path()), ui));
}

TEST(ExportSet, HiddenChestNamesKeepTheirStem) {
    EXPECT_EQ(DerivedName(".hidden.dat", "_som.dxf"), ".hidden_som.dxf");
    EXPECT_EQ(DerivedName("..x.dat", "_fs.dxf"), "..x_fs.dxf");
    EXPECT_EQ(DerivedName("...", "_fs.dxf"), "..._fs.dxf");
    EXPECT_EQ(DerivedName("orgue.dat", "_som.dxf"), "orgue_som.dxf");
}

} // namespace
} // namespace ventrel
