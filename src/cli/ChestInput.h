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
bool ReadChest(const ChestOptions &options, CWindchest &chest, Ui &ui);

} // namespace ventrel::cli
