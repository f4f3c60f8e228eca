// A chest at full capacity (100 stops of 80 pipes, every placement rule) from text to files, and
// the workshop's checks and report of it, measured against its export in the same run.
#include "FullChestText.h"
#include "check/ChestCheck.h"
#include "chest/CWindchest.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "platform/NullCanvas.h"
#include "platform/WorkFolder.h"
#include "report/WorkshopReport.h"

#if VENTREL_HAVE_QTGUI
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PdfPages.h"
#endif

#include <benchmark/benchmark.h>

namespace ventrel {
namespace {

using bench::Shared;

void BM_Read(benchmark::State &state) {
    auto chest = std::make_unique<CWindchest>();
    for (auto _ : state)
        chest->ReadDat(Shared().text, WorkFolder{}, Shared().ui);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Shared().text.size()));
    state.counters["stops"] = chest->m_stop_count;
}

void BM_Layout(benchmark::State &state) {
    auto chest = std::make_unique<CWindchest>();
    chest->ReadDat(Shared().text, WorkFolder{}, Shared().ui);
    for (auto _ : state)
        chest->Layout();
}

void BM_SizeValves(benchmark::State &state) {
    auto chest = std::make_unique<CWindchest>();
    chest->ReadDat(Shared().text, WorkFolder{}, Shared().ui);
    chest->Layout();
    ValveCounters counters;
    for (auto _ : state)
        benchmark::DoNotOptimize(chest->SizeValves(counters));
    state.counters["valves"] = chest->m_valve_count;
}

int64_t WrittenBytes(const std::filesystem::path &folder) {
    int64_t bytes = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        bytes += static_cast<int64_t>(entry.file_size());
    return bytes;
}

// The four plate drawings and the cut list, as "Export DXF" writes them.
void BM_Export(benchmark::State &state) {
    auto chest = std::make_unique<CWindchest>();
    const WorkFolder folder = WorkFolder::Both(Shared().folder);
    chest->ReadDat(Shared().text, folder, Shared().ui);
    chest->Layout();
    for (auto _ : state) {
        ExportDxf(*chest, "plein.dat", folder, Shared().ui);
        WriteCommande(*chest, "plein.dat", folder, Shared().ui);
    }
    state.SetBytesProcessed(state.iterations() * WrittenBytes(Shared().folder));
}

void BM_EndToEnd(benchmark::State &state) {
    const WorkFolder folder = WorkFolder::Both(Shared().folder);
    ValveCounters counters;
    for (auto _ : state) {
        auto chest = std::make_unique<CWindchest>();
        chest->ReadDat(Shared().text, folder, Shared().ui);
        Refresh(*chest, "plein.dat", folder, counters, Shared().ui);
        ExportDxf(*chest, "plein.dat", folder, Shared().ui);
        WriteCommande(*chest, "plein.dat", folder, Shared().ui);
        Shared().ui.Clear();
    }
    state.SetBytesProcessed(state.iterations() * WrittenBytes(Shared().folder));
}

// What `ventrel-cli check` does after reading the file: read with the source map, lay out, size
// the valves and run every check.
void BM_Check(benchmark::State &state) {
    const CheckSource source{"plein.dat", Shared().text};
    size_t findings = 0;
    for (auto _ : state) {
        const CheckResult result =
            CheckChest(source, nullptr, WorkFolder::Both(Shared().folder), CheckOptions{});
        findings = result.findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
}

#if VENTREL_HAVE_QTGUI
// What `ventrel-cli report` does after reading the file: check, then every page into a PDF.
void BM_Report(benchmark::State &state) {
    EnsureGuiApplication();
    const CheckSource source{"plein.dat", Shared().text};
    ReportOptions options;
    options.date = "2026-12-08";
    std::string error;
    for (auto _ : state) {
        const CheckResult checked =
            CheckChest(source, nullptr, WorkFolder::Both(Shared().folder), CheckOptions{});
        WritePdfPages(
            Shared().folder / "plein.pdf", options.paper.width_mm, options.paper.height_mm, "plein",
            [&](CanvasPages &pages) { PaintWorkshopReport(checked, "plein.dat", options, pages); },
            error);
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(Shared().folder / "plein.pdf"));
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

// The same pages written from a chest checked once: what the PDF writer and the report's drawing
// cost without the checker.
void BM_ReportPdf(benchmark::State &state) {
    EnsureGuiApplication();
    const CheckResult checked = CheckChest(CheckSource{"plein.dat", Shared().text}, nullptr,
                                           WorkFolder::Both(Shared().folder), CheckOptions{});
    ReportOptions options;
    options.date = "2026-12-08";
    std::string error;
    for (auto _ : state)
        WritePdfPages(
            Shared().folder / "plein.pdf", options.paper.width_mm, options.paper.height_mm, "plein",
            [&](CanvasPages &pages) { PaintWorkshopReport(checked, "plein.dat", options, pages); },
            error);
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);
#endif

// A canvas that draws nothing, so that the report's own drawing is timed apart from the PDF
// writer that BM_Report goes through.
class DiscardCanvas : public NullCanvas, public CanvasPages {
public:
    Canvas &NewPage() override { return *this; }
};

// The report's pages laid out and drawn (every sheet, table and finding) without writing them:
// what BM_Report spends outside the checker and the PDF writer.
void BM_ReportDrawing(benchmark::State &state) {
    const CheckResult checked = CheckChest(CheckSource{"plein.dat", Shared().text}, nullptr,
                                           WorkFolder::Both(Shared().folder), CheckOptions{});
    ReportOptions options;
    options.date = "2026-12-08";
    for (auto _ : state) {
        DiscardCanvas pages;
        PaintWorkshopReport(checked, "plein.dat", options, pages);
    }
}
BENCHMARK(BM_ReportDrawing)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeValves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndToEnd)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
