// The 2D primitives and the chest drawing, checked on the recording canvas.
#include "chest/CWindchest.h"
#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"
#include "chest/PipeBoards.h"
#include "chest/PipePicking.h"
#include "outline/L_2D_Drawing.h"
#include "platform/HeadlessUi.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace ventrel {
namespace {

using Kind = CanvasOp::Kind;
constexpr Rgb kBlack{0, 0, 0};

Rgb Palette(int c) {
    return Drawing2D::kPalette[static_cast<size_t>(c)];
}

// A stop of n round pipes in a row at y, 100 mm apart from x = 100.
void MakeRow(CStop &stop, const char *name, int n, int y, int diameter = 40) {
    stop.m_name = name;
    stop.m_pipe_count = n;
    for (int k = 0; k < n; ++k) {
        const size_t i = static_cast<size_t>(k);
        stop.m_x[i] = 100 + 100 * k;
        stop.m_y[i] = y;
        stop.m_diameter[i] = diameter;
        stop.m_hole[i] = 10;
        stop.m_foot[i] = 20;
        stop.m_valve[i] = 16;
        stop.m_length[i] = 1000 - k;
    }
    stop.m_bounds = {50, 100 + 100 * n, y - 50, y + 50};
}

struct Fixture {
    RecordingCanvas canvas;
    HeadlessUi ui;
    Drawing2D drawing{&canvas, &ui};
};

TEST(Drawing2D, TransformAndPrimitives) {
    Fixture f;
    f.drawing.g_scale2D = 1.5f;
    f.drawing.g_pan = {10, -20};
    EXPECT_EQ(f.drawing.ScreenX(7), 10 + 10); // 10.5 truncated
    EXPECT_EQ(f.drawing.ScreenY(-7), -20 - 10);
    f.drawing.SelectWidth(3);
    f.drawing.SelectColour(9);
    f.drawing.DrawCircle(100, 100, 11);
    const auto circles = f.canvas.OfKind(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].a, 160 - 16); // radius trunc(11 x 1.5)
    EXPECT_EQ(circles[0].d, 130 + 16);
    EXPECT_EQ(circles[0].pen, Palette(9));
    EXPECT_EQ(circles[0].penWidth, 3);

    f.drawing.SelectBrush(6);
    EXPECT_EQ(f.drawing.CurrentColour(), 6);
    f.drawing.FrameBox(0, 0, 10, 10);
    EXPECT_EQ(f.canvas.OfKind(Kind::FrameRect, Palette(6)).size(), 1u);
}

TEST(Drawing2D, OutOfRangeColourOrWidthIsRefusedOnceAndDrawingGoesOn) {
    Fixture f;
    f.drawing.SelectColour(4);
    f.drawing.SelectColour(16);
    f.drawing.SelectColour(-1);
    f.drawing.SelectBrush(99);
    f.drawing.SetTextColour(20);
    f.drawing.SelectWidth(5);
    f.drawing.SelectWidth(-2);
    EXPECT_EQ(f.drawing.Refusals(), 6);
    EXPECT_EQ(f.drawing.CurrentColour(), 4);
    EXPECT_EQ(f.drawing.CurrentWidth(), 1);
    // One report per kind of refusal, not one per call.
    ASSERT_EQ(f.ui.Statuses().size(), 2u);
    EXPECT_NE(f.ui.Statuses()[0].find("palette index 16"), std::string::npos);
    EXPECT_NE(f.ui.Statuses()[1].find("pen width 5"), std::string::npos);
    f.drawing.MoveTo(0, 0);
    f.drawing.LineTo(5, 5);
    ASSERT_EQ(f.canvas.OfKind(Kind::LineTo).size(), 1u);
    EXPECT_EQ(f.canvas.OfKind(Kind::LineTo)[0].pen, Palette(4));
}

// Two stops: a master of 30 pipes and a slider stop starting at note 13, with dimensions.
CWindchest SliderChest() {
    CWindchest chest;
    chest.m_stop_count = 2;
    MakeRow(chest.m_stops[0], "Montre", 30, 100);
    chest.m_stops[0].m_slider = 2;
    chest.m_master_stop = 0;
    MakeRow(chest.m_stops[1], "Prestant", 18, 400);
    chest.m_stops[1].m_slider = 1;
    chest.m_stops[1].m_first_pipe = 13;
    chest.m_plate = {0, 3200, 0, 600};
    chest.m_valve_count = 48;
    return chest;
}

