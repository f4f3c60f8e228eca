// Reading a whole file into memory, as every text reader of the program does.
#include "WorkFolder.h"

#include "Ui.h"

#include <cstdio>

namespace ventrel {

bool ReadWholeFile(const std::filesystem::path &path, std::string &bytes) {
    bytes.clear();
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool ReadInputFile(const std::filesystem::path &path, std::string &bytes, Ui &ui) {
    if (ReadWholeFile(path, bytes))
        return true;
    ui.MessageBox(Format("FICHIER %s ABSENT\n", path.string().c_str()));
    return false;
}

} // namespace ventrel
