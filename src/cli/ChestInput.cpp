// Reading the chest a command works on, with an optional partition file read first.
#include "ChestInput.h"

namespace ventrel::cli {

void ChestOptions::AddTo(CLI::App &command, bool writesFiles) {
    command.add_option("chest", path, "Windchest description file (.dat)")->required();
    command.add_option("--partitions", partitions,
                       "Partition file (BARRAGES) read into the chest before it");
    if (writesFiles)
        command.add_option("-C", outputFolder, "Folder the files are written into")
            ->check(CLI::ExistingDirectory);
}

bool ReadChest(const ChestOptions &options, CWindchest &chest, Ui &ui) {
    if (!options.partitions.empty()) {
        const InputFile partitions(options.partitions, options.outputFolder);
        if (!chest.ReadDatFile(partitions.name, partitions.folder, ui))
            return false;
    }
    const InputFile input(options.path, options.outputFolder);
    return chest.ReadDatFile(input.name, input.folder, ui);
}

} // namespace ventrel::cli