TEST(ChestDrawing, DimensionTextsStandFifteenPixelsApartAtAnyScale) {
    Fixture f;
    CWindchest chest;
    chest.m_stop_count = 1;
    MakeRow(chest.m_stops[0], "Bourdon", 1, 100);
    chest.m_stops[0].m_diameter[0] = 44;
    f.drawing.g_scale2D = 2.0f;
    chest.Draw(f.drawing);
    // Number, hole, foot, diameter and position of the pipe at (100, 100): model y 100, 108, 116,
    // 123 and 131.
    const std::pair<const char *, int> expected[] = {
        {"1", 200}, {"10", 216}, {"20", 232}, {"44", 246}, {"100 100", 262}};
    for (const auto &[text, y] : expected) {
        const auto found = f.canvas.TextsEqual(text);
        ASSERT_EQ(found.size(), 1u) << text;
        EXPECT_EQ(found[0].a, 200);
        EXPECT_EQ(found[0].b, y) << text;
        EXPECT_EQ(found[0].textColour, Palette(15));
    }
    EXPECT_EQ(f.canvas.TextsEqual("Bourdon 1 Pipes x0:0 y0:0 UNIT").size(), 1u);

    f.canvas.Clear();
    f.drawing.g_hideDimensions = true;
    chest.Draw(f.drawing);
    EXPECT_EQ(f.canvas.TextsEqual("1").size(), 1u);
    EXPECT_TRUE(f.canvas.TextsEqual("10").empty());
    EXPECT_TRUE(f.canvas.TextsEqual("100 100").empty());
}

TEST(ChestDrawing, SliderStopsAreJoinedToTheirMasterPipes) {
    Fixture f;
    CWindchest chest = SliderChest();
    chest.Draw(f.drawing);
    EXPECT_TRUE(f.canvas.OfKind(Kind::LineTo, Palette(1)).empty()); // register display off

    f.canvas.Clear();
    chest.m_show_registers = true;
    chest.Draw(f.drawing);
    const auto lines = f.canvas.OfKind(Kind::LineTo, Palette(1));
    // Pipes 12 ... 17 of the slider stop: master pipe k to its own pipe k - 12.
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].a, 100 + 100 * 12); // master pipe 12
    EXPECT_EQ(lines[0].b, 100);
    EXPECT_EQ(lines[0].c, 100); // its own pipe 0
    EXPECT_EQ(lines[0].d, 400);
    EXPECT_EQ(lines[1].a, 100 + 100 * 13);
    EXPECT_EQ(lines[1].c, 200);
    EXPECT_EQ(f.canvas.TextsEqual("Prestant 18 Pipes x0:0 y0:0 SLIDER").size(), 1u);
    EXPECT_EQ(f.canvas.TextsEqual("Montre 30 Pipes x0:0 y0:0 SLIDER MASTER").size(), 1u);
    EXPECT_EQ(f.canvas.TextsEqual("0 3200 0 600").size(), 1u);
    EXPECT_EQ(f.canvas.TextsEqual("48 Pipes").size(), 1u);
    // Slider stops have no magnets.
    EXPECT_TRUE(f.canvas.OfKind(Kind::FrameRect, Palette(14)).empty());
}

TEST(ChestDrawing, RowMagnetsAlternateBehindAndInFront) {
    Fixture f;
    CWindchest chest;
    chest.m_stop_count = 1;
    CStop &stop = chest.m_stops[0];
    MakeRow(stop, "Flute", 4, 300);
    stop.m_incx = 1;
    stop.m_side = {-1, -1, -1, 1};
    chest.Draw(f.drawing);
    const auto magnets = f.canvas.OfKind(Kind::FrameRect, Palette(14));
    ASSERT_EQ(magnets.size(), 4u);
    // Pipe 0 (even): in front, y ... y + 50; pipe 1 (odd): behind, y - 50 ... y; side 1: behind.
    EXPECT_EQ(magnets[0].a, 100 - 7);
    EXPECT_EQ(magnets[0].b, 300);
    EXPECT_EQ(magnets[0].c, 100 + 7);
    EXPECT_EQ(magnets[0].d, 350);
    EXPECT_EQ(magnets[1].b, 250);
    EXPECT_EQ(magnets[1].d, 300);
    EXPECT_EQ(magnets[2].b, 300);
    EXPECT_EQ(magnets[3].b, 250);

    // Columns: left and right of the pipes; side 0 draws nothing.
    f.canvas.Clear();
    stop.m_incx = 2;
    stop.m_side = {-1, -1, 0, 0};
    ValveCounters sizes;
    sizes.magnet_width = 20;
    sizes.magnet_depth = 60;
    f.drawing.m_magnets = &sizes;
    chest.Draw(f.drawing);
    const auto columns = f.canvas.OfKind(Kind::FrameRect, Palette(14));
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].a, 100);
    EXPECT_EQ(columns[0].c, 160);
    EXPECT_EQ(columns[1].a, 200 - 60);
    EXPECT_EQ(columns[1].b, 290);

    f.canvas.Clear();
    chest.m_show_magnets = false;
    chest.Draw(f.drawing);
    EXPECT_TRUE(f.canvas.OfKind(Kind::FrameRect, Palette(14)).empty());
}

