// Checking a full-capacity chest (100 stops of 80 pipes) against exporting it, in one run.
#include "FullChestText.h"
#include "check/ChestCheck.h"
#include "chest/CWindchest.h"
#include "platform/WorkFolder.h"

#include <benchmark/benchmark.h>

namespace ventrel {
namespace {

using bench::Shared;

// The baseline: read, lay out, write the four plate drawings and the cut list.
void BM_ExportFullChest(benchmark::State &state) {
    const WorkFolder folder = WorkFolder::Both(Shared().folder);
    ValveCounters counters;
    for (auto _ : state) {
        auto chest = std::make_unique<CWindchest>();
        chest->ReadDat(Shared().text, folder, Shared().ui);
        chest->Refresh("plein.dat", folder, counters, Shared().ui);
        chest->ExportDxf("plein.dat", folder, Shared().ui);
        chest->WriteCommande("plein.dat", folder, Shared().ui);
        Shared().ui.Clear();
    }
}

// What `ventrel-cli check` does after reading the file: read with the source map, lay out, size
// the valves and run every check.
void BM_CheckFullChest(benchmark::State &state) {
    const CheckSource source{"plein.dat", Shared().text};
    size_t findings = 0;
    for (auto _ : state) {
        const CheckResult result =
            CheckChest(source, nullptr, WorkFolder::Both(Shared().folder), CheckOptions{});
        findings = result.findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
}

BENCHMARK(BM_ExportFullChest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckFullChest)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
