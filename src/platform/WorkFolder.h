// The folders in which bare file names are opened and written.
#pragma once

#include <filesystem>
#include <string>

namespace ventrel {

class Ui;

// The program opens files by bare name in the folder chosen by the last file dialog. The desktop
// reads and writes in that one folder; the batch tool reads beside its input file and writes into
// the folder named by -C.
struct WorkFolder {
    std::filesystem::path input = ".";
    std::filesystem::path output = ".";

    std::filesystem::path In(const std::string &name) const { return input / name; }
    std::filesystem::path Out(const std::string &name) const { return output / name; }

    static WorkFolder Both(const std::filesystem::path &folder) { return {folder, folder}; }
};

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path &path, std::string &bytes);

// The same for a file the user named: false with "FICHIER <path> ABSENT\n" shown when it cannot be
// opened or read.
bool ReadInputFile(const std::filesystem::path &path, std::string &bytes, Ui &ui);

} // namespace ventrel
