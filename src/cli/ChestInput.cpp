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
        if (chest.m_rect_count == 0 && chest.m_line_count == 0) {
            ui.MessageBox(Format("%s: no partition (no BARRAGES file with RECT or LINE lines)",
                                 options.partitions.c_str()));
            return false;
        }
    }
    const InputFile input(options.path, options.outputFolder);
    return chest.ReadDatFile(input.name, input.folder, ui);
}

bool SaidNoStop(const CWindchest &chest, const std::string &path, Ui &ui) {
    if (chest.StopCount() > 0 || chest.m_rect_count > 0 || chest.m_line_count > 0)
        return false;
    ui.MessageBox(Format("%s: no stop in this chest", path.c_str()));
    return true;
}

} // namespace ventrel::cli
