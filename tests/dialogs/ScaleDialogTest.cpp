// The "Stop from Scale" dialog model: its fields, the preview, and what OK does to the chest.
#include "dialogs/ScaleDialog.h"
#include "chest/CWindchest.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

class ScaleDialogTest : public ::testing::Test {
protected:
    HeadlessUi ui;
    std::unique_ptr<CWindchest> chest = std::make_unique<CWindchest>();
};

TEST_F(ScaleDialogTest, OpensOnTheDefaultScaleAndPreviewsItsLine) {
    ScaleDialog dialog(*chest, ui);
    EXPECT_EQ(dialog.Error(), "");
    ASSERT_EQ(dialog.Pipes().size(), 56u);
    EXPECT_EQ(dialog.Pipes()[0].diameter, 156);
    EXPECT_EQ(dialog.Field(ScaleDialog::kOriginY), "20");
    dialog.SetField(ScaleDialog::kDeviation, "2,0@25,-1@49");
    dialog.SetField(ScaleDialog::kPipes, "49");
    dialog.SetField(ScaleDialog::kPitch, "415,5"); // a comma as decimal mark
    EXPECT_EQ(dialog.Error(), "");
    EXPECT_DOUBLE_EQ(dialog.Scale().pitch, 415.5);
    const auto lines = dialog.PreviewLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].name, "Principal8 8' (new)");
    ASSERT_EQ(lines[0].points.size(), 49u);
    EXPECT_DOUBLE_EQ(lines[0].points[12].halfTones, 1);
    EXPECT_EQ(dialog.Field(ScaleDialog::kResult).rfind("49 pipes: first ", 0), 0u);
}

TEST_F(ScaleDialogTest, ABadFieldIsNamedAndOkLeavesTheChestAlone) {
    ScaleDialog dialog(*chest, ui);
    const struct {
        int id;
        const char *text, *field;
    } cases[] = {{ScaleDialog::kPitch, "250", "pitch:"},
                 {ScaleDialog::kPitch, "abc", "pitch:"},
                 {ScaleDialog::kFootage, "0", "footage:"},
                 {ScaleDialog::kFootage, "eight", "footage:"},
                 {ScaleDialog::kPipes, "81", "pipes:"},
                 {ScaleDialog::kDeviation, "40", "deviation:"},
                 {ScaleDialog::kHoleRatio, "1.2", "plate hole ratio:"},
                 {ScaleDialog::kOriginX, "-5", "origin:"},
                 {ScaleDialog::kName, "two words", "name:"}};
    for (const auto &c : cases) {
        ScaleDialog fresh(*chest, ui);
        fresh.SetField(c.id, c.text);
        EXPECT_EQ(fresh.Error().rfind(c.field, 0), 0u) << c.text << ": " << fresh.Error();
        EXPECT_EQ(fresh.Field(ScaleDialog::kResult), fresh.Error());
        EXPECT_TRUE(fresh.PreviewLines().empty());
        EXPECT_FALSE(fresh.Ok());
        EXPECT_EQ(chest->m_stop_count, 0);
    }
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_EQ(ui.Messages().back().caption, ScaleDialog::kCaption);
}

TEST_F(ScaleDialogTest, OkAppendsTheStopBelowTheOthers) {
    {
        ScaleDialog first(*chest, ui);
        first.SetField(ScaleDialog::kName, "Bourdon8");
        first.SetField(ScaleDialog::kConstruction, ScaleDialog::kStopped);
        first.SetField(ScaleDialog::kDeviation, "6");
        ASSERT_TRUE(first.Ok());
    }
    ASSERT_EQ(chest->m_stop_count, 1);
    chest->Layout();
    ScaleDialog second(*chest, ui);
    EXPECT_EQ(second.Field(ScaleDialog::kOriginY), std::to_string(chest->Stop(0).m_bounds.y2 + 30));
    EXPECT_EQ(second.PreviewLines().size(), 2u);
    second.SetField(ScaleDialog::kFootage, "2 2/3");
    second.SetField(ScaleDialog::kName, "Nazard");
    second.SetField(ScaleDialog::kShape, ScaleDialog::kSquare);
    ASSERT_TRUE(second.Ok());
    ASSERT_EQ(chest->m_stop_count, 2);
    const CStop &nazard = chest->Stop(1);
    EXPECT_EQ(nazard.m_name, "Nazard");
    EXPECT_TRUE(nazard.m_square);
    EXPECT_EQ(nazard.m_y0, chest->Stop(0).m_bounds.y2 + 30);
    EXPECT_EQ(nazard.m_diameter[0], second.Pipes()[0].diameter);
    EXPECT_EQ(nazard.m_length[55], second.Pipes()[55].length);
    // The stopped Bourdon is half as long as an open pipe of its pitch.
    EXPECT_LT(chest->Stop(0).m_length[0], 1300);
}

TEST_F(ScaleDialogTest, AFullChestTakesNoMoreStops) {
    chest->m_stop_count = CWindchest::kMaxStops;
    ScaleDialog dialog(*chest, ui);
    EXPECT_FALSE(dialog.Ok());
    EXPECT_EQ(chest->m_stop_count, CWindchest::kMaxStops);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "A windchest holds 100 stops: the stop is not added");
}

} // namespace
} // namespace ventrel
