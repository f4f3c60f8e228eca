// A document of paper pages drawn through the canvas, one after the other.
#pragma once

#include "Canvas.h"

namespace ventrel {

// Pages of one size, drawn in device units of a tenth of a millimetre. Back-ends: our PDF writer
// in pdf/ (Qt's in qtgui/ for other scripts), and recording pages for tests.
class CanvasPages {
public:
    static constexpr int kUnitsPerMm = 10;
    virtual ~CanvasPages() = default;
    // The canvas of a new page; the previous page's canvas is no longer used.
    virtual Canvas &NewPage() = 0;
};

} // namespace ventrel
