// The chest a command works on: its file and partition file from the arguments, opened as the app
// opens a chest.
#pragma once

#include "app/Document.h"

#include <CLI/CLI.hpp>
#include <string>

namespace ventrel::cli {

struct ChestOptions {
    std::string path;
    std::string partitions;
    std::string outputFolder;

    // The positional chest file and --partitions; with -C when the command writes files.
    void AddTo(CLI::App &command, bool writesFiles);
    // The chest file, read beside itself; outputs go to -C (the current folder by default).
    DocumentFile File() const;
    // The chest file read into `chest`, the partition file (if any) first; no layout.
    bool Read(CWindchest &chest, Ui &ui) const;
    // "Open Chest" on the chest file, the partition file (if any) read first.
    ChestOpened Open(CWindchest &chest, ValveCounters &valves, Ui &ui) const;
};

// A chest with neither stop nor partition gives its output all the same, then this message
// ("NAME: no stop ...") and exit status 1: true when it was said.
bool SaidNoStop(const CWindchest &chest, const std::string &path, Ui &ui);

} // namespace ventrel::cli
