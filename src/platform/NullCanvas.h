// A canvas that draws nothing: for timing what is drawn apart from drawing it, and as the base of
// canvases that watch only one kind of call.
#pragma once

#include "platform/Canvas.h"

namespace ventrel {

class NullCanvas : public Canvas {
public:
    void SetPen(Rgb, int) override {}
    void SetBrush(Rgb) override {}
    void Ellipse(int, int, int, int) override {}
    void FrameRect(int, int, int, int) override {}
    void FillRect(int, int, int, int, Rgb) override {}
    void Rectangle(int, int, int, int) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetFont(const std::string &, int) override {}
    void SetTextColour(Rgb) override {}
    void SetTransparentBackground(bool) override {}
    void Text(int, int, const std::string &) override {}
    void Image(int, int, int, int, const std::uint8_t *, int, int) override {}
};

} // namespace ventrel
