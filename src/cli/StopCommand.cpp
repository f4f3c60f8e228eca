// ventrel-cli stop: a stop file read into an empty chest, laid out as the STOP command does.
#include "Commands.h"
#include "InputFile.h"
#include "LayoutJson.h"

#include "chest/CWindchest.h"
#include "chest/StopFile.h"

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
        const InputFile input(*path, *output);
        std::string text;
        if (!input.ReadText(text, run.ui)) {
            run.status = 1;
            return;
        }
        auto chest = std::make_unique<CWindchest>();
        if (!ReadStopFile(*chest, text, run.ui)) {
            run.status = 1;
            return;
        }
        ValveCounters counters;
        bool written = false;
        const bool ok = chest->Refresh(input.name, input.folder, counters, run.ui, &written);
        run.status = written ? 0 : 1;
        if (*json)
            std::cout << LayoutJson(*chest, ok, counters).dump(2) << "\n";
        else
            std::cout << input.name << ": " << chest->m_valve_count << " pipes, plate "
                      << chest->m_plate.x2 << " x " << chest->m_plate.y2 << " mm\n";
    });
}

} // namespace ventrel::cli
