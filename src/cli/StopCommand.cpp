// ventrel-cli stop: a stop file read into an empty chest, laid out as the STOP command does.
#include "Commands.h"
#include "LayoutJson.h"

#include "app/Document.h"
#include "chest/CWindchest.h"
#include "fabrication/CutList.h"

namespace ventrel::cli {

void AddStopCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("stop", "Read a stop file (octave by octave) into a chest");
    auto path = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    command->add_option("stop", *path, "Stop file (.stop)")->required();
    command->add_option("-C", *output, "Folder the cut list is written into")
        ->check(CLI::ExistingDirectory);
    command->add_flag("--json", *json, "Print the chest's layout as one JSON document");
    command->callback([&run, path, output, json] {
        const DocumentFile file = DocumentFile::At(*path, *output);
        auto chest = std::make_unique<CWindchest>();
        ValveCounters counters;
        const ChestOpened opened = OpenStop(*chest, file, counters, run.ui);
        if (!opened.read) {
            run.status = 1;
            return;
        }
        // The cut list is the command's output: a failure to write it fails the command.
        run.status = WriteCommande(*chest, file.name, file.folder, run.ui) ? 0 : 1;
        if (*json)
            std::cout << LayoutJson(*chest, opened.valvesFit, counters).dump(2) << "\n";
        else
            std::cout << file.name << ": " << chest->m_valve_count << " pipes, plate "
                      << chest->m_plate.x2 << " x " << chest->m_plate.y2 << " mm\n";
    });
}

} // namespace ventrel::cli
