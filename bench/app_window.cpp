// The desktop window's 3D view on an X server (run it under xvfb-run): one repaint of the organ.
#include "app/VentrelView.h"
#include "gui/MainWindow.h"
#include "gui/OrganView3D.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace ventrel {
namespace {

MainWindow *g_window = nullptr;

// One frame of the 3D view drawn synchronously by the widget's own paintGL into its framebuffer and
// read back (QWidget::repaint may defer a GL widget's frame to the compositor, which would time
// nothing).
void BM_WindowOrganFrame(benchmark::State &state) {
    OrganView3D *view = g_window->View3D();
    for (auto _ : state) {
        g_window->View().g_scene->SpinStep();
        benchmark::DoNotOptimize(view->grabFramebuffer());
    }
    state.counters["objects"] = g_window->View().g_scene->m_nbobject;
    state.counters["width"] = view->width();
    state.counters["height"] = view->height();
}
BENCHMARK(BM_WindowOrganFrame)->Unit(benchmark::kMillisecond);

// The same in vector mode (every face as lines).
void BM_WindowOrganFrameVector(benchmark::State &state) {
    OrganView3D *view = g_window->View3D();
    g_window->View().g_scene->m_vectorMode = true;
    for (auto _ : state) {
        g_window->View().g_scene->SpinStep();
        benchmark::DoNotOptimize(view->grabFramebuffer());
    }
    g_window->View().g_scene->m_vectorMode = false;
}
BENCHMARK(BM_WindowOrganFrameVector)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel

int main(int argc, char **argv) {
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "app_window_bench needs an X server: run it under xvfb-run\n");
        return 0;
    }
    ventrel::OrganView3D::SetDefaultFormat();
    QApplication application(argc, argv);
    ventrel::MainWindow window;
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.OpenDocument(QString(VENTREL_SOURCE_DIR) + "/examples/orgue.org");
    window.View().g_scene->m_translation = {0, -1500, -6000};
    QTest::qWait(500);
    ventrel::OrganView3D *view = window.View3D();
    if (!view || !view->isVisible() || !view->Ready()) {
        std::fprintf(stderr, "the 3D view is not shown\n");
        return 1;
    }
    ventrel::g_window = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
