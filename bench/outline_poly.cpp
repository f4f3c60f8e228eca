// Reading .poly text: a full outline of a thousand points, alone and followed by junk. The time
// must not grow with what follows the points.
#include "outline/L_2D_Drawing.h"

#include <benchmark/benchmark.h>

namespace ventrel {
namespace {

std::string FullOutline() {
    L_2D_Drawing outline;
    for (int i = 0; i < L_2D_Drawing::kCapacity; ++i)
        outline.AddPoint({static_cast<float>(i) * 1.25f, 500.0f - static_cast<float>(i) * 0.5f});
    return outline.PolyText();
}

void ParsePoly(benchmark::State &state) {
    std::string text = FullOutline();
    text.append(static_cast<size_t>(state.range(0)) << 20, '7');
    L_2D_Drawing outline;
    std::string reason;
    for (auto _ : state) {
        const bool ok = outline.ParsePoly(text, reason);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["junk_MB"] = static_cast<double>(state.range(0));
}
BENCHMARK(ParsePoly)->Arg(0)->Arg(64)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ventrel
