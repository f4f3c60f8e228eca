// Drawing an outline with the mouse and preset quarter arcs.
#include "outline/L_2D_Drawing.h"
#include "platform/HeadlessUi.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventrel {
namespace {

TEST(OutlineEditing, SnapRoundsToTheTwentyPixelGrid) {
    EXPECT_EQ(L_2D_Drawing::Snap(29), 20);
    EXPECT_EQ(L_2D_Drawing::Snap(31), 40);
    EXPECT_EQ(L_2D_Drawing::Snap(30), 20); // a remainder of exactly 10 goes down
    EXPECT_EQ(L_2D_Drawing::Snap(0), 0);

    HeadlessUi ui;
    L_2D_Drawing drawing;
    drawing.ArmEntry();
    drawing.LeftButtonDown(29, 31, ui);
    ASSERT_EQ(drawing.PointCount(), 1);
    EXPECT_EQ(drawing.Point(0), (Vec2{20, 40}));
    drawing.m_edit.snap = false;
    drawing.LeftButtonDown(29, 31, ui);
    EXPECT_EQ(drawing.Point(1), (Vec2{29, 31}));
}

TEST(OutlineEditing, ClicksAddPointsOnlyOnceArmedAndUndoRemovesThem) {
    HeadlessUi ui;
    L_2D_Drawing drawing;
    drawing.LeftButtonDown(100, 100, ui);
    EXPECT_EQ(drawing.PointCount(), 0); // not armed

    drawing.ArmEntry();
    drawing.LeftButtonDown(100, 100, ui);
    drawing.LeftButtonDown(200, 100, ui);
    drawing.LeftButtonDown(200, 200, ui);
    EXPECT_EQ(drawing.PointCount(), 3);
    drawing.Undo();
    EXPECT_EQ(drawing.PointCount(), 2);
    EXPECT_EQ(drawing.m_pen, (Vec2{200, 100}));

    // A new entry starts a new outline.
    drawing.ArmEntry();
    drawing.LeftButtonDown(40, 40, ui);
    EXPECT_EQ(drawing.PointCount(), 1);
    drawing.Undo();
    drawing.Undo(); // nothing left to undo
    EXPECT_EQ(drawing.PointCount(), 0);

    RecordingCanvas canvas;
    drawing.LeftButtonDown(20, 20, ui);
    drawing.LeftButtonDown(60, 20, ui);
    drawing.Draw(canvas, 2.0f, 5, 0);
    const auto lines = canvas.OfKind(CanvasOp::Kind::LineTo, {255, 0, 0});
    ASSERT_EQ(lines.size(), 1u); // the outline in red
    EXPECT_EQ(lines[0].a, 45);
    EXPECT_EQ(lines[0].c, 125);
    // The last click marked by a cross of +-5 pixels.
    const auto mark = canvas.OfKind(CanvasOp::Kind::LineTo, {255, 255, 255});
    ASSERT_EQ(mark.size(), 2u);
    EXPECT_EQ(mark[0].a, 55);
    EXPECT_EQ(mark[0].c, 65);
}

TEST(OutlineEditing, QuarterArcs) {
    L_2D_Drawing drawing;
    ASSERT_TRUE(drawing.AddQuarter(50, 1));
    ASSERT_EQ(drawing.PointCount(), 10);
    EXPECT_FLOAT_EQ(drawing.Point(9).x, 50);
    EXPECT_FLOAT_EQ(drawing.Point(9).y, 50);
    EXPECT_EQ(drawing.m_pen, drawing.Point(9));
    // Undo right after a preset shape leaves it in place.
    drawing.Undo();
    EXPECT_EQ(drawing.PointCount(), 10);

    // Kind 2 from the pen (50, 50): start angle 90 degrees, pen moved by (L, L).
    ASSERT_TRUE(drawing.AddQuarter(50, 2));
    EXPECT_FLOAT_EQ(drawing.Point(19).x, 200);
    EXPECT_NEAR(drawing.Point(19).y, 100, 1e-4);
    // Kind 3 moves the pen 2L along X and starts at 180 degrees; kind 4 at 270 degrees.
    L_2D_Drawing three;
    three.AddQuarter(10, 3, 10, 1, 2);
    EXPECT_FLOAT_EQ(three.Point(9).x, 30);
    EXPECT_NEAR(three.Point(9).y, -20, 1e-4);
    L_2D_Drawing four;
    four.AddQuarter(10, 4);
    EXPECT_NEAR(four.Point(0).y, 10 - 10 * std::cos(3.14159265358979 / 20), 1e-4);
    EXPECT_NEAR(four.Point(9).x, 10, 1e-4);
    EXPECT_NEAR(four.Point(9).y, 10, 1e-4);

    EXPECT_FALSE(four.AddQuarter(10, 5));
    EXPECT_EQ(four.PointCount(), 10);
}

TEST(OutlineEditing, LimitsAreRefusedWithAMessage) {
    HeadlessUi ui;
    L_2D_Drawing drawing;
    for (int i = 0; i < 99; ++i)
        ASSERT_TRUE(drawing.AddQuarter(10, 1, 10, 1, 1, &ui));
    EXPECT_FALSE(drawing.AddQuarter(10, 1, 20, 1, 1, &ui));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].text.find("1000 points"), std::string::npos);
    EXPECT_EQ(drawing.PointCount(), 990);

    // Clicks: the 101st entry cannot be undone on its own (reported once); the 1001st point is
    // refused.
    L_2D_Drawing clicks;
    clicks.m_edit.snap = false;
    clicks.ArmEntry();
    for (int i = 0; i < 1005; ++i)
        clicks.LeftButtonDown(i, i, ui);
    EXPECT_EQ(clicks.PointCount(), 1000);
    EXPECT_EQ(clicks.m_edit.undo.size(), 100u);
    ASSERT_EQ(ui.Messages().size(), 1u + 1u + 5u);
    EXPECT_NE(ui.Messages()[1].text.find("100 entries"), std::string::npos);
    EXPECT_EQ(ui.Messages()[2].text, ui.Messages()[6].text);
    clicks.Undo();
    EXPECT_EQ(clicks.PointCount(), 99);
}

