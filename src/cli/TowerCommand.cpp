// ventrel-cli tower: the sample tower's outlines as .poly and DXF files.
#include "Commands.h"

#include "organ3d/Tower.h"
#include "platform/WorkFolder.h"
#include "render/Scene.h"

namespace ventrel::cli {

void AddTowerCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand(
        "tower", "Write the tower's profile and path as .poly and DXF files (four files)");
    auto folder = std::make_shared<std::string>(".");
    command->add_option("-C", *folder, "Folder the files are written into")
        ->check(CLI::ExistingDirectory);
    command->callback([&run, folder] {
        CTower tower;
        Scene scene(&run.ui);
        run.status = BuildTower(tower, scene, WorkFolder::Both(*folder), run.ui) ? 0 : 1;
    });
}

} // namespace ventrel::cli
