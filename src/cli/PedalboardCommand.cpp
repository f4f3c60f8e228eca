// ventrel-cli pedalboard: the five plank DXF files of the pedalboard.
#include "Commands.h"

#include "organ3d/Pedalboard.h"
#include "platform/WorkFolder.h"

namespace ventrel::cli {

void AddPedalboardCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("pedalboard", "Write the pedalboard's five plank DXF files");
    auto folder = std::make_shared<std::string>(".");
    command->add_option("-C", *folder, "Folder the files are written into")
        ->check(CLI::ExistingDirectory);
    command->callback([&run, folder] {
        CPedalboard board;
        board.Create(run.ui);
        run.status = board.WriteDxf(WorkFolder::Both(*folder), run.ui) ? 0 : 1;
    });
}

} // namespace ventrel::cli