TEST(OutlineEditing, LinesAndArcsAreElementsUndoneAndClearedAsWholes) {
    HeadlessUi ui;
    L_2D_Drawing drawing;
    drawing.AddQuarter(50, 1);
    drawing.SetMode(OutlineEditState::kLine);
    drawing.LeftButtonDown(0, 0, ui);
    drawing.MouseMove(33, 47);
    EXPECT_TRUE(drawing.m_edit.show_mouse);
    drawing.LeftButtonUp();
    EXPECT_FALSE(drawing.m_edit.show_mouse);
    drawing.LeftButtonDown(100, 0, ui);
    ASSERT_EQ(drawing.m_edit.elements.size(), 1u);
    EXPECT_EQ(drawing.m_edit.elements[0].second, (Vec2{100, 0}));

    drawing.SetMode(OutlineEditState::kArc);
    for (int i = 0; i < 4; ++i)
        drawing.LeftButtonDown(100 * i, 20 * i, ui);
    ASSERT_EQ(drawing.m_edit.elements.size(), 2u);
    EXPECT_EQ(drawing.m_edit.elements[1].kind, 13);
    EXPECT_EQ(drawing.m_edit.elements[1].third, (Vec2{100, 20}));
    EXPECT_EQ(drawing.PointCount(), 10); // elements never touch the outline

    RecordingCanvas canvas;
    drawing.Draw(canvas, 1, 0, 0);
    // The arc passes through its four clicks.
    bool throughSecondClick = false;
    for (const CanvasOp &op : canvas.OfKind(CanvasOp::Kind::LineTo))
        throughSecondClick = throughSecondClick || (op.c == 100 && op.d == 20);
    EXPECT_TRUE(throughSecondClick);

    drawing.Undo();
    EXPECT_EQ(drawing.m_edit.elements.size(), 1u);
    drawing.ClearEntries();
    EXPECT_TRUE(drawing.m_edit.elements.empty());
    EXPECT_EQ(drawing.PointCount(), 10);
    drawing.SetMode(OutlineEditState::kFree);
    drawing.ClearEntries();
    EXPECT_EQ(drawing.PointCount(), 0);
    EXPECT_TRUE(drawing.AddQuarter(50, 1)); // still usable
}

} // namespace
} // namespace ventrel
