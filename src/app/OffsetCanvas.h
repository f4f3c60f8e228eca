// A canvas that moves everything drawn on it by a fixed offset, as a moved window origin does.
#pragma once

#include "platform/Canvas.h"

namespace ventrel {

class OffsetCanvas : public Canvas {
public:
    OffsetCanvas(Canvas &target, int dx, int dy) : m_target(target), m_dx(dx), m_dy(dy) {}

    void SetPen(Rgb colour, int width) override { m_target.SetPen(colour, width); }
    void SetBrush(Rgb colour) override { m_target.SetBrush(colour); }
    void Ellipse(int left, int top, int right, int bottom) override {
        m_target.Ellipse(left + m_dx, top + m_dy, right + m_dx, bottom + m_dy);
    }
    void FrameRect(int left, int top, int right, int bottom) override {
        m_target.FrameRect(left + m_dx, top + m_dy, right + m_dx, bottom + m_dy);
    }
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override {
        m_target.FillRect(left + m_dx, top + m_dy, right + m_dx, bottom + m_dy, colour);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        m_target.Rectangle(left + m_dx, top + m_dy, right + m_dx, bottom + m_dy);
    }
    void MoveTo(int x, int y) override { m_target.MoveTo(x + m_dx, y + m_dy); }
    void LineTo(int x, int y) override { m_target.LineTo(x + m_dx, y + m_dy); }
    void SetFont(const std::string &family, int height) override {
        m_target.SetFont(family, height);
    }
    void SetTextColour(Rgb colour) override { m_target.SetTextColour(colour); }
    void SetTransparentBackground(bool transparent) override {
        m_target.SetTransparentBackground(transparent);
    }
    void Text(int x, int y, const std::string &text) override {
        m_target.Text(x + m_dx, y + m_dy, text);
    }
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override {
        m_target.Image(x + m_dx, y + m_dy, width, height, pixels, stride, bitsPerPixel);
    }

private:
    Canvas &m_target;
    int m_dx, m_dy;
};

} // namespace ventrel
