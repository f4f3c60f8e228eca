// A canvas that passes on only what can show in the view: shapes wholly outside it are dropped.
#pragma once

#include "platform/Canvas.h"

namespace ventrel {

// The screen clips what lies outside the view anyway; dropping it here spares the painter the
// work, which matters for a large chest of which only a part is on the screen. Pens, brushes,
// fonts and the current point stay exactly as they would be.
class VisibleCanvas : public Canvas {
public:
    VisibleCanvas(Canvas &target, int width, int height)
        : m_target(target), m_width(width), m_height(height) {}

    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override { m_target.SetBrush(colour); }
    void Ellipse(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetFont(const std::string &family, int height) override;
    void SetTextColour(Rgb colour) override { m_target.SetTextColour(colour); }
    void SetTransparentBackground(bool transparent) override {
        m_target.SetTransparentBackground(transparent);
    }
    void Text(int x, int y, const std::string &text) override;
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override;

    // How many drawing calls were dropped.
    long Dropped() const { return m_dropped; }

private:
    // Whether the box, widened by the pen, meets the view.
    bool Meets(long left, long top, long right, long bottom) const;

    Canvas &m_target;
    int m_width, m_height;
    int m_penWidth = 1;
    int m_fontHeight = 12;
    int m_x = 0, m_y = 0;
    long m_dropped = 0;
};

} // namespace ventrel
