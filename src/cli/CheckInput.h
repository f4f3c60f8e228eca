// Checking the chest a command works on: its text and its partition file's, read and checked.
#pragma once

#include "ChestInput.h"

#include "check/ChestCheck.h"

#include <optional>

namespace ventrel::cli {

// Reads the chest file and the partition file (if any) and checks them; nothing (the message has
// been shown) when a file cannot be opened. Findings name the files as the user gave them.
std::optional<CheckResult> CheckChestFile(const ChestOptions &options, const CheckOptions &checks,
                                          Ui &ui);

} // namespace ventrel::cli
