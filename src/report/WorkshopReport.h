// The workshop report of a chest: the plate to scale with its dimensions (tiled over pages when
// larger than one, with a scale bar), the cut list as a table, the valve counts per class, one
// line per stop, the checker's findings, the date and the file.
#pragma once

#include "ReportPages.h"

#include "check/ChestCheck.h"

#include <string>

namespace ventrel {

struct ReportOptions {
    PaperSize paper = kA3;
    int scale = 10;   // the plate is drawn at 1:scale
    std::string date; // as printed, e.g. "2026-12-08"
};

// The pages the plate takes at this scale on this paper (columns x rows).
struct PlateTiling {
    int columns = 1;
    int rows = 1;
};
PlateTiling TilePlate(const CWindchest &chest, const ReportOptions &options);

// Draws every page. `checked` holds the chest as the checker read it, laid out and sized, and
// its findings; `file` names the chest as the user gave it.
void PaintWorkshopReport(const CheckResult &checked, const std::string &file,
                         const ReportOptions &options, ReportPages &pages);

} // namespace ventrel
