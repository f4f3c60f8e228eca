// ventrel-cli export: the four plate DXF files and the cut list of a chest.
#include "ChestInput.h"
#include "Commands.h"

#include "chest/CWindchest.h"

namespace ventrel::cli {

void AddExportCommand(CLI::App &app, Run &run) {
    auto *command =
        app.add_subcommand("export", "Write a chest's plate DXF files and its cut list");
    auto options = std::make_shared<ChestOptions>();
    options->AddTo(*command, true);
    command->callback([&run, options] {
        auto chest = std::make_unique<CWindchest>();
        ValveCounters counters;
        if (!options->Open(*chest, counters, run.ui).read) {
            run.status = 1;
            return;
        }
        run.status = ExportChest(*chest, options->File(), run.ui) ? 0 : 1;
    });
}

} // namespace ventrel::cli
