// A canvas that keeps every call it receives, so tests can check what a drawing drew.
#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

namespace ventrel {

// One call on the canvas, with the pen, brush and text colour in force when it was made.
struct CanvasOp {
    enum class Kind {
        Pen,
        Brush,
        Ellipse,
        FrameRect,
        FillRect,
        Rectangle,
        MoveTo,
        LineTo,
        Font,
        TextColour,
        Background,
        Text,
        Image
    };
    Kind kind = Kind::Pen;
    // Ellipse, rectangles: left, top, right, bottom. LineTo: from (a, b) to (c, d). MoveTo, Text,
    // Image: (a, b) is the point; Image: c, d are width and height. Pen, Font: a is the width or
    // height; Background: a is 1 when transparent.
    int a = 0, b = 0, c = 0, d = 0;
    // FillRect: the fill colour; Pen, Brush, TextColour: the colour set.
    Rgb colour;
    Rgb pen;
    int penWidth = 0;
    Rgb brush;
    Rgb textColour;
    // Text: the text; Font: the family.
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetFont(const std::string &family, int height) override;
    void SetTextColour(Rgb colour) override;
    void SetTransparentBackground(bool transparent) override;
    void Text(int x, int y, const std::string &text) override;
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override;

    const std::vector<CanvasOp> &Ops() const { return m_ops; }
    // The calls of one kind, in order.
    std::vector<CanvasOp> OfKind(CanvasOp::Kind kind) const;
    // The calls of one kind made with the given pen colour (Ellipse, LineTo), brush colour
    // (FrameRect, Rectangle) or text colour (Text).
    std::vector<CanvasOp> OfKind(CanvasOp::Kind kind, Rgb colour) const;
    // The Text calls whose text is exactly `text`.
    std::vector<CanvasOp> TextsEqual(const std::string &text) const;
    // Drawing calls only (no state changes).
    size_t DrawCount() const;
    void Clear();
    void Reserve(size_t calls) { m_ops.reserve(calls); }

private:
    CanvasOp &Add(CanvasOp::Kind kind, int a = 0, int b = 0, int c = 0, int d = 0);

    std::vector<CanvasOp> m_ops;
    Rgb m_pen;
    int m_penWidth = 0;
    Rgb m_brush{255, 255, 255};
    Rgb m_textColour;
    int m_x = 0, m_y = 0;
};

} // namespace ventrel