TEST(ChestDrawing, PrintingDrawsEveryPenBrushAndTextBlack) {
    Fixture f;
    CWindchest chest = SliderChest();
    chest.m_show_registers = true;
    chest.m_rect_count = 1;
    chest.m_rects[0] = {0, 100, 0, 100};
    chest.m_line_count = 1;
    f.drawing.SetPrinting(true);
    f.drawing.SelectWidth(3);
    chest.Draw(f.drawing);
    DrawPartitions(f.drawing, chest);
    size_t checked = 0;
    for (const CanvasOp &op : f.canvas.Ops()) {
        if (op.kind == Kind::Pen || op.kind == Kind::Brush || op.kind == Kind::TextColour) {
            EXPECT_EQ(op.colour, kBlack);
            ++checked;
        }
        if (op.kind == Kind::FrameRect) {
            EXPECT_EQ(op.brush, kBlack);
        }
    }
    EXPECT_GT(checked, 100u);
    EXPECT_EQ(f.canvas.OfKind(Kind::Ellipse, kBlack).size(), f.canvas.OfKind(Kind::Ellipse).size());
    EXPECT_EQ(f.canvas.OfKind(Kind::Ellipse)[0].penWidth, 3);

    f.drawing.SetPrinting(false);
    EXPECT_EQ(f.drawing.g_textColour, 15);
}

TEST(ChestDrawing, NothingForAChestWithoutStopsAndThePlateOtherwise) {
    Fixture f;
    CWindchest empty;
    empty.Draw(f.drawing);
    EXPECT_EQ(f.canvas.DrawCount(), 0u);

    CWindchest chest = SliderChest();
    chest.m_frame_holes.m_pipe_count = 2;
    chest.m_frame_holes.m_x = {{20, 3180}};
    chest.m_frame_holes.m_y = {{20, 580}};
    chest.m_frame_holes.m_diameter = {{12, 12}};
    chest.Draw(f.drawing);
    // The four border strips in the brush of colour 4, 22 wide.
    const auto strips = f.canvas.OfKind(Kind::FrameRect, Palette(4));
    ASSERT_EQ(strips.size(), 4u);
    EXPECT_EQ(strips[0].d, 22);
    EXPECT_EQ(strips[1].b, 578);
    EXPECT_EQ(strips[3].a, 3178);
    // Pilot holes: radius 6 in colour 14 around (20, 20) and (3180, 580).
    std::set<std::pair<int, int>> pilots;
    for (const CanvasOp &op : f.canvas.OfKind(Kind::Ellipse, Palette(14)))
        if (op.c - op.a == 12)
            pilots.insert({op.a + 6, op.b + 6});
    EXPECT_EQ(pilots, (std::set<std::pair<int, int>>{{20, 20}, {3180, 580}}));
}

