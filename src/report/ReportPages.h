// The paper the workshop report is laid out on.
#pragma once

#include "platform/CanvasPages.h"

namespace ventrel {

// Page sizes in millimetres, landscape.
struct PaperSize {
    const char *name;
    int width_mm;
    int height_mm;
};
inline constexpr PaperSize kA4 = {"A4", 297, 210};
inline constexpr PaperSize kA3 = {"A3", 420, 297};

using ReportPages = CanvasPages;

} // namespace ventrel
