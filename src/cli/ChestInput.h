// Reading the chest a command works on, with an optional partition file read first.
#pragma once

#include "InputFile.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"

#include <CLI/CLI.hpp>
#include <string>

namespace ventrel::cli {

struct ChestOptions {
    std::string path;
    std::string partitions;
    std::string outputFolder;

    // The positional chest file and --partitions; with -C when the command writes files.
    void AddTo(CLI::App &command, bool writesFiles);
};

// Reads the partition file (if any), then the chest file, into `chest`. False when a file cannot
// be opened (the message has been shown).
// A partition file that holds no partition is refused likewise.
bool ReadChest(const ChestOptions &options, CWindchest &chest, Ui &ui);

// A chest with neither stop nor partition gives its output all the same, then this message
// ("NAME: no stop ...") and exit status 1: true when it was said.
bool SaidNoStop(const CWindchest &chest, const std::string &path, Ui &ui);

} // namespace ventrel::cli
