// Where the texture files named by bare names ("tin.jpg", "wood.jpg", ...) are found.
#pragma once

#include <filesystem>
#include <string>

namespace ventrel {

// The work folder first, then the installed data folder, then the textures of the source tree
// (so that a program run from its build folder finds them). A name with a folder part is taken
// as it stands (relative to the work folder). When no folder holds the file, the path in the
// work folder is returned, so that the reader reports the missing file by that name.
std::filesystem::path FindTexture(const std::string &name,
                                  const std::filesystem::path &workFolder = ".");

// The folders searched after the work folder, in order.
std::filesystem::path InstalledTextureFolder();
std::filesystem::path SourceTextureFolder();

} // namespace ventrel
