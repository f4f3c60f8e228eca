// Drawing and picking in a full-capacity chest (100 stops of 80 pipes, every text shown).
#include "FullChest.h"
#include "chest/CWindchest.h"
#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"
#include "platform/RecordingCanvas.h"
#include "platform/Ui.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace ventrel {
namespace {

class QuietUi : public Ui {
public:
    MessageAnswer MessageBox(const std::string &, const std::string &, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    void StatusMessage(const std::string &text) override { last = text; }
    std::optional<std::filesystem::path> AskFileName(const std::string &,
                                                     const std::string &) override {
        return std::nullopt;
    }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    void RequestRepaint() override {}
    std::string last;
};

std::unique_ptr<CWindchest> FullChest(ValveCounters &counters) {
    auto chest = std::make_unique<CWindchest>();
    bench::FillFullChest(*chest, counters);
    return chest;
}

struct Setup {
    ValveCounters counters;
    std::unique_ptr<CWindchest> chest = FullChest(counters);

    // The whole plate fitted into a 1920 x 1080 view.
    void Fit(Drawing2D &drawing) const {
        const CRectangle &p = chest->m_plate;
        drawing.g_scale2D = std::min(1900.0f / static_cast<float>(std::max(1, p.x2 - p.x1)),
                                     1040.0f / static_cast<float>(std::max(1, p.y2 - p.y1)));
        drawing.g_pan = {10, 30};
        drawing.m_viewWidth = 1920;
        drawing.m_viewHeight = 1080;
        drawing.m_magnets = &counters;
    }
};

const Setup &TheSetup() {
    static const Setup setup;
    return setup;
}

void BM_DrawFullChestIntoRecording(benchmark::State &state) {
    const Setup &setup = TheSetup();
    RecordingCanvas canvas;
    Drawing2D drawing(&canvas);
    setup.Fit(drawing);
    drawing.g_scale2D = 1.0f; // every text at its own place, as when zoomed in
    for (auto _ : state) {
        canvas.Clear();
        PaintChestView(drawing, setup.chest.get(), {0, 0, 0}, false);
        benchmark::DoNotOptimize(canvas.Ops().data());
    }
    state.counters["calls"] = static_cast<double>(canvas.Ops().size());
}
BENCHMARK(BM_DrawFullChestIntoRecording)->Unit(benchmark::kMillisecond);

void BM_DrawFullChestIntoImage(benchmark::State &state) {
    EnsureGuiApplication();
    const Setup &setup = TheSetup();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        Drawing2D drawing(&canvas);
        setup.Fit(drawing);
        PaintChestView(drawing, setup.chest.get(), {0, 0, 0}, false);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawFullChestIntoImage)->Unit(benchmark::kMillisecond);

void BM_PickPipe(benchmark::State &state) {
    const Setup &setup = TheSetup();
    CWindchest chest = *setup.chest;
    Drawing2D drawing; // picking alone: no canvas to highlight on
    setup.Fit(drawing);
    const CStop &stop = chest.Stop(50);
    const int x = drawing.ScreenX(stop.X(40)), y = drawing.ScreenY(stop.Y(40));
    QuietUi ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(chest.PickPipe(drawing, x, y, ui));
    state.SetLabel(ui.last);
}
BENCHMARK(BM_PickPipe)->Unit(benchmark::kMicrosecond);

// Baselines measured in the same run: formatting the texts alone, and clearing the image.
void BM_BaselineFormatTexts(benchmark::State &state) {
    char text[64];
    for (auto _ : state)
        for (int i = 0; i < CWindchest::kMaxStops * CStop::kMaxPipes * 5; ++i) {
            std::snprintf(text, sizeof text, "%d %d", i, i + 1);
            benchmark::DoNotOptimize(text);
        }
}
BENCHMARK(BM_BaselineFormatTexts)->Unit(benchmark::kMillisecond);

void BM_BaselineFillImage(benchmark::State &state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BaselineFillImage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
