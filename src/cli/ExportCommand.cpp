// ventrel-cli export: the four plate DXF files and the cut list of a chest.
#include "ChestInput.h"
#include "Commands.h"

#include "fabrication/CamExport.h"

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
        if (!ReadChest(*options, *chest, run.ui)) {
            run.status = 1;
            return;
        }
        const InputFile input(options->path, options->outputFolder);
        ValveCounters counters;
        chest->Refresh(input.name, input.folder, counters, run.ui);
        // As "Export DXF" after opening: then the cut list again, naming the DXF files.
        const bool exported = (*cam ? ExportCamDxf(*chest, input.name, input.folder, run.ui)
                                    : chest->ExportDxf(input.name, input.folder, run.ui)) &&
                              chest->WriteCommande(input.name, input.folder, run.ui);
        run.status = exported ? 0 : 1;
    });
}

} // namespace ventrel::cli
