// The chest-position dialog over a chest table: its lists, the position fields and its buttons.
#include "dialogs/ChestPositionDialog.h"
#include "chest/CWindchest.h"
#include "dialogs/DialogField.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ventrel {
namespace {

class ChestPositionDialogTest : public ::testing::Test {
protected:
    ChestPositionDialogTest() {
        const char *names[3] = {"grand-orgue.dat", "recit.dat", "pedale.dat"};
        for (int i = 0; i < 3; ++i) {
            m_table[i].m_file_name = names[i];
            m_table[i].m_position[0] = 100 * i;
        }
        m_table.count = 3;
        m_table[1].m_stop_count = 2;
        m_table[1].Stop(0).m_name = "Bourdon8";
        m_table[1].Stop(0).m_slider = 2;
        m_table[1].Stop(1).m_name = "Flute4";
        m_table[1].Stop(1).m_first_pipe = 13;
        ChestPositionDialog::Hooks hooks;
        hooks.chests = [this] { return &m_table; };
        hooks.makeCurrent = [this](int i) { m_madeCurrent.push_back(i); };
        hooks.rebuild3D = [this] { ++m_rebuilds; };
        hooks.deleteChest = [this](int i) {
            std::rotate(m_table.chests.begin() + i, m_table.chests.begin() + i + 1,
                        m_table.chests.begin() + m_table.count);
            --m_table.count;
        };
        m_dialog = std::make_unique<ChestPositionDialog>(m_ui, hooks);
    }

    HeadlessUi m_ui;
    ChestTable m_table;
    std::vector<int> m_madeCurrent;
    int m_rebuilds = 0;
    std::unique_ptr<ChestPositionDialog> m_dialog;
};

using Lines = std::vector<std::string>;

TEST_F(ChestPositionDialogTest, ListsChestsAndTheCurrentChestsStops) {
    EXPECT_EQ(m_dialog->Lines(ChestPositionDialog::kChests),
              (Lines{"   0 grand-orgue.dat", "   1 recit.dat", "   2 pedale.dat"}));
    EXPECT_EQ(m_dialog->Lines(ChestPositionDialog::kChestCopy),
              m_dialog->Lines(ChestPositionDialog::kChests));
    EXPECT_TRUE(m_dialog->Lines(ChestPositionDialog::kStops).empty());
    EXPECT_TRUE(m_dialog->Lines(ChestPositionDialog::kStopsEmpty).empty());

    m_dialog->SelectChest(1);
    EXPECT_EQ(m_madeCurrent, std::vector<int>{1});
    EXPECT_EQ(m_dialog->Selection(ChestPositionDialog::kChests), 1);
    EXPECT_EQ(m_dialog->Field(ChestPositionDialog::kX), "100");
    EXPECT_EQ(
        m_dialog->Lines(ChestPositionDialog::kStops),
        (Lines{"   0 Bourdon8 Slider :  2, Tuyau1 :  1", "   1 Flute4 Slider :  0, Tuyau1 : 13"}));

    // Typing into X replaces the drop-down list by the single "TOTO".
    m_dialog->SetField(ChestPositionDialog::kY, "5");
    EXPECT_EQ(m_dialog->Lines(ChestPositionDialog::kChestCopy).size(), 3u);
    m_dialog->SetField(ChestPositionDialog::kX, "12");
    EXPECT_EQ(m_dialog->Lines(ChestPositionDialog::kChestCopy), Lines{"TOTO"});
}

TEST_F(ChestPositionDialogTest, RightClickFreezesTheCurrentChestUntilOpenedAgain) {
    m_dialog->RightClick();
    m_dialog->SelectChest(2);
    EXPECT_TRUE(m_madeCurrent.empty());
    EXPECT_EQ(m_dialog->Current(), 0);
    EXPECT_EQ(m_dialog->Selection(ChestPositionDialog::kChests), 2);
    m_dialog->Open();
    EXPECT_FALSE(m_dialog->Frozen());
    m_dialog->SelectChest(2);
    EXPECT_EQ(m_madeCurrent, std::vector<int>{2});
}

TEST_F(ChestPositionDialogTest, RefreshStoresAnyIntegerIntoTheSelectedOrFirstChest) {
    m_dialog->SetField(ChestPositionDialog::kX, "-1200");
    m_dialog->SetField(ChestPositionDialog::kY, "0");
    m_dialog->SetField(ChestPositionDialog::kZ, "2147483647");
    EXPECT_TRUE(m_dialog->Press(ChestPositionDialog::kOk)); // OK stores nothing
    EXPECT_EQ(m_table[0].m_position[0], 0);
    EXPECT_FALSE(m_dialog->Press(ChestPositionDialog::kRefresh));
    EXPECT_EQ(m_table[0].m_position[0], -1200);
    EXPECT_EQ(m_table[0].m_position[2], 2147483647);
    EXPECT_EQ(m_rebuilds, 1);

    m_dialog->SelectChest(2);
    m_dialog->SetField(ChestPositionDialog::kZ, "300");
    m_dialog->Refresh();
    EXPECT_EQ(m_table[2].m_position[2], 300);

    // A field that is no integer: a message, nothing stored, and OK keeps the dialog open.
    m_dialog->SetField(ChestPositionDialog::kY, "12a");
    EXPECT_FALSE(m_dialog->Refresh());
    EXPECT_FALSE(m_dialog->Press(ChestPositionDialog::kOk));
    EXPECT_EQ(m_ui.Messages().size(), 2u);
    EXPECT_EQ(m_ui.Messages()[0].text, kEnterInteger);
    EXPECT_EQ(m_rebuilds, 2);
}

TEST_F(ChestPositionDialogTest, DeleteRemovesOnlyTheSelectedChest) {
    m_dialog->Press(ChestPositionDialog::kDeleteChest); // no selection: nothing
    EXPECT_EQ(m_table.count, 3);
    m_dialog->SelectChest(1);
    m_dialog->Press(ChestPositionDialog::kDeleteChest);
    EXPECT_EQ(m_table.count, 2);
    EXPECT_EQ(m_dialog->Lines(ChestPositionDialog::kChests),
              (Lines{"   0 grand-orgue.dat", "   1 pedale.dat"}));
    EXPECT_EQ(m_dialog->Selection(ChestPositionDialog::kChests), -1);
    EXPECT_TRUE(m_dialog->Press(ChestPositionDialog::kCancel));
}

} // namespace
} // namespace ventrel
