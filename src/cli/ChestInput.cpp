// The chest a command works on: its file and partition file from the arguments, opened as the app
// opens a chest.
#include "ChestInput.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"

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

bool SaidNoStop(const CWindchest &chest, const std::string &path, Ui &ui) {
    if (chest.StopCount() > 0 || chest.m_rect_count > 0 || chest.m_line_count > 0)
        return false;
    ui.MessageBox(Format("%s: no stop in this chest", path.c_str()));
    return true;
}

} // namespace ventrel::cli
