// Benchmarks of the 3D organ: building, compiling and drawing the example organ and a full scene.
#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "organ3d/Organ3D.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"
#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace ventrel {
namespace {

constexpr int kWidth = 1280, kHeight = 800;

struct Organ {
    OrganFile file;
    std::unique_ptr<ChestTable> chests = std::make_unique<ChestTable>();
};

Organ ExampleOrgan(HeadlessUi &ui) {
    Organ organ;
    const WorkFolder folder =
        WorkFolder::Both(std::filesystem::path(VENTREL_SOURCE_DIR) / "examples");
    std::string text;
    if (ReadWholeFile(folder.In("orgue.org"), text)) {
        organ.file = OrganFile::Parse(text, ui);
        LoadOrganChests(organ.file, *organ.chests, folder, ui);
    }
    return organ;
}

// 25 chests of up to five stops of 80 tin pipes of growing diameter, and one bar: exactly as many
// objects as the scene holds.
Organ FullOrgan() {
    Organ organ;
    int pipesLeft = (Scene::kCapacity - 1 - 25 * 3) / 2;
    organ.chests->count = 25;
    for (int c = 0; c < 25; ++c) {
        CWindchest &chest = (*organ.chests)[c];
        chest.m_position[0] = (c % 5) * 3000;
        chest.m_position[1] = (c / 5) * 1500;
        chest.m_plate = {0, 2800, 0, 1200};
        chest.m_stop_count = 5;
        for (int s = 0; s < 5; ++s) {
            CStop &stop = chest.Stop(s);
            stop.m_pipe_count = std::min(80, pipesLeft);
            pipesLeft -= stop.m_pipe_count;
            for (int i = 0; i < stop.m_pipe_count; ++i) {
                stop.m_x[i] = 30 + i * 34;
                stop.m_y[i] = 100 + s * 220;
                stop.m_diameter[i] = 160 - i * 3 / 2 - s * 10;
                stop.m_hole[i] = 20;
                stop.m_foot[i] = 20;
                stop.m_length[i] = 2400 - i * 25;
            }
        }
    }
    OrganFile::Item bar;
    bar.kind = OrganFile::Kind::Bar;
    bar.size[0] = 15000;
    bar.size[1] = bar.size[2] = 100;
    organ.file.items.push_back(bar);
    return organ;
}

void Build(benchmark::State &state, Organ &organ) {
    HeadlessUi ui;
    int objects = 0;
    for (auto _ : state) {
        Scene scene(&ui);
        BuildOrgan3D(scene, organ.file, *organ.chests, &ui);
        objects = scene.m_nbobject;
        benchmark::DoNotOptimize(scene.m_objects.data());
    }
    state.counters["objects"] = objects;
    state.counters["per_object"] =
        benchmark::Counter(static_cast<double>(objects) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BuildExampleOrgan(benchmark::State &state) {
    HeadlessUi ui;
    Organ organ = ExampleOrgan(ui);
    Build(state, organ);
}
BENCHMARK(BM_BuildExampleOrgan)->Unit(benchmark::kMillisecond);

void BM_BuildFullScene(benchmark::State &state) {
    Organ organ = FullOrgan();
    Build(state, organ);
}
BENCHMARK(BM_BuildFullScene)->Unit(benchmark::kMillisecond);

// Building and compiling (normals and display lists) together, as after "Open Organ".
void BuildAndCompile(benchmark::State &state, Organ &organ) {
    auto context = EglContext::Create(kWidth, kHeight);
    if (!context) {
        state.SkipWithError("no offscreen OpenGL");
        return;
    }
    HeadlessUi ui;
    for (auto _ : state) {
        Scene scene(&ui);
        BuildOrgan3D(scene, organ.file, *organ.chests, &ui);
        scene.BuildAll();
        state.counters["objects"] = scene.m_nbobject;
        state.PauseTiming();
        scene.DeleteObjects();
        state.ResumeTiming();
    }
}

void BM_BuildAndCompileExampleOrgan(benchmark::State &state) {
    HeadlessUi ui;
    Organ organ = ExampleOrgan(ui);
    BuildAndCompile(state, organ);
}
BENCHMARK(BM_BuildAndCompileExampleOrgan)->Unit(benchmark::kMillisecond);

void BM_BuildAndCompileFullScene(benchmark::State &state) {
    Organ organ = FullOrgan();
    BuildAndCompile(state, organ);
}
BENCHMARK(BM_BuildAndCompileFullScene)->Unit(benchmark::kMillisecond)->Iterations(3);

// One frame of the full scene at 1280 x 800. First arg: 0 through the display lists as the program
// draws (the combined lists), 1 in immediate mode, 2 through each object's own list. Second arg 1
// moves the camera eight times as far, so that filling pixels costs little and the frame time is
// that of sending and transforming the geometry.
void BM_FrameFullScene(benchmark::State &state) {
    auto context = EglContext::Create(kWidth, kHeight);
    if (!context) {
        state.SkipWithError("no offscreen OpenGL");
        return;
    }
    HeadlessUi ui;
    Organ organ = FullOrgan();
    Scene scene(&ui);
    BuildOrgan3D(scene, organ.file, *organ.chests, &ui);
    PaintSnapshot(scene, kWidth, kHeight, StandardView::Front, false);
    scene.m_rotation = {15, 25, 0};
    if (state.range(1) == 1)
        scene.m_translation.z *= 8;
    const bool immediate = state.range(0) == 1;
    scene.m_combineLists = state.range(0) == 0;
    for (auto _ : state) {
        if (immediate) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            scene.RenderImmediate();
            context->SwapBuffers();
        } else {
            scene.PaintFrame({0, 0, 0}, context.get());
        }
    }
    const char *const modes[] = {"display lists", "immediate mode", "own list per object"};
    state.SetLabel(std::string(modes[state.range(0)]) + (state.range(1) == 1 ? ", far" : ""));
}
BENCHMARK(BM_FrameFullScene)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
