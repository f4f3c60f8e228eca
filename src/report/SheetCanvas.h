// A canvas that passes on only what can show inside one sheet's area, so that a drawing tiled over
// many sheets puts each primitive in the file of the sheets it touches, not in every sheet.
#pragma once

#include "platform/Canvas.h"

#include <algorithm>

namespace ventrel {

class SheetCanvas : public Canvas {
public:
    // `reach`: how far a text may extend right of and below its point, in device units.
    SheetCanvas(Canvas &inner, int left, int top, int right, int bottom, int reach)
        : m_inner(inner), m_left(left), m_top(top), m_right(right), m_bottom(bottom),
          m_reach(reach) {}

    void SetPen(Rgb colour, int width) override { m_inner.SetPen(colour, width); }
    void SetBrush(Rgb colour) override { m_inner.SetBrush(colour); }
    void Ellipse(int left, int top, int right, int bottom) override {
        if (Shows(left, top, right, bottom))
            m_inner.Ellipse(left, top, right, bottom);
    }
    void FrameRect(int left, int top, int right, int bottom) override {
        if (Shows(left, top, right, bottom))
            m_inner.FrameRect(left, top, right, bottom);
    }
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override {
        if (Shows(left, top, right, bottom))
            m_inner.FillRect(left, top, right, bottom, colour);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        if (Shows(left, top, right, bottom))
            m_inner.Rectangle(left, top, right, bottom);
    }
    void MoveTo(int x, int y) override {
        m_x = x;
        m_y = y;
    }
    void LineTo(int x, int y) override {
        if (Shows(std::min(m_x, x), std::min(m_y, y), std::max(m_x, x), std::max(m_y, y))) {
            m_inner.MoveTo(m_x, m_y);
            m_inner.LineTo(x, y);
        }
        m_x = x;
        m_y = y;
    }
    void SetFont(const std::string &family, int height) override {
        m_inner.SetFont(family, height);
    }
    void SetTextColour(Rgb colour) override { m_inner.SetTextColour(colour); }
    void SetTransparentBackground(bool transparent) override {
        m_inner.SetTransparentBackground(transparent);
    }
    void Text(int x, int y, const std::string &text) override {
        if (Shows(x, y, x + m_reach, y + m_reach / 4))
            m_inner.Text(x, y, text);
    }
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override {
        if (Shows(x, y, x + width, y + height))
            m_inner.Image(x, y, width, height, pixels, stride, bitsPerPixel);
    }

private:
    bool Shows(int left, int top, int right, int bottom) const {
        return right >= m_left && left <= m_right && bottom >= m_top && top <= m_bottom;
    }

    Canvas &m_inner;
    int m_left, m_top, m_right, m_bottom, m_reach;
    int m_x = 0, m_y = 0;
};

} // namespace ventrel
