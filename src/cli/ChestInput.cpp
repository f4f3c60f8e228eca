// The chest a command works on: its file and partition file from the arguments, opened as the app
// opens a chest.
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

DocumentFile ChestOptions::File() const {
    return DocumentFile::At(path, outputFolder);
}

bool ChestOptions::Read(CWindchest &chest, Ui &ui) const {
    if (partitions.empty())
        return ReadChest(chest, File(), ui);
    const DocumentFile partitionFile = DocumentFile::At(partitions, outputFolder);
    return ReadChest(chest, File(), ui, &partitionFile);
}

ChestOpened ChestOptions::Open(CWindchest &chest, ValveCounters &valves, Ui &ui) const {
    if (partitions.empty())
        return OpenChest(chest, File(), valves, ui);
    const DocumentFile partitionFile = DocumentFile::At(partitions, outputFolder);
    return OpenChest(chest, File(), valves, ui, &partitionFile);
}

} // namespace ventrel::cli
