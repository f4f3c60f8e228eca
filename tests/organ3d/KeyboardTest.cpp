// The manual keyboard's 60 keys, laid out and drawn.
#include "organ3d/Keyboard.h"
#include "chest/Drawing2D.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ventrel {
namespace {

struct Span {
    int x1, x2, y1, y2;
};

Span SpanOf(const CKeyboard::Key &key) {
    Span span{key.points[0][0], key.points[0][0], key.points[0][1], key.points[0][1]};
    for (int i = 0; i < key.count; ++i) {
        span.x1 = std::min(span.x1, key.points[static_cast<size_t>(i)][0]);
        span.x2 = std::max(span.x2, key.points[static_cast<size_t>(i)][0]);
        span.y1 = std::min(span.y1, key.points[static_cast<size_t>(i)][1]);
        span.y2 = std::max(span.y2, key.points[static_cast<size_t>(i)][1]);
    }
    return span;
}

TEST(Keyboard, LaysOutFiveOctavesAndDrawsSharpsAndNaturals) {
    CKeyboard keyboard;
    RecordingCanvas canvas;
    Drawing2D drawing(&canvas);
    keyboard.Draw(drawing);
    EXPECT_EQ(canvas.DrawCount(), 0u); // nothing before the layout

    keyboard.Layout();
    ASSERT_TRUE(keyboard.m_laid_out);
    const Span c = SpanOf(keyboard.m_keys[0]);
    EXPECT_EQ(c.x1, 162);
    EXPECT_EQ(c.x2, 184);
    EXPECT_EQ(c.y1, 60);
    EXPECT_EQ(c.y2, 200);
    const Span cSharp = SpanOf(keyboard.m_keys[1]);
    EXPECT_EQ(cSharp.x1, 176);
    EXPECT_EQ(cSharp.x2, 188);
    EXPECT_EQ(cSharp.y1, 60);
    EXPECT_EQ(cSharp.y2, 152);
    // The last B, one octave of 162 further per octave.
    EXPECT_EQ(SpanOf(keyboard.m_keys[59]).x1, 5 * 162 + 140);
    EXPECT_EQ(SpanOf(keyboard.m_keys[59]).x2, 5 * 162 + 140 + 22);
    EXPECT_EQ(keyboard.m_keys[7].count, 9);

    keyboard.Draw(drawing);
    const size_t sharpLines = canvas.OfKind(CanvasOp::Kind::LineTo, Drawing2D::kPalette[15]).size();
    const size_t naturalLines =
        canvas.OfKind(CanvasOp::Kind::LineTo, Drawing2D::kPalette[14]).size();
    EXPECT_EQ(sharpLines, 25u * 4u);
    // Per octave: C, D, E, F, G, A, B with 6, 8, 6, 6, 8, 8, 6 segments.
    EXPECT_EQ(naturalLines, 5u * 48u);
}

} // namespace
} // namespace ventrel
