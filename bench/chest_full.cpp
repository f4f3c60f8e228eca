// A chest at full capacity (100 stops of 80 pipes, every placement rule) from text to files.
#include "chest/CWindchest.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdlib.h>

namespace ventrel {
namespace {

std::string Numbers(int count, int first, int step, int least) {
    std::string text;
    for (int k = 0; k < count; ++k)
        text += std::to_string(std::max(least, first - step * k / 8)) + (k % 16 == 15 ? "\n" : " ");
    return text + "\n";
}

// One stop section; `lines` holds the optional lines after the stop line.
std::string Stop(const std::string &name, const std::string &before, const std::string &lines,
                 int incx, const char *shape, int y0) {
    std::string text = before + "JEU " + name + "\n" + lines + "NTUYAUX 80\nTUYAU1 1\nINCX " +
                       std::to_string(incx) + "\nFORME:" + shape + "\nXY0 20 " +
                       std::to_string(y0) + "\n";
    text += Numbers(80, 90, 6, 12) + Numbers(80, 30, 2, 6) + Numbers(80, 40, 3, 8);
    text += "HAUTEURS\n" + Numbers(80, 2400, 160, 40);
    text.pop_back(); // the next section starts right after the last length
    return text;
}

// Diatonic lines first (they are searched forward), then a mixture group, a slider master with its
// sliders, and rows and columns of round and square pipes.
std::string FullChestText() {
    std::string text = "TROUCENTRAL 0 500\n";
    int y = 20;
    auto next = [&y] { return y += 300; };
    text += Stop("Montre8", "", "DIATONIQUE 3000\n", 3, "ROND", y);
    text += Stop("Salicional8", "", "DIATONIQUE 3000\n", 33, "ROND", next());
    for (int r = 0; r < 5; ++r)
        text += Stop("Fourniture" + std::to_string(r), "MIXTURE\n", "", 1, "ROND", next());
    text += Stop("Gedackt8", "", "SLIDER 2\n", 3, "ROND", next());
    const int incx[] = {1, -1, 2, -2};
    const char *shapes[] = {"ROND", "CARRE"};
    for (int s = 8; s < 100; ++s) {
        const std::string slider = s % 7 == 0 ? "SLIDER 1\n" : "";
        text +=
            Stop("Jeu" + std::to_string(s), "", slider, incx[s % 4], shapes[(s / 4) % 2], next());
    }
    return text;
}

struct Fixture {
    std::string text = FullChestText();
    HeadlessUi ui;
    std::filesystem::path folder;
    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ventrel-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture &Shared() {
    static Fixture fixture;
    return fixture;
}

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

BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeValves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndToEnd)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ventrel
