// The recording canvas keeps each call with the pen, brush and text colour in force.
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(RecordingCanvas, KeepsCallsWithTheStateInForce) {
    RecordingCanvas canvas;
    canvas.SetPen({255, 0, 0}, 2);
    canvas.MoveTo(1, 2);
    canvas.LineTo(3, 4);
    canvas.LineTo(5, 6);
    canvas.SetBrush({0, 0, 255});
    canvas.FrameRect(0, 0, 10, 10);
    canvas.SetTextColour({255, 255, 255});
    canvas.Text(7, 8, "12");

    const auto lines = canvas.OfKind(CanvasOp::Kind::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].a, 3); // a line starts where the previous one ended
    EXPECT_EQ(lines[1].b, 4);
    EXPECT_EQ(lines[1].c, 5);
    EXPECT_EQ(lines[0].pen, (Rgb{255, 0, 0}));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(canvas.OfKind(CanvasOp::Kind::FrameRect, {0, 0, 255}).size(), 1u);
    EXPECT_EQ(canvas.OfKind(CanvasOp::Kind::LineTo, {0, 0, 255}).size(), 0u);
    ASSERT_EQ(canvas.TextsEqual("12").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("12")[0].textColour, (Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.DrawCount(), 4u);

    canvas.Clear();
    EXPECT_TRUE(canvas.Ops().empty());
}

} // namespace
} // namespace ventrel
