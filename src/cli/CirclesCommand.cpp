// ventrel-cli circles: a circle file turned into its DXF of holes.
#include "Commands.h"

#include "app/Document.h"
#include "chest/CWindchest.h"
#include "fabrication/CircleDxf.h"
#include "platform/FatalInputError.h"

namespace ventrel::cli {

void AddCirclesCommand(CLI::App &app, Run &run) {
    auto *command = app.add_subcommand("circles", "Write the DXF of a circle file (x y r holes)");
    auto path = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("circles", *path, "Circle file (.cir)")->required();
    command->add_option("-C", *output, "Folder the DXF is written into")
        ->check(CLI::ExistingDirectory);
    command->callback([&run, path, output] {
        const DocumentFile file = DocumentFile::At(*path, *output);
        const auto chest = OpenCircles(file, run.ui);
        if (!chest) {
            run.status = 1;
            return;
        }
        if (chest->m_circle_count == 0) {
            run.ui.MessageBox(Format("%s: no circle: nothing is written", path->c_str()));
            run.status = 1;
            return;
        }
        run.status = WriteCirclesDxf(*chest, file.name, file.folder, run.ui) ? 0 : 1;
    });
}

} // namespace ventrel::cli
