// The drawing surface of every 2D picture: the device context the 2D drawing draws through.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace ventrel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// A box given by two corners in any order made (left, top, right, bottom) with right >= left and
// bottom >= top: every canvas takes its boxes either way round.
inline void NormaliseBox(int &left, int &top, int &right, int &bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
}

// Solid pens and brushes, circles, rectangle frames and fills, lines, text and images, all in
// device pixels. Back-ends: a recording canvas for tests, and a QPainter canvas for the screen,
// the printer, PDF, SVG and PNG.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetPen(Rgb colour, int width) = 0;
    virtual void SetBrush(Rgb colour) = 0;
    // The outline of the ellipse inscribed in the box, in the current pen (not filled).
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // A one-pixel frame of the box, in the current brush's colour.
    virtual void FrameRect(int left, int top, int right, int bottom) = 0;
    // The box filled with the given colour.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // The box filled with the current brush and outlined with the current pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // One of the view's fonts ("Arial", "MS Sans Serif", "Times", "Wingdings"); height in pixels.
    virtual void SetFont(const std::string &family, int height) = 0;
    virtual void SetTextColour(Rgb colour) = 0;
    virtual void SetTransparentBackground(bool transparent) = 0;
    // Text with its top-left corner at (x, y).
    virtual void Text(int x, int y, const std::string &text) = 0;
    // Bottom-up rows of 24-bit BGR or 32-bit BGRA pixels, each row `stride` bytes, with the
    // image's top-left corner at (x, y).
    virtual void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
                       int bitsPerPixel) = 0;
};

} // namespace ventrel
