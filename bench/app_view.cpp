// The main view's hot paths: a 2D repaint of a full chest, opening the organ, one 3D frame.
#include "FullChest.h"
#include "app/HeadlessHost.h"
#include "app/VentrelView.h"
#include "platform/HeadlessUi.h"
#include "platform/egl/EglContext.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PainterCanvas.h"

#include <GL/gl.h>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace ventrel {
namespace {

const std::filesystem::path kOrgan =
    std::filesystem::path(VENTREL_SOURCE_DIR) / "examples" / "orgue.org";

class OffscreenGl : public GlContext {
public:
    explicit OffscreenGl(EglContext &context) : m_context(context) {}
    bool MakeCurrent() override { return m_context.MakeCurrent(); }
    void SwapBuffers() override { m_context.SwapBuffers(); }

private:
    EglContext &m_context;
};

struct View2D {
    HeadlessUi ui;
    HeadlessHost host;
    CVentrelView view{ui, host};
    QImage image{1280, 800, QImage::Format_RGB32};
    TextLayouts layouts; // kept between repaints, as the window's view keeps them

    View2D() {
        EnsureGuiApplication();
        view.OnSize(image.width(), image.height());
        view.g_chests = std::make_unique<ChestTable>();
        view.g_chests->count = 1;
        bench::FillFullChest((*view.g_chests)[0], view.g_valves);
        view.g_currentChest = &(*view.g_chests)[0];
    }
    void Paint() {
        QPainter painter(&image);
        PainterCanvas canvas(painter, &layouts);
        view.Paint2D(canvas);
    }
};

// The baseline: filling the view's background alone.
void BM_Background(benchmark::State &state) {
    View2D setup;
    setup.view.g_currentChest = nullptr;
    for (auto _ : state)
        setup.Paint();
}
BENCHMARK(BM_Background)->Unit(benchmark::kMillisecond);

// A whole 2D repaint of the full chest at the start-up scale, everything shown.
void BM_Repaint2DFullChest(benchmark::State &state) {
    View2D setup;
    for (auto _ : state)
        setup.Paint();
}
BENCHMARK(BM_Repaint2DFullChest)->Unit(benchmark::kMillisecond);

// The same zoomed out so that the whole chest is on the screen.
void BM_Repaint2DFullChestWhole(benchmark::State &state) {
    View2D setup;
    setup.view.m_drawing.g_scale2D = 0.03f;
    for (auto _ : state)
        setup.Paint();
}
BENCHMARK(BM_Repaint2DFullChestWhole)->Unit(benchmark::kMillisecond);

// The same without the per-pipe dimension texts ("Masq dimensions"): what the texts cost.
void BM_Repaint2DFullChestWholeNoDimensions(benchmark::State &state) {
    View2D setup;
    setup.view.m_drawing.g_scale2D = 0.03f;
    setup.view.m_drawing.g_hideDimensions = true;
    for (auto _ : state)
        setup.Paint();
}
BENCHMARK(BM_Repaint2DFullChestWholeNoDimensions)->Unit(benchmark::kMillisecond);

struct View3D {
    std::unique_ptr<EglContext> context;
    std::unique_ptr<OffscreenGl> gl;
    HeadlessUi ui;
    HeadlessHost host;
    std::unique_ptr<CVentrelView> view;

    explicit View3D(benchmark::State &state) {
        std::string error;
        context = EglContext::Create(1280, 720, &error);
        if (!context) {
            state.SkipWithError(error.c_str());
            return;
        }
        gl = std::make_unique<OffscreenGl>(*context);
        host.m_gl = gl.get();
        view = std::make_unique<CVentrelView>(ui, host);
        view->OnSize(1280, 720);
        view->OnInitGl();
        view->OnReshapeGl(1280, 720);
    }
    ~View3D() { view.reset(); }
};

// "Open Organ" on the example organ (four chests, a bar and a pipe) and its first 3D frame.
void BM_OpenOrganFirstFrame(benchmark::State &state) {
    View3D setup(state);
    if (!setup.view)
        return;
    for (auto _ : state) {
        setup.view->OpenOrganFile(kOrgan);
        setup.view->Paint3D();
        glFinish();
    }
}
BENCHMARK(BM_OpenOrganFirstFrame)->Unit(benchmark::kMillisecond);

// One frame of the example organ, filled and textured, once its lists are compiled: arg 1 through
// the scene's combined lists, as the program draws, arg 0 through each object's own list.
void BM_OrganFrame(benchmark::State &state) {
    View3D setup(state);
    if (!setup.view)
        return;
    setup.view->OpenOrganFile(kOrgan);
    setup.view->g_scene->m_combineLists = state.range(0) == 1;
    setup.view->g_scene->m_translation = {0, -1500, -6000};
    setup.view->Paint3D();
    glFinish();
    for (auto _ : state) {
        setup.view->g_scene->SpinStep();
        setup.view->Paint3D();
        glFinish();
    }
    state.counters["objects"] = setup.view->g_scene->m_nbobject;
    state.SetLabel(state.range(0) == 1 ? "combined lists" : "own list per object");
}
BENCHMARK(BM_OrganFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
