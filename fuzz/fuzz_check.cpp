// Fuzzing the chest checker and the workshop report: whatever the text, the checker gives findings
// and never fails, and the report of what it read is drawn and written as a whole PDF.
#include "check/ChestCheck.h"
#include "platform/WorkFolder.h"
#include "platform/pdf/StandardFontPdf.h"
#include "report/WorkshopReport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const ventrel::WorkFolder nowhere{"/nonexistent-ventrel-fuzz", "/nonexistent-ventrel-fuzz"};
    const ventrel::CheckSource source{"fuzz.dat",
                                      std::string(reinterpret_cast<const char *>(data), size)};
    const ventrel::CheckResult result =
        ventrel::CheckChest(source, nullptr, nowhere, ventrel::CheckOptions{});
    for (const ventrel::Finding &finding : result.findings)
        if (finding.line < 0 || finding.column < 0)
            __builtin_trap();

    ventrel::ReportOptions options;
    options.date = "2026-12-08";
    std::string pdf;
    const bool written = ventrel::MakeStandardFontPdf(
        options.paper.width_mm, options.paper.height_mm, "fuzz",
        [&](ventrel::CanvasPages &pages) {
            ventrel::PaintWorkshopReport(result, "fuzz.dat", options, pages);
        },
        pdf);
    // A text beyond the standard fonts goes to the other writer; any other outcome is a file.
    if (written && (pdf.rfind("%PDF-1.4\n", 0) != 0 || !pdf.ends_with("%%EOF\n")))
        __builtin_trap();
    return 0;
}
