// Checking the chest a command works on: its text and its partition file's, read and checked.
#include "CheckInput.h"

namespace ventrel::cli {

std::optional<CheckResult> CheckChestFile(const ChestOptions &options, const CheckOptions &checks,
                                          Ui &ui) {
    const DocumentFile input = DocumentFile::At(options.path, "");
    CheckSource chest{options.path, ""};
    if (!input.ReadText(chest.text, ui))
        return std::nullopt;
    CheckSource partitions{options.partitions, ""};
    const bool walls = !options.partitions.empty();
    if (walls && !DocumentFile::At(options.partitions, "").ReadText(partitions.text, ui))
        return std::nullopt;
    return CheckChest(chest, walls ? &partitions : nullptr, input.folder, checks);
}

} // namespace ventrel::cli
