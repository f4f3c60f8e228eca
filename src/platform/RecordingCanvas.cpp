// A canvas that keeps every call it receives, so tests can check what a drawing drew.
#include "RecordingCanvas.h"

namespace ventrel {

CanvasOp &RecordingCanvas::Add(CanvasOp::Kind kind, int a, int b, int c, int d) {
    CanvasOp &op = m_ops.emplace_back();
    op.kind = kind;
    op.a = a;
    op.b = b;
    op.c = c;
    op.d = d;
    op.pen = m_pen;
    op.penWidth = m_penWidth;
    op.brush = m_brush;
    op.textColour = m_textColour;
    return op;
}

void RecordingCanvas::SetPen(Rgb colour, int width) {
    m_pen = colour;
    m_penWidth = width;
    Add(CanvasOp::Kind::Pen, width).colour = colour;
}

void RecordingCanvas::SetBrush(Rgb colour) {
    m_brush = colour;
    Add(CanvasOp::Kind::Brush).colour = colour;
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    Add(CanvasOp::Kind::Ellipse, left, top, right, bottom);
}

void RecordingCanvas::FrameRect(int left, int top, int right, int bottom) {
    Add(CanvasOp::Kind::FrameRect, left, top, right, bottom);
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    Add(CanvasOp::Kind::FillRect, left, top, right, bottom).colour = colour;
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    Add(CanvasOp::Kind::Rectangle, left, top, right, bottom);
}

void RecordingCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
    Add(CanvasOp::Kind::MoveTo, x, y);
}

void RecordingCanvas::LineTo(int x, int y) {
    Add(CanvasOp::Kind::LineTo, m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

void RecordingCanvas::SetFont(const std::string &family, int height) {
    Add(CanvasOp::Kind::Font, height).text = family;
}

void RecordingCanvas::SetTextColour(Rgb colour) {
    m_textColour = colour;
    Add(CanvasOp::Kind::TextColour).colour = colour;
}

void RecordingCanvas::SetTransparentBackground(bool transparent) {
    Add(CanvasOp::Kind::Background, transparent ? 1 : 0);
}

void RecordingCanvas::Text(int x, int y, const std::string &text) {
    Add(CanvasOp::Kind::Text, x, y).text = text;
}

void RecordingCanvas::Image(int x, int y, int width, int height, const std::uint8_t * /*pixels*/,
                            int /*stride*/, int /*bitsPerPixel*/) {
    Add(CanvasOp::Kind::Image, x, y, width, height);
}

std::vector<CanvasOp> RecordingCanvas::OfKind(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp &op : m_ops)
        if (op.kind == kind)
            found.push_back(op);
    return found;
}

std::vector<CanvasOp> RecordingCanvas::OfKind(CanvasOp::Kind kind, Rgb colour) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp &op : m_ops) {
        if (op.kind != kind)
            continue;
        const bool byBrush = kind == CanvasOp::Kind::FrameRect || kind == CanvasOp::Kind::Rectangle;
        const Rgb used = kind == CanvasOp::Kind::Text ? op.textColour : byBrush ? op.brush : op.pen;
        if (used == colour)
            found.push_back(op);
    }
    return found;
}

std::vector<CanvasOp> RecordingCanvas::TextsEqual(const std::string &text) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp &op : m_ops)
        if (op.kind == CanvasOp::Kind::Text && op.text == text)
            found.push_back(op);
    return found;
}

size_t RecordingCanvas::DrawCount() const {
    size_t count = 0;
    for (const CanvasOp &op : m_ops)
        switch (op.kind) {
        case CanvasOp::Kind::Ellipse:
        case CanvasOp::Kind::FrameRect:
        case CanvasOp::Kind::FillRect:
        case CanvasOp::Kind::Rectangle:
        case CanvasOp::Kind::LineTo:
        case CanvasOp::Kind::Text:
        case CanvasOp::Kind::Image:
            ++count;
            break;
        default:
            break;
        }
    return count;
}

void RecordingCanvas::Clear() {
    m_ops.clear();
    m_pen = {};
    m_penWidth = 0;
    m_brush = {255, 255, 255};
    m_textColour = {};
    m_x = m_y = 0;
}

} // namespace ventrel
