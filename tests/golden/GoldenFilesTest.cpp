// Byte-for-byte comparison of written files with expected files worked out by hand.
#include "TestFolder.h"

#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "outline/L_2D_Drawing.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

const std::filesystem::path kHere = VENTREL_TEST_DATA;
const std::filesystem::path kExamples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";

std::string Expected(const std::string &name) {
    return test::ReadBytes(kHere / "petit" / "expected" / name);
}

TEST(Golden, SmallChestPlatesAndCutList) {
    test::TestFolder out;
    const WorkFolder folder{kHere / "petit", out.Path()};
    HeadlessUi ui;
    auto chest = std::make_unique<CWindchest>();
    ASSERT_TRUE(chest->ReadDatFile("petit-barrages.dat", folder, ui));
    ASSERT_TRUE(chest->ReadDatFile("petit.dat", folder, ui));
    ValveCounters counters;
    ASSERT_TRUE(Refresh(*chest, "petit.dat", folder, counters, ui));
    ASSERT_TRUE(ExportDxf(*chest, "petit.dat", folder, ui));
    ASSERT_TRUE(WriteCommande(*chest, "petit.dat", folder, ui));
    for (const char *name :
         {"petit_som.dxf", "petit_fs.dxf", "petit_mix.dxf", "petit_bar.dxf", "petit_commande.wri"})
        EXPECT_EQ(out.Read(name), Expected(name)) << name;
    EXPECT_EQ(chest->Stop(0).m_valve[0], 19);
    EXPECT_EQ(chest->Stop(0).m_valve[2], 16);
}

TEST(Golden, ExampleOrganSavedAgain) {
    test::TestFolder out;
    HeadlessUi ui;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(kExamples / "orgue.org", text));
    auto table = std::make_unique<ChestTable>();
    LoadOrganChests(OrganFile::Parse(text, ui), *table, WorkFolder{kExamples, out.Path()}, ui);
    ASSERT_TRUE(WriteOrganFile(*table, "orgue.dat", WorkFolder{kExamples, out.Path()}, ui));
    EXPECT_EQ(out.Read("orgue.org"), Expected("orgue.org"));
}

TEST(Golden, OutlineFile) {
    test::TestFolder out;
    HeadlessUi ui;
    L_2D_Drawing outline;
    outline.AddPoint({0, 0});
    outline.AddPoint({100, 50});
    outline.AddPoint({-12.5f, 7.25f});
    ASSERT_TRUE(outline.L_2D_savepoints(out / "trois.poly", PolyFile::Output, ui));
    EXPECT_EQ(out.Read("trois.poly"), Expected("trois.poly"));
}

} // namespace
} // namespace ventrel
