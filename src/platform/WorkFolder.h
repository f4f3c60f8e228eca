// The folders in which bare file names are opened and written.
#pragma once

#include <cstdint>
#include <cstdio>
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

// The largest text input (chest, organ, outline and side files): beyond it a file is refused rather
// than read into memory.
inline constexpr std::uintmax_t kTextFileLimit = std::uintmax_t(64) << 20;
// Scene files (VRML, meshes, terrains) may be larger.
inline constexpr std::uintmax_t kSceneFileLimit = std::uintmax_t(1) << 30;

// Reads a whole regular file of at most `limit` bytes; false when it cannot be opened or read, is
// not a regular file (a directory, a FIFO, a device) or is larger, with the reason in `reason`.
bool ReadWholeFile(const std::filesystem::path &path, std::string &bytes,
                   std::string *reason = nullptr, std::uintmax_t limit = kTextFileLimit);

// Opens a regular file for reading ("rb"); null with the reason for anything else, at once (a FIFO
// is not waited for).
std::FILE *OpenInputFile(const std::filesystem::path &path, std::string *reason = nullptr);

// The text, then on the next line the reason, unless the file simply does not exist (the text says
// so already) or no reason is known.
std::string WithReason(const std::string &text, const std::string &reason);

// "FICHIER %s ABSENT\n", followed on the next line by the reason when the file exists but cannot be
// read (a directory, a FIFO, too large, no permission).
std::string MissingFileText(const std::filesystem::path &path, const std::string &reason);

// The same for a file the user named: false with "FICHIER <path> ABSENT\n" shown when it cannot be
// opened or read.
bool ReadInputFile(const std::filesystem::path &path, std::string &bytes, Ui &ui);

} // namespace ventrel
