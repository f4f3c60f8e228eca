// ventrel-cli export: the four plate DXF files and the cut list of a chest.
#include "ChestInput.h"
#include "Commands.h"

#include "fabrication/CamExport.h"
#include "fabrication/PlateExport.h"

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
        if (*cam) {
            chest->Refresh(input.name, input.folder, counters, run.ui);
            const bool exported = ExportCamDxf(*chest, input.name, input.folder, run.ui) &&
                                  chest->WriteCommande(input.name, input.folder, run.ui);
            run.status = exported ? 0 : 1;
            return;
        }
        chest->Layout();
        chest->SizeValves(counters);
        // What "Open Chest" then "Export DXF" leave: the drawings and the cut list naming them,
        // written as one set so that a failure leaves the previous set whole.
        run.status = ExportPlateFiles(*chest, input.name, input.folder, run.ui, true) ? 0 : 1;
    });
}

} // namespace ventrel::cli
