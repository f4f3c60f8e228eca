// The scale chart's geometry, what it draws, and which line a click finds.
#include "scale/ScaleChart.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ventrel {
namespace {

std::vector<ChartLine> TwoLines() {
    return {{"Montre8 8'", 0, {{1, 2}, {25, 0}, {49, -1}}}, {"Bourdon8 8'", 3, {{1, 6}, {56, 6}}}};
}

TEST(ScaleChart, SpansWholeOctavesAndEveryDeviation) {
    const ScaleChart chart(TwoLines(), "chart", 800, 500);
    EXPECT_EQ(chart.FirstNote(), 1);
    EXPECT_EQ(chart.LastNote(), 61); // note 56 is in the octave that ends on the C of note 61
    EXPECT_EQ(chart.LowHalfTones(), -3);
    EXPECT_EQ(chart.HighHalfTones(), 7);
    EXPECT_LT(chart.NoteX(1), chart.NoteX(61));
    EXPECT_GT(chart.HalfToneY(-3), chart.HalfToneY(7)); // up is wider
    EXPECT_EQ(OctaveName(1), "C");
    EXPECT_EQ(OctaveName(13), "c");
    EXPECT_EQ(OctaveName(25), "c'");
    EXPECT_EQ(OctaveName(49), "c'''");
}

TEST(ScaleChart, DrawsTheZeroLineTheOctavesAndEveryStopNamed) {
    const ScaleChart chart(TwoLines(), "Scale chart", 800, 500);
    RecordingCanvas canvas;
    chart.Draw(canvas);
    const auto &ops = canvas.Ops();
    auto hasText = [&](const std::string &text) {
        return std::any_of(ops.begin(), ops.end(), [&](const CanvasOp &op) {
            return op.kind == CanvasOp::Kind::Text && op.text == text;
        });
    };
    for (const char *text : {"Scale chart", "Montre8 8'", "Bourdon8 8'", "C", "c'''", "c''''", "0"})
        EXPECT_TRUE(hasText(text)) << text;
    const int zeroY = chart.HalfToneY(0);
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const CanvasOp &op) {
        return op.kind == CanvasOp::Kind::LineTo && op.b == zeroY && op.d == zeroY &&
               op.pen == Rgb{0, 0, 0} && op.penWidth == 2;
    }));
    // The Montre's middle point is drawn where the chart places note 25 at 0 half-tones.
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const CanvasOp &op) {
        return op.kind == CanvasOp::Kind::LineTo && op.c == chart.NoteX(25) && op.d == zeroY;
    }));
}

TEST(ScaleChart, AClickFindsTheLineUnderItOrItsName) {
    const ScaleChart chart(TwoLines(), "", 800, 500);
    EXPECT_EQ(chart.LineAt(chart.NoteX(13), chart.HalfToneY(1) + 3), 0);
    EXPECT_EQ(chart.LineAt(chart.NoteX(30), chart.HalfToneY(6) - 2), 1);
    EXPECT_EQ(chart.LineAt(chart.NoteX(30), chart.HalfToneY(3)), -1);
    EXPECT_EQ(chart.LineAt(chart.NoteX(61) + 20, chart.HalfToneY(6)), 1); // on its name
}

} // namespace
} // namespace ventrel
