// The plate drawings for CAM programs: complete DXF R12 with units, extents and drill layers.
#include "fabrication/CamExport.h"
#include "TestFolder.h"
#include "fabrication/CamDxfWriter.h"

#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ventrel {
namespace {

// One pipe at (100, 50), hole 20, foot 30, on a 1000 x 600 plate, with two pilot holes.
std::unique_ptr<CWindchest> OnePipeChest() {
    auto chest = std::make_unique<CWindchest>();
    chest->m_stop_count = 1;
    CStop &stop = chest->Stop(0);
    stop.m_pipe_count = 1;
    stop.m_x[0] = 100;
    stop.m_y[0] = 50;
    stop.m_hole[0] = 20;
    stop.m_foot[0] = 30;
    chest->m_plate = {0, 1000, 0, 600};
    CStop &pilots = chest->m_frame_holes;
    pilots.m_pipe_count = 2;
    pilots.m_x[0] = pilots.m_y[0] = 11;
    pilots.m_x[1] = 989;
    pilots.m_y[1] = 589;
    pilots.m_hole = pilots.m_foot = CStop::PipeArray{12, 12};
    return chest;
}

TEST(CamDxf, LayersNameTheDrillDiameter) {
    EXPECT_EQ(CamDxfWriter::DrillLayer(22), "DRILL_22");
    EXPECT_EQ(CamDxfWriter::DrillLayer(12.5), "DRILL_12.5");
}

TEST(CamDxf, PlateFileHasHeaderTablesAndEntitiesByLayer) {
    test::TestFolder folder;
    auto chest = OnePipeChest();
    HeadlessUi ui;
    ASSERT_TRUE(ExportCamDxf(*chest, "orgue.dat", WorkFolder::Both(folder.Path()), ui));
    EXPECT_EQ(chest->m_dxf_names[0], "orgue_som.dxf");
    const std::string plate = folder.Read("orgue_som.dxf");
    EXPECT_EQ(
        plate.rfind("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n4\n", 0), 0u);
    EXPECT_NE(plate.find("9\n$EXTMIN\n10\n0\n20\n0\n"), std::string::npos);
    EXPECT_NE(plate.find("9\n$EXTMAX\n10\n1000\n20\n600\n"), std::string::npos);
    // The hole of 20 is drilled with a radius of 11, the pilots with 6.
    EXPECT_NE(plate.find("0\nCIRCLE\n8\nDRILL_22\n10\n100.0\n20\n50.0\n30\n0.0\n40\n11.0\n"),
              std::string::npos);
    EXPECT_NE(plate.find("0\nCIRCLE\n8\nDRILL_12\n10\n989.0\n"), std::string::npos);
    for (const char *layer : {"DRILL_22", "DRILL_12", "MARKS", "OUTLINE"})
        EXPECT_NE(plate.find("0\nLAYER\n2\n" + std::string(layer) + "\n"), std::string::npos)
            << layer;
    EXPECT_NE(plate.find("0\nLINE\n8\nMARKS\n10\n90.0\n20\n50.0\n"), std::string::npos);
    EXPECT_EQ(plate.substr(plate.size() - 15), "0\nENDSEC\n0\nEOF\n");
    // The false chest drills the foot: 30 -> radius 16.
    EXPECT_NE(folder.Read("orgue_fs.dxf").find("8\nDRILL_32\n"), std::string::npos);
    EXPECT_EQ(folder.Read("orgue_bar.dxf").find("0\nLINE"), std::string::npos);
}

TEST(CamDxf, AnUnwritablePlaceIsSaidAndLeavesTheOldFilesWhole) {
    auto chest = OnePipeChest();
    HeadlessUi missing;
    EXPECT_FALSE(
        ExportCamDxf(*chest, "orgue.dat", WorkFolder::Both("/nonexistent/folder"), missing));
    EXPECT_NE(missing.Messages().back().text.find("Cannot write"), std::string::npos);
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TestFolder folder;
    folder.Write("orgue_som.dxf", "old");
    chmod(folder.Path().c_str(), 0555);
    HeadlessUi ui;
    EXPECT_FALSE(ExportCamDxf(*chest, "orgue.dat", WorkFolder::Both(folder.Path()), ui));
    chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(folder.Read("orgue_som.dxf"), "old");
    EXPECT_NE(ui.Messages().back().text.find("Cannot write"), std::string::npos);
}

} // namespace
} // namespace ventrel
