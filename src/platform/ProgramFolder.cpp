// The folder of the running program, from which its own data files are found.
#include "platform/ProgramFolder.h"

namespace ventrel {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.is_absolute())
        return {};
    return program.parent_path();
}

std::filesystem::path FindAbove(const std::filesystem::path &start,
                                const std::filesystem::path &relative, int levels) {
    if (start.empty())
        return {};
    std::error_code error;
    std::filesystem::path folder = start;
    for (int level = 0; level <= levels; ++level) {
        if (std::filesystem::is_directory(folder / relative, error))
            return folder / relative;
        if (!folder.has_relative_path())
            break; // the root
        folder = folder.parent_path();
    }
    return {};
}

std::filesystem::path FindBesideProgram(const std::filesystem::path &relative, int levels) {
    return FindAbove(ProgramFolder(), relative, levels);
}

} // namespace ventrel
