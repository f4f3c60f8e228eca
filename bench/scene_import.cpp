// Benchmarks of scene import: the readers against a bare std::from_chars pass over the same text.
// Rates are per second of the process's own processor time, so that other work on a shared
// machine does not count; the build of display lists is timed by the clock.
#include "platform/HeadlessUi.h"
#include "render/Scene.h"
#include "sceneio/V_Lib.h"
#ifdef VENTREL_BENCH_GL
#include "platform/egl/EglContext.h"
#endif

#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace ventrel {
namespace {

enum Kind { kVrml1, kVrml2, kMesh };

// Grids of 40 x 50 points with their quadrilaterals, one object (or mesh) each, numbers as an
// exporter writes them, until the text reaches `bytes`.
std::string Generate(Kind kind, std::size_t bytes) {
    std::string text = kind == kVrml1   ? "#VRML V1.0 ascii\n"
                       : kind == kVrml2 ? "#VRML V2.0 utf8\n"
                                        : "xof 0302txt 0064\n";
    constexpr int nu = 40, nv = 50;
    char number[64];
    for (int object = 0; text.size() < bytes; ++object) {
        const char *pointEnd = kind == kMesh ? ";;\n" : ",\n";
        if (kind == kVrml1)
            text += "DEF Part" + std::to_string(object) +
                    " Separator {\n Material { diffuseColor 0.8 0.7 0.6 }\n"
                    " Coordinate3 { point [\n";
        else if (kind == kVrml2)
            text += "DEF Part" + std::to_string(object) +
                    " Transform { translation 1 2 3 children [ Shape {\n appearance Appearance "
                    "{ material Material { diffuseColor 0.8 0.7 0.6 } }\n geometry "
                    "IndexedFaceSet { coord Coordinate { point [\n";
        else
            text +=
                "Mesh Part" + std::to_string(object) + " {\n " + std::to_string(nu * nv) + ";\n";
        for (int j = 0; j < nv; ++j)
            for (int i = 0; i < nu; ++i) {
                const double x = object * 45.25 + i * 1.125, y = j * 0.875,
                             z = 10.0 + 0.001 * ((i * 7919 + j * 104729) % 10007);
                std::snprintf(number, sizeof number,
                              kind == kMesh ? "%.4f;%.4f;%.4f" : "%.4f %.4f %.4f", x, y, z);
                text += number;
                text += (i == nu - 1 && j == nv - 1 && kind == kMesh) ? ";;\n" : pointEnd;
            }
        if (kind == kMesh)
            text += " " + std::to_string((nu - 1) * (nv - 1)) + ";\n";
        else
            text += " ] }\n" + std::string(kind == kVrml1 ? " IndexedFaceSet { " : " ") +
                    "coordIndex [\n";
        for (int j = 0; j + 1 < nv; ++j)
            for (int i = 0; i + 1 < nu; ++i) {
                const int k = j * nu + i;
                std::snprintf(number, sizeof number,
                              kind == kMesh ? "4;%d,%d,%d,%d;,\n" : "%d, %d, %d, %d, -1,\n", k,
                              k + 1, k + nu + 1, k + nu);
                text += number;
            }
        text += kind == kMesh ? "}\n" : kind == kVrml1 ? "] }\n}\n" : "] } } ] }\n";
    }
    return text;
}

const std::string &Text(Kind kind, int megabytes) {
    static std::map<std::pair<int, int>, std::string> texts;
    std::string &text = texts[{kind, megabytes}];
    if (text.empty())
        text = Generate(kind, static_cast<std::size_t>(megabytes) << 20);
    return text;
}

// The baseline: every number of the text read by std::from_chars, nothing else.
void FromChars(benchmark::State &state, Kind kind) {
    const std::string &text = Text(kind, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const char *p = text.data();
        const char *end = p + text.size();
        double sum = 0;
        while (p < end) {
            const char c = *p;
            if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
                float value = 0;
                const auto result = std::from_chars(p, end, value);
                sum += value;
                p = result.ptr > p ? result.ptr : p + 1;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}

int Import(Scene &scene, HeadlessUi &ui, const std::string &text, Kind kind) {
    V_Lib lib(&ui);
    lib.SetText(text, "bench.wrl");
    if (kind == kMesh)
        return lib.ReadMeshScene(scene);
    return read_file(scene, lib);
}

void Read(benchmark::State &state, Kind kind) {
    const std::string &text = Text(kind, static_cast<int>(state.range(0)));
    HeadlessUi ui;
    int objects = 0, points = 0;
    for (auto _ : state) {
        Scene scene(&ui);
        Import(scene, ui, text, kind);
        objects = scene.m_nbobject;
        points = 0;
        for (int i = 0; i < scene.m_nbobject; ++i)
            points += scene.Object(i)->nbpts;
        benchmark::DoNotOptimize(scene.m_objects.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
    state.counters["objects"] = objects;
    state.counters["points"] = points;
}

#define SCENE_SIZES ->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)

BENCHMARK_CAPTURE(FromChars, vrml1, kVrml1) SCENE_SIZES;
BENCHMARK_CAPTURE(Read, vrml1, kVrml1) SCENE_SIZES;
BENCHMARK_CAPTURE(FromChars, vrml2, kVrml2) SCENE_SIZES;
BENCHMARK_CAPTURE(Read, vrml2, kVrml2) SCENE_SIZES;
BENCHMARK_CAPTURE(FromChars, mesh, kMesh) SCENE_SIZES;
BENCHMARK_CAPTURE(Read, mesh, kMesh) SCENE_SIZES;

#ifdef VENTREL_BENCH_GL
// Normals, display lists and combined lists of the objects of 10 MB of VRML 1.0, per 100 000
// points (the counter "ms_per_100k_points").
void BuildImported(benchmark::State &state) {
    auto context = EglContext::Create(640, 480);
    if (!context) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    HeadlessUi ui;
    const std::string &text = Text(kVrml1, 10);
    double seconds = 0;
    long points = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Scene scene(&ui);
        Import(scene, ui, text, kVrml1);
        points = 0;
        for (int i = 0; i < scene.m_nbobject; ++i)
            points += scene.Object(i)->nbpts;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        scene.BuildAll();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        scene.DeleteObjects();
        state.ResumeTiming();
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["ms_per_100k_points"] =
        seconds * 1000 / static_cast<double>(state.iterations()) / (points / 100000.0);
}
BENCHMARK(BuildImported)->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace ventrel
