// The polyline dialog over the outline editor: shape buttons, Length, Undo, Clear, OK and keys.
#include "TestFolder.h"

#include "dialogs/DialogField.h"
#include "dialogs/PolylineDialog.h"
#include "outline/L_2D_Drawing.h"
#include "platform/HeadlessUi.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

struct FileDialogCall {
    std::string filter, title;
};

class PolylineDialogTest : public ::testing::Test {
protected:
    PolylineDialogTest()
        : m_dialog(m_drawing, m_ui, [this](const char *filter, const char *title) {
              m_calls.push_back({filter, title});
              return m_answer;
          }) {}

    test::TestFolder m_folder;
    HeadlessUi m_ui;
    L_2D_Drawing m_drawing;
    std::vector<FileDialogCall> m_calls;
    std::optional<std::filesystem::path> m_answer;
    PolylineDialog m_dialog;
};

TEST_F(PolylineDialogTest, ClicksWithSnapUndoAndQuartersAreSavedAsDerivedByHand) {
    EXPECT_EQ(m_dialog.Field(PolylineDialog::kLength), "50");
    EXPECT_FALSE(m_dialog.Press(PolylineDialog::kPolyline));
    EXPECT_EQ(m_dialog.Field(PolylineDialog::kTool), "POLYLINE");
    m_drawing.LeftButtonDown(29, 31, m_ui);   // (20, 40)
    m_drawing.LeftButtonDown(111, 45, m_ui);  // (120, 40)
    m_drawing.LeftButtonDown(130, 130, m_ui); // (120, 120): remainders of 10 go down
    m_dialog.Press(PolylineDialog::kUndo);
    ASSERT_EQ(m_drawing.PointCount(), 2);

    m_dialog.SetField(PolylineDialog::kLength, "20");
    m_dialog.Press(PolylineDialog::kQuarter1); // ten points from (120, 40) to (140, 60)
    m_dialog.Press(PolylineDialog::kQuarter3); // from (180, 60), ending at (200, 40)
    m_dialog.RightClick();                     // Undo right after a shape keeps the shape
    ASSERT_EQ(m_drawing.PointCount(), 22);

    m_answer = m_folder / "outline.poly";
    EXPECT_TRUE(m_dialog.Press(PolylineDialog::kOk));
    ASSERT_EQ(m_calls.size(), 1u);
    EXPECT_EQ(m_calls[0].filter, "Save PolyLine (*.poly)|*.poly;|");
    EXPECT_EQ(m_calls[0].title, "Save PolyLine or cancel ?");
    // (1 - cos t) * 20 + px, sin t * 20 + py for t = i pi / 20 (+ pi for the third kind).
    EXPECT_EQ(
        m_folder.Read("outline.poly"),
        "        22       20.000000        40.000000      120.000000        40.000000"
        "      120.246231        43.128689      120.978867        46.180340      122.179871"
        "        49.079811      123.819656        51.755707      125.857864        54.142136"
        "      128.244293        56.180340      130.920197        57.820129      133.819656"
        "        59.021130      136.871307        59.753765      140.000000        60.000000"
        "      219.753769        56.871311      219.021133        53.819660      217.820129"
        "        50.920189      216.180344        48.244293      214.142136        45.857864"
        "      211.755707        43.819660      209.079803        42.179871      206.180344"
        "        40.978870      203.128693        40.246235      200.000000        40.000000");
    EXPECT_EQ(m_drawing.m_edit.mode, OutlineEditState::kFree);
    EXPECT_EQ(m_drawing.PointCount(), 22); // saving keeps the points
}

TEST_F(PolylineDialogTest, OkCancelledClosesWithoutWritingAndAFailedWriteStaysOpen) {
    m_dialog.Press(PolylineDialog::kLine);
    EXPECT_TRUE(m_dialog.Press(PolylineDialog::kOk)); // the file dialog cancelled
    EXPECT_EQ(m_drawing.m_edit.mode, OutlineEditState::kFree);
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path()));

    m_drawing.AddQuarter(50, 1);
    m_answer = m_folder / "missing-folder" / "outline.poly";
    EXPECT_FALSE(m_dialog.Press(PolylineDialog::kOk));
    EXPECT_FALSE(m_ui.Messages().empty());
    EXPECT_EQ(m_drawing.PointCount(), 10);
    EXPECT_TRUE(m_dialog.Press(PolylineDialog::kCancel));
}

TEST_F(PolylineDialogTest, ShapeButtonsFollowTheMode) {
    for (int id : {PolylineDialog::kQuarter1, PolylineDialog::kQuarter2, PolylineDialog::kQuarter3,
                   PolylineDialog::kQuarter4})
        m_dialog.Press(id);
    EXPECT_EQ(m_drawing.PointCount(), 40);

    // In another mode the first quarter is only a preview of radius Length, the others nothing.
    m_dialog.Press(PolylineDialog::kArc);
    EXPECT_EQ(m_drawing.m_edit.mode, OutlineEditState::kArc);
    m_dialog.Press(PolylineDialog::kQuarter2);
    m_dialog.Press(PolylineDialog::kQuarter1);
    EXPECT_EQ(m_drawing.m_edit.mode, OutlineEditState::kQuarterPreview);
    EXPECT_EQ(m_dialog.Field(PolylineDialog::kTool), "QUARTER");
    EXPECT_EQ(m_drawing.PointCount(), 40);
    RecordingCanvas canvas;
    m_drawing.Draw(canvas, 1, 0, 0);
    const auto preview = canvas.OfKind(CanvasOp::Kind::LineTo, {0, 255, 0});
    ASSERT_EQ(preview.size(), 10u);
    const Vec2 pen = m_drawing.m_pen;
    EXPECT_EQ(preview.front().a, static_cast<int>(pen.x)); // from the pen
    EXPECT_EQ(preview.back().c, static_cast<int>(pen.x + 50));
    EXPECT_EQ(preview.back().d, static_cast<int>(pen.y + 50));

    // POLYLINE goes back to free entry; Clear empties the points.
    m_dialog.Press(PolylineDialog::kPolyline);
    EXPECT_EQ(m_drawing.m_edit.mode, OutlineEditState::kFree);
    m_dialog.Press(PolylineDialog::kClear);
    EXPECT_EQ(m_drawing.PointCount(), 0);
    EXPECT_FALSE(m_dialog.Press(PolylineDialog::kEndPolyline));
}

TEST_F(PolylineDialogTest, LengthMustBeANumberAndLeftArrowCloses) {
    m_dialog.SetField(PolylineDialog::kLength, "fifty");
    m_dialog.Press(PolylineDialog::kQuarter1);
    EXPECT_EQ(m_drawing.PointCount(), 0);
    ASSERT_EQ(m_ui.Messages().size(), 1u);
    EXPECT_EQ(m_ui.Messages()[0].text, kEnterInteger);

    EXPECT_FALSE(m_dialog.KeyDown(39));
    EXPECT_TRUE(m_dialog.KeyDown(PolylineDialog::kKeyLeft));
    const int before = m_ui.Repaints();
    m_dialog.Press(PolylineDialog::kUndo);
    EXPECT_GT(m_ui.Repaints(), before); // every action redraws the view
}

} // namespace
} // namespace ventrel
