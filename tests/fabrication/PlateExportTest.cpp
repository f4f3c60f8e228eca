// The four plate drawings of a chest and its cut list.
#include "fabrication/PlateExport.h"
#include "TestFolder.h"
#include "fabrication/CutList.h"
#include "fabrication/DxfWriter.h"
#include "fabrication/OutputNames.h"

#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

const std::string kStart = "0\nSECTION\n2\nENTITIES\n0\n";
const std::string kEnd = "ENDSEC\n0\nEOF";

size_t Count(const std::string &text, const std::string &what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// One stop of one pipe at (100, 50), hole 20, foot 30, on a 1000 x 600 plate.
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
    return chest;
}

class PlateExport : public ::testing::Test {
protected:
    test::TestFolder folder;
    WorkFolder work = WorkFolder::Both(folder.Path());
    HeadlessUi ui;
};

TEST_F(PlateExport, NamesComeFromTheChestNameBeforeItsFirstDot) {
    EXPECT_EQ(DerivedName("orgue.dat", "_som.dxf"), "orgue_som.dxf");
    EXPECT_EQ(DerivedName("a.b.dat", "_som.dxf"), "a_som.dxf");
    EXPECT_EQ(DerivedName("orgue", "_commande.wri"), "orgue_commande.wri");

    auto chest = OnePipeChest();
    ASSERT_TRUE(ExportDxf(*chest, "orgue.dat", work, ui));
    for (const char *name : {"orgue_som.dxf", "orgue_fs.dxf", "orgue_mix.dxf", "orgue_bar.dxf"})
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_EQ(chest->m_dxf_names[1], "orgue_fs.dxf");
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].text, "DXF file will be stored on : .***orgue.dat");
    EXPECT_EQ(ui.Messages()[1].text, "DXF has been stored successfully on :orgue.dat");
}

TEST_F(PlateExport, APipeGetsItsHoleWithClearanceAndItsDrillingCross) {
    auto chest = OnePipeChest();
    ASSERT_TRUE(ExportDxf(*chest, "orgue.dat", work, ui));
    const std::string cross =
        DxfWriter::LineText(90, 50, 110, 50) + DxfWriter::LineText(100, 40, 100, 60);
    const std::string outline =
        DxfWriter::LineText(0, 0, 1000, 0) + DxfWriter::LineText(0, 600, 1000, 600) +
        DxfWriter::LineText(0, 0, 0, 600) + DxfWriter::LineText(1000, 0, 1000, 600);
    EXPECT_EQ(folder.Read("orgue_som.dxf"),
              kStart + DxfWriter::CircleText(100, 50, 11) + cross + outline + kEnd);
    EXPECT_EQ(folder.Read("orgue_fs.dxf"),
              kStart + cross + DxfWriter::CircleText(100, 50, 16) + outline + kEnd);
    // Without partitions the partition file is empty; without a mixture in second place the
    // mixture bar is only its 22 mm strip.
    EXPECT_EQ(folder.Read("orgue_bar.dxf"), kStart + kEnd);
    EXPECT_EQ(folder.Read("orgue_mix.dxf"),
              kStart + DxfWriter::LineText(0, 0, 1000, 0) + DxfWriter::LineText(0, 22, 1000, 22) +
                  DxfWriter::LineText(0, 0, 0, 22) + DxfWriter::LineText(1000, 0, 1000, 22) + kEnd);
}