TEST(ChestDrawing, PartitionsGridAndBoards) {
    Fixture f;
    CWindchest chest;
    chest.m_line_count = 1;
    chest.m_lines[0] = {0, 50, 0, 70};
    DrawPartitions(f.drawing, chest);
    EXPECT_EQ(f.canvas.DrawCount(), 0u); // no rectangles: nothing
    chest.m_rect_count = 1;
    chest.m_rects[0] = {10, 20, 30, 40};
    DrawPartitions(f.drawing, chest);
    ASSERT_EQ(f.canvas.OfKind(Kind::FrameRect, Palette(15)).size(), 1u);
    const auto lines = f.canvas.OfKind(Kind::LineTo, Palette(15));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].c, 50);
    EXPECT_EQ(lines[0].d, 70);

    f.canvas.Clear();
    f.drawing.m_viewWidth = 500;
    f.drawing.m_viewHeight = 300;
    f.drawing.g_scale2D = 1.2f;
    f.drawing.g_pan = {33, 44}; // the grid ignores the pan
    DrawGrid(f.drawing);
    const auto grid = f.canvas.OfKind(Kind::LineTo, Palette(15));
    ASSERT_EQ(grid.size(), 5u + 3u); // x = 0, 120, ..., 480 and y = 0, 120, 240
    EXPECT_EQ(grid[1].a, 120);
    EXPECT_EQ(grid[1].d, 300);
    f.canvas.Clear();
    f.drawing.g_scale2D = 0.001f;
    DrawGrid(f.drawing);
    EXPECT_EQ(f.canvas.DrawCount(), 0u);

    // Unzoomed and unmoved, the boards stand side by side at a third of their size in pixels;
    // zoomed and moved, they follow the view as the chest does.
    f.canvas.Clear();
    f.drawing.g_scale2D = 1.0f;
    f.drawing.g_pan = {};
    PipeBoards boards;
    boards.pipes.push_back({10, 1000, 80, 150, 60, PipeBoards::BoardsOf(10, 1000, 80, 150, 60)});
    DrawPipeBoards(f.drawing, boards);
    const auto rects = f.canvas.OfKind(Kind::Rectangle, Palette(6));
    ASSERT_EQ(rects.size(), 4u);
    const int expected[4][4] = {
        {10, 0, 36, 263}, {100, 0, 126, 333}, {200, 0, 223, 333}, {300, 0, 326, 50}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[i].a, expected[i][0]);
        EXPECT_EQ(rects[i].b, expected[i][1]);
        EXPECT_EQ(rects[i].c, expected[i][2]);
        EXPECT_EQ(rects[i].d, expected[i][3]);
    }
    f.canvas.Clear();
    f.drawing.g_scale2D = 0.5f;
    f.drawing.g_pan = {7, 9};
    DrawPipeBoards(f.drawing, boards);
    const auto zoomed = f.canvas.OfKind(Kind::Rectangle, Palette(6));
    ASSERT_EQ(zoomed.size(), 4u);
    EXPECT_EQ(zoomed[1].a, 7 + 50);
    EXPECT_EQ(zoomed[1].b, 9);
    EXPECT_EQ(zoomed[1].d, 9 + 166);
}

TEST(ChestDrawing, ViewPaintFillsThenDrawsTheOutlineThenTheChest) {
    Fixture f;
    CWindchest chest = SliderChest();
    L_2D_Drawing outline;
    outline.AddQuarter(50, 1);
    f.drawing.m_viewWidth = 640;
    f.drawing.m_viewHeight = 480;
    PaintChestView(f.drawing, &chest, {1, 2, 3}, false, &outline);
    const auto &ops = f.canvas.Ops();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, Kind::FillRect);
    EXPECT_EQ(ops[0].c, 640);
    EXPECT_EQ(ops[0].colour, (Rgb{1, 2, 3}));
    const auto outlineLines = f.canvas.OfKind(Kind::LineTo, {255, 0, 0});
    ASSERT_EQ(outlineLines.size(), 9u);
    EXPECT_EQ(outlineLines.back().c, 50);
    EXPECT_EQ(f.canvas.TextsEqual("Montre 30 Pipes x0:0 y0:0 SLIDER MASTER").size(), 1u);

    // Without a chest only the background and the outline.
    f.canvas.Clear();
    PaintChestView(f.drawing, nullptr, {0, 0, 0}, true, &outline);
    EXPECT_TRUE(f.canvas.OfKind(Kind::Text).empty());
    EXPECT_EQ(f.canvas.OfKind(Kind::LineTo).size(), 9u);
}

