// ventrel-cli layout: read a chest, lay it out, size its valves and print the result.
#include "ChestInput.h"
#include "Commands.h"
#include "LayoutJson.h"

#include "chest/CWindchest.h"

namespace ventrel::cli {

void AddLayoutCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "layout", "Lay out a windchest and size its valves (no file is written)");
    auto options = std::make_shared<ChestOptions>();
    auto json = std::make_shared<bool>(false);
    options->AddTo(*command, false);
    command->add_flag("--json", *json, "Print the layout as one JSON document");
    command->callback([&run, options, json] {
        auto chest = std::make_unique<CWindchest>();
        ValveCounters counters;
        const ChestOpened opened = options->Open(*chest, counters, run.ui);
        if (!opened.read) {
            run.status = 1;
            return;
        }
        if (*json) {
            std::cout << LayoutJson(*chest, opened.valvesFit, counters).dump(2) << "\n";
        } else {
            std::cout << chest->m_file_name << ": " << chest->StopCount() << " stops, "
                      << chest->m_valve_count << " valves, plate " << chest->m_plate.x2 << " x "
                      << chest->m_plate.y2 << " mm"
                      << (opened.valvesFit ? "" : ", valves too large") << "\n";
        }
        if (SaidNoStop(*chest, options->path, run.ui))
            run.status = 1;
    });
}

} // namespace ventrel::cli