TEST_F(PlateExport, MixtureBarPilotHolesAndPartitions) {
    auto chest = OnePipeChest();
    chest->m_stop_count = 2;
    CStop &rank = chest->Stop(1);
    rank.m_mixture = true;
    rank.m_pipe_count = 2;
    rank.m_x[0] = 300;
    rank.m_x[1] = 340;
    rank.m_hole[0] = 0; // absent pipes are written as their algorithm says
    chest->m_frame_holes.m_pipe_count = 1;
    chest->m_frame_holes.m_x[0] = 11;
    chest->m_frame_holes.m_y[0] = 11;
    chest->m_frame_holes.m_hole[0] = chest->m_frame_holes.m_foot[0] = 12;
    chest->m_rect_count = 1;
    chest->m_rects[0] = {10, 20, 30, 40};
    chest->m_line_count = 1;
    chest->m_lines[0] = {1, 3, 2, 4};
    ASSERT_TRUE(ExportDxf(*chest, "orgue.dat", work, ui));

    const std::string mix = folder.Read("orgue_mix.dxf");
    EXPECT_NE(mix.find(DxfWriter::CircleText(300, 11, 6)), std::string::npos);
    EXPECT_NE(mix.find(DxfWriter::CircleText(340, 11, 6)), std::string::npos);
    const std::string plate = folder.Read("orgue_som.dxf");
    EXPECT_EQ(Count(plate, "CIRCLE"), 4u) << "three pipes and one pilot hole";
    EXPECT_NE(plate.find(DxfWriter::CircleText(300, 0, 1)), std::string::npos);
    EXPECT_NE(plate.find(DxfWriter::CircleText(11, 11, 6)), std::string::npos);
    EXPECT_EQ(folder.Read("orgue_bar.dxf"),
              kStart + DxfWriter::LineText(10, 30, 20, 30) + DxfWriter::LineText(10, 40, 20, 40) +
                  DxfWriter::LineText(10, 30, 10, 40) + DxfWriter::LineText(20, 30, 20, 40) +
                  DxfWriter::LineText(1, 2, 3, 4) + kEnd);
}

TEST_F(PlateExport, AnEmptyNameWritesNothingAndAnUnwritableFolderKeepsOldFiles) {
    auto chest = OnePipeChest();
    EXPECT_FALSE(ExportDxf(*chest, "", work, ui));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 0);

    EXPECT_FALSE(ExportDxf(*chest, "orgue.dat", WorkFolder::Both("/nonexistent"), ui));
    EXPECT_NE(ui.Messages().back().text.find("/nonexistent"), std::string::npos);
}

TEST_F(PlateExport, CutListGivesTheBoardsInWindows1252) {
    auto chest = OnePipeChest();
    chest->m_plate = {0, 1042, 0, 650};
    EXPECT_EQ(CutListText(*chest, "orgue.dat"),
              "SOMMIER orgue.dat\nLES DIMENSIONS SONT EN mm\n"
              "DIMENSIONS DE LA PLAQUE SOMMIER (FICHIER DXF : ) 1042 650 MEDIUM Epaisseur : 22mm\n"
              "DIMENSIONS DE LA PLAQUE FAUX SOMMIER (FICHIER DXF : )1042 650 CONTREPLAQUE "
              "Epaisseur : 10mm\n"
              "CONTREPLAQUE LONGUEUR:  1042 LARGEUR: 200 EPAISSEUR: 22 QUANTITE : 2\n"
              "CONTREPLAQUE LONGUEUR:   606 LARGEUR: 200 EPAISSEUR: 22 QUANTITE : 2\n"
              "PLAQUE DE FOND 1042 650 Epaisseur 10mm (coup\xE9 en 2 au milieu)\n");

    ASSERT_TRUE(ExportDxf(*chest, "orgue.dat", work, ui));
    ASSERT_TRUE(WriteCommande(*chest, "orgue.dat", work, ui));
    const std::string written = folder.Read("orgue_commande.wri");
    EXPECT_NE(written.find("(FICHIER DXF : orgue_som.dxf) 1042"), std::string::npos);
    EXPECT_NE(written.find("(FICHIER DXF : orgue_fs.dxf)1042"), std::string::npos);

    folder.Write("orgue", "the chest file itself");
    ASSERT_TRUE(WriteCommande(*chest, "orgue", work, ui));
    EXPECT_EQ(folder.Read("orgue"), "the chest file itself");
    EXPECT_TRUE(std::filesystem::exists(folder / "orgue_commande.wri"));
    EXPECT_FALSE(WriteCommande(*chest, "", work, ui));
}

} // namespace
} // namespace ventrel
