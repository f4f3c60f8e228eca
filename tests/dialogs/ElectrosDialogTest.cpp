// The ELECTROS dialog: fields by control id, "Refresh", "OK" and the pilot-diameter edit.
#include "TestFolder.h"

#include "chest/CWindchest.h"
#include "chest/ValveSizing.h"
#include "dialogs/DialogField.h"
#include "dialogs/ElectrosDialog.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel::test {
namespace {

class ElectrosTest : public ::testing::Test {
protected:
    ElectrosTest() {
        m_folder.Write("chest.dat", ReadBytes(std::filesystem::path(VENTREL_SOURCE_DIR) /
                                              "examples" / "grand-orgue.dat"));
        m_chest = std::make_unique<CWindchest>();
        EXPECT_TRUE(m_chest->ReadDatFile("chest.dat", WorkFolder::Both(m_folder.Path()), m_ui));
        m_chest->Layout();
    }
    ElectrosDialog Dialog() {
        return ElectrosDialog(*m_chest, m_valves, "chest.dat", WorkFolder::Both(m_folder.Path()),
                              m_ui);
    }
    int Counter(const ElectrosDialog &dialog, int id) { return std::stoi(dialog.Field(id)); }

    TestFolder m_folder;
    HeadlessUi m_ui;
    ValveCounters m_valves;
    std::unique_ptr<CWindchest> m_chest;
};

TEST_F(ElectrosTest, OpensOnTheChestAndTheProgramWideSizes) {
    m_chest->m_min_gap = 17;
    m_valves.magnet_depth = 44;
    const ElectrosDialog dialog = Dialog();
    EXPECT_EQ(dialog.Field(ElectrosDialog::kMinGap), "17");
    EXPECT_EQ(dialog.Field(ElectrosDialog::kMagnetDepth), "44");
    EXPECT_EQ(dialog.Field(ElectrosDialog::kPilotDiameter),
              std::to_string(m_chest->m_pilot_diameter));
    EXPECT_EQ(dialog.Field(ElectrosDialog::kConeHeight), std::to_string(m_chest->m_cone_height));
    EXPECT_EQ(dialog.Field(ElectrosDialog::kResult), "");
}

TEST_F(ElectrosTest, RefreshSizesTheValvesAndCountsAddUpToTheTotal) {
    ElectrosDialog dialog = Dialog();
    ASSERT_TRUE(dialog.Refresh());
    EXPECT_EQ(dialog.Field(ElectrosDialog::kResult), "DIAMETRES ELECTROS OK");
    int sum = 0;
    for (int id : {1009, 1010, 1011, 1012, 1013, 1014, 1024})
        sum += Counter(dialog, id);
    // The 50 mm class has no field: the seven fields and it make the total.
    sum += m_valves.counts[8];
    EXPECT_EQ(sum, Counter(dialog, ElectrosDialog::kTotalValves));
    EXPECT_GT(sum, 0);
    EXPECT_FALSE(m_folder.Read("chest_commande.wri").empty());
    EXPECT_GT(m_ui.Repaints(), 0);

    // A margin of 43 makes every hole above 7 fail.
    dialog.SetField(ElectrosDialog::kValveMargin, "43");
    ASSERT_TRUE(dialog.Refresh());
    EXPECT_EQ(m_chest->m_valve_margin, 43);
    EXPECT_EQ(dialog.Field(ElectrosDialog::kResult), "DIAMETRES ELECTROS TROP GRANDS");
}

TEST_F(ElectrosTest, ANumberThatIsNotOneIsRefusedAndNothingStored) {
    ElectrosDialog dialog = Dialog();
    const int gap = m_chest->m_min_gap;
    dialog.SetField(ElectrosDialog::kMinGap, "99");
    dialog.SetField(ElectrosDialog::kChestHeight, "12x");
    EXPECT_FALSE(dialog.Refresh());
    EXPECT_EQ(m_ui.Messages().back().text, kEnterInteger);
    EXPECT_EQ(m_chest->m_min_gap, gap);
    dialog.SetField(ElectrosDialog::kConeHeight, "");
    EXPECT_FALSE(dialog.Ok());
    EXPECT_EQ(m_chest->m_min_gap, gap);
}

TEST_F(ElectrosTest, OkStoresAllButChestHeightAndPallets) {
    ElectrosDialog dialog = Dialog();
    const int height = m_chest->m_chest_height;
    dialog.SetField(ElectrosDialog::kMinGap, " 20 ");
    dialog.SetField(ElectrosDialog::kChestHeight, "999");
    dialog.SetField(ElectrosDialog::kPalletWidth, "77");
    dialog.SetField(ElectrosDialog::kMagnetWidth, "18");
    dialog.SetField(ElectrosDialog::kConeHeight, "250");
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(m_chest->m_min_gap, 20);
    EXPECT_EQ(m_valves.magnet_width, 18);
    EXPECT_EQ(m_chest->m_cone_height, 250);
    EXPECT_EQ(m_chest->m_chest_height, height);
    EXPECT_EQ(m_valves.pallet_width, ValveCounters{}.pallet_width);
    EXPECT_GT(m_chest->m_valve_count, 0);
    // OK writes no cut list.
    EXPECT_TRUE(m_folder.Read("chest_commande.wri").empty());
}

TEST_F(ElectrosTest, EditingThePilotFieldRefreshesWithTheStoredSettings) {
    ElectrosDialog dialog = Dialog();
    dialog.SetField(ElectrosDialog::kValveMargin, "43");
    dialog.SetField(ElectrosDialog::kPilotDiameter, "14");
    dialog.PilotEdited();
    EXPECT_EQ(m_chest->m_valve_margin, 8);
    EXPECT_EQ(dialog.Field(ElectrosDialog::kResult), "DIAMETRES ELECTROS OK");
    EXPECT_FALSE(m_folder.Read("chest_commande.wri").empty());
}

TEST(DialogField, WholeNumbersOnly) {
    EXPECT_EQ(ParseIntField(" -12 "), -12);
    EXPECT_FALSE(ParseIntField("1.5"));
    EXPECT_FALSE(ParseIntField(""));
    EXPECT_FALSE(ParseIntField("99999999999"));
    EXPECT_DOUBLE_EQ(*ParseRealField("2.5"), 2.5);
    EXPECT_FALSE(ParseRealField("inf"));
    EXPECT_FALSE(ParseRealField("2,5"));
}

} // namespace
} // namespace ventrel::test
