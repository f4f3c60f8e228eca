// The canvas that drops what cannot show: nothing visible is lost, the current point stays right.
#include "app/VisibleCanvas.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(VisibleCanvas, DropsOnlyWhatLiesWhollyOutsideTheView) {
    RecordingCanvas target;
    VisibleCanvas canvas(target, 100, 80);
    canvas.SetPen({255, 0, 0}, 1);
    canvas.Ellipse(90, 70, 130, 110);     // partly inside: kept
    canvas.Ellipse(200, 10, 220, 30);     // right of the view: dropped
    canvas.FrameRect(-50, -50, -10, -10); // above left: dropped
    canvas.Text(99, 79, "corner");        // starts inside: kept
    canvas.Text(-30, 10, "left");         // runs into the view: kept
    canvas.Text(10, 500, "below");        // dropped
    canvas.Image(-20, -20, 30, 30, nullptr, 0, 24);
    EXPECT_EQ(target.OfKind(CanvasOp::Kind::Ellipse).size(), 1u);
    EXPECT_TRUE(target.OfKind(CanvasOp::Kind::FrameRect).empty());
    EXPECT_EQ(target.OfKind(CanvasOp::Kind::Text).size(), 2u);
    EXPECT_EQ(target.OfKind(CanvasOp::Kind::Image).size(), 1u);
    EXPECT_EQ(canvas.Dropped(), 3);
}

TEST(VisibleCanvas, ALineOutsideIsDroppedButTheNextLineStartsWhereItEnded) {
    RecordingCanvas target;
    VisibleCanvas canvas(target, 100, 80);
    canvas.MoveTo(200, 10);
    canvas.LineTo(300, 10);  // outside
    canvas.LineTo(50, 40);   // crosses into the view from (300, 10)
    canvas.LineTo(-10, 200); // leaves it: still drawn
    const auto lines = target.OfKind(CanvasOp::Kind::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].a, 300);
    EXPECT_EQ(lines[0].b, 10);
    EXPECT_EQ(lines[1].c, -10);
}

TEST(VisibleCanvas, AViewWithoutASizeDropsNothing) {
    RecordingCanvas target;
    VisibleCanvas canvas(target, 0, 0);
    canvas.Ellipse(5000, 5000, 5010, 5010);
    EXPECT_EQ(target.OfKind(CanvasOp::Kind::Ellipse).size(), 1u);
}

} // namespace
} // namespace ventrel
