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
    auto cam = std::make_shared<bool>(false);
    command->add_flag("--cam", *cam,
                      "Write the drawings as complete DXF R12 for CAM: units, extents, a layer per "
                      "drill diameter");
    command->callback([&run, options, cam] {
        auto chest = std::make_unique<CWindchest>();
        ValveCounters counters;
        if (!options->Open(*chest, counters, run.ui).read) {
            run.status = 1;
            return;
        }
        run.status = ExportChest(*chest, options->File(), run.ui, *cam) ? 0 : 1;
    });
}

} // namespace ventrel::cli
