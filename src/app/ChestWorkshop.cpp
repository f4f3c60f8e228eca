// The chest checker and the workshop report run on a chest's files.
#include "ChestWorkshop.h"

#include "DocumentFile.h"

#include "platform/Ui.h"

#include <ctime>

namespace ventrel {

std::optional<CheckResult> CheckChestFiles(const ChestFiles &files, const CheckOptions &checks,
                                           Ui &ui) {
    const DocumentFile input = DocumentFile::At(files.chest, "");
    CheckSource chest{files.name.empty() ? files.chest.string() : files.name, ""};
    if (!input.ReadText(chest.text, ui))
        return std::nullopt;
    const bool walls = !files.partitions.empty();
    CheckSource partitions{
        files.partitionsName.empty() ? files.partitions.string() : files.partitionsName, ""};
    if (walls && !DocumentFile::At(files.partitions, "").ReadText(partitions.text, ui))
        return std::nullopt;
    return CheckChest(chest, walls ? &partitions : nullptr, input.folder, checks);
}

bool WriteWorkshopReport(const ChestFiles &files, const std::filesystem::path &output,
                         const ReportOptions &report, const CheckOptions &checks,
                         const PageWriter &write, Ui &ui) {
    const std::optional<CheckResult> checked = CheckChestFiles(files, checks, ui);
    if (!checked)
        return false;
    const std::string name = files.chest.filename().string();
    std::string error;
    if (!write(
            output, report.paper.width_mm, report.paper.height_mm, "Workshop report: " + name,
            [&](CanvasPages &pages) { PaintWorkshopReport(*checked, name, report, pages); },
            error)) {
        ui.MessageBox(Format("Cannot write %s: %s", output.string().c_str(), error.c_str()));
        return false;
    }
    return true;
}

std::string ReportDate() {
    const std::time_t now = std::time(nullptr);
    char text[16] = "";
    std::strftime(text, sizeof text, "%Y-%m-%d", std::localtime(&now));
    return text;
}

} // namespace ventrel
