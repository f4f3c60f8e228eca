// The folder of the running program, from which its own data files are found.
#pragma once

#include <filesystem>

namespace ventrel {

// The folder that holds the running executable (symbolic links resolved); empty when the system
// cannot tell.
std::filesystem::path ProgramFolder();

// The nearest folder at or above the program's folder, at most `levels` folders up, that holds
// `relative` (a folder); empty when none does. An installed program in PREFIX/bin finds
// PREFIX/share/...; a program in its build tree finds the copy the build made at the tree's top.
std::filesystem::path FindBesideProgram(const std::filesystem::path &relative, int levels = 3);
std::filesystem::path FindAbove(const std::filesystem::path &start,
                                const std::filesystem::path &relative, int levels);

} // namespace ventrel
