// A canvas that passes on only what can show in the view: shapes wholly outside it are dropped.
#include "VisibleCanvas.h"

#include <algorithm>

namespace ventrel {

bool VisibleCanvas::Meets(long left, long top, long right, long bottom) const {
    // A view that has no size yet drops nothing.
    if (m_width <= 0 || m_height <= 0)
        return true;
    const long margin = m_penWidth + 2;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return right >= -margin && bottom >= -margin && left <= m_width + margin &&
           top <= m_height + margin;
}

void VisibleCanvas::SetPen(Rgb colour, int width) {
    m_penWidth = std::max(1, width);
    m_target.SetPen(colour, width);
}

void VisibleCanvas::SetFont(const std::string &family, int height) {
    m_fontHeight = std::max(1, height);
    m_target.SetFont(family, height);
}

void VisibleCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (Meets(left, top, right, bottom))
        m_target.Ellipse(left, top, right, bottom);
    else
        ++m_dropped;
}

void VisibleCanvas::FrameRect(int left, int top, int right, int bottom) {
    if (Meets(left, top, right, bottom))
        m_target.FrameRect(left, top, right, bottom);
    else
        ++m_dropped;
}

void VisibleCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    if (Meets(left, top, right, bottom))
        m_target.FillRect(left, top, right, bottom, colour);
    else
        ++m_dropped;
}

void VisibleCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (Meets(left, top, right, bottom))
        m_target.Rectangle(left, top, right, bottom);
    else
        ++m_dropped;
}

void VisibleCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
    m_target.MoveTo(x, y);
}

void VisibleCanvas::LineTo(int x, int y) {
    if (Meets(m_x, m_y, x, y)) {
        m_target.LineTo(x, y);
    } else {
        // The line is not drawn, but the current point moves on as the line would move it.
        m_target.MoveTo(x, y);
        ++m_dropped;
    }
    m_x = x;
    m_y = y;
}

void VisibleCanvas::Text(int x, int y, const std::string &text) {
    // A generous bound on the text's box: no glyph is wider than twice the font's height.
    const long width = static_cast<long>(text.size()) * 2L * m_fontHeight;
    if (Meets(x, y, x + width, y + 2L * m_fontHeight))
        m_target.Text(x, y, text);
    else
        ++m_dropped;
}

void VisibleCanvas::Image(int x, int y, int width, int height, const std::uint8_t *pixels,
                          int stride, int bitsPerPixel) {
    if (Meets(x, y, static_cast<long>(x) + width, static_cast<long>(y) + height))
        m_target.Image(x, y, width, height, pixels, stride, bitsPerPixel);
    else
        ++m_dropped;
}

} // namespace ventrel