TEST(PipePicking, TheLastPipeUnderThePointWins) {
    Fixture f;
    CWindchest chest = SliderChest();
    chest.m_stops[1].m_incx = 3;
    // Move the slider stop's pipe 2 onto the master's pipe 0, so that both lie under (100, 100).
    chest.m_stops[1].m_x[2] = 110;
    chest.m_stops[1].m_y[2] = 100;
    f.drawing.g_scale2D = 0.5f;
    f.drawing.g_pan = {5, 5};
    EXPECT_TRUE(chest.PickPipe(f.drawing, 5 + 52, 5 + 50, f.ui));
    EXPECT_EQ(chest.m_selected_stop, 1);
    EXPECT_EQ(chest.m_stops[1].m_selected_pipe, 2);
    EXPECT_EQ(chest.m_stops[0].m_selected_pipe, 0); // taken first, then overridden
    ASSERT_EQ(f.ui.Statuses().size(), 2u);
    EXPECT_EQ(f.ui.LastStatus(), "Pipe 3 Register: Prestant X=  110 Y=  100");
    // The highlight: a blue cross of +-20 around the pipe, then the pipe in blue.
    const auto cross = f.canvas.OfKind(Kind::LineTo, Palette(1));
    ASSERT_EQ(cross.size(), 4u);
    EXPECT_EQ(cross[2].a, 5 + 45);
    EXPECT_EQ(cross[2].c, 5 + 65);

    const auto fields = PickedPipeFields(chest);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->x, 110);
    EXPECT_EQ(fields->pipe_number, 3);
    EXPECT_EQ(fields->stop_name, "Prestant");
    EXPECT_EQ(fields->diameter, 40);
    EXPECT_EQ(fields->length, 998);
    EXPECT_EQ(fields->arrangement, "FACADE");
    EXPECT_EQ(fields->slider, "SLIDER");

    // Exactly on the border of a square: picked. Outside every pipe: nothing changes.
    EXPECT_TRUE(
        chest.PickPipe(f.drawing, f.drawing.ScreenX(300 + 20), f.drawing.ScreenY(100 - 20), f.ui));
    EXPECT_EQ(chest.m_selected_stop, 0);
    EXPECT_EQ(chest.m_stops[0].m_selected_pipe, 2);
    EXPECT_FALSE(chest.PickPipe(f.drawing, 1000, 1000, f.ui));
    EXPECT_EQ(chest.m_stops[0].m_selected_pipe, 2);
    EXPECT_EQ(f.ui.Statuses().size(), 3u);
}

TEST(PipePicking, SafeOnEmptyAbsentAndZeroSizedPipes) {
    Fixture f;
    CWindchest empty;
    EXPECT_FALSE(empty.PickPipe(f.drawing, 0, 0, f.ui));
    EXPECT_FALSE(PickedPipeFields(empty).has_value());

    CWindchest chest;
    chest.m_stop_count = 1;
    MakeRow(chest.m_stops[0], "Nasard", 2, 0, 0);
    chest.m_stops[0].m_hole[1] = 0;
    chest.m_stops[0].m_pipe_count = 500; // beyond the table: only its 80 slots are looked at
    EXPECT_TRUE(chest.PickPipe(f.drawing, 100, 0, f.ui));
    EXPECT_EQ(chest.m_stops[0].m_selected_pipe, 0);
    EXPECT_TRUE(chest.PickPipe(f.drawing, 200, 0, f.ui)); // an absent pipe still has its place
    EXPECT_EQ(chest.m_stops[0].m_selected_pipe, 1);
}

TEST(Drawing2D, ScreenArithmeticSaturatesAtEveryScalePanAndPosition) {
    CWindchest chest;
    chest.m_stop_count = 1;
    MakeRow(chest.Stop(0), "Montre8", 3, 0);
    chest.Stop(0).m_x[0] = -2147483647;
    chest.Stop(0).m_x[2] = 2147483647;
    chest.m_plate = {-2147483647, 2147483647, 0, 600};
    const float scales[] = {std::numeric_limits<float>::quiet_NaN(), 1e30f, 1e-30f, 3000.0f,
                            std::numeric_limits<float>::infinity(),  0.0f};
    for (const float scale : scales) {
        for (const int pan : {0, 2147483647, -2147483647 - 1}) {
            Fixture f;
            f.drawing.g_scale2D = scale;
            f.drawing.g_pan = {pan, -pan / 2};
            f.drawing.m_viewWidth = 300;
            f.drawing.m_viewHeight = 200;
            PaintChestView(f.drawing, &chest, kBlack, true);
            for (const CanvasOp &op : f.canvas.Ops())
                for (const int v : {op.a, op.b, op.c, op.d})
                    ASSERT_LE(std::abs(static_cast<long long>(v)), 1LL << 30)
                        << "scale " << scale << " pan " << pan;
        }
    }
    Drawing2D drawing;
    drawing.g_scale2D = 3000;
    EXPECT_EQ(drawing.ScreenX(2147483647), 1 << 29);
    EXPECT_EQ(drawing.ScreenX(-2147483647), -(1 << 29));
    drawing.g_scale2D = 2;
    drawing.g_pan = {5, 0};
    EXPECT_EQ(drawing.ScreenX(-3), -1) << "ordinary values keep their truncation";
}

} // namespace
} // namespace ventrel