// The chest checker and the workshop report run on a chest's files, as the app and the batch tool
// both run them.
#pragma once

#include "check/ChestCheck.h"
#include "report/WorkshopReport.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ventrel {

class Ui;

// A chest file and its partition file (empty when there is none). Findings name them as `name`
// and `partitionsName` say, or as their paths when these are empty.
struct ChestFiles {
    std::filesystem::path chest;
    std::filesystem::path partitions;
    std::string name;
    std::string partitionsName;
};

// Reads the chest file and the partition file (if any) and checks them; nothing (the message has
// been shown) when a file cannot be opened. A text the reader refuses is a finding, not a failure.
std::optional<CheckResult> CheckChestFiles(const ChestFiles &files, const CheckOptions &checks,
                                           Ui &ui);

// What writes paged documents (the front end's PDF writer): pages of width x height millimetres
// drawn by `paint`, the file replaced only once complete; false with a reason in `error`.
using PageWriter = std::function<bool(
    const std::filesystem::path &path, int widthMm, int heightMm, const std::string &title,
    const std::function<void(CanvasPages &)> &paint, std::string &error)>;

// Checks the chest and writes its workshop report to `output`, titled "Workshop report: NAME"
// with the chest file's bare name. False, with the message shown, when a file cannot be read or
// the report cannot be written ("Cannot write PATH: reason"); an older report is then left whole.
bool WriteWorkshopReport(const ChestFiles &files, const std::filesystem::path &output,
                         const ReportOptions &report, const CheckOptions &checks,
                         const PageWriter &write, Ui &ui);

// Today's date as the report prints it, e.g. "2026-12-08".
std::string ReportDate();

} // namespace ventrel
