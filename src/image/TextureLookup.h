// Where the texture files named by bare names ("tin.jpg", "wood.jpg", ...) are found.
#pragma once

#include <filesystem>
#include <string>

namespace ventrel {

// The work folder first, then the program's own texture folder. A name with a folder part is
// taken as it stands (relative to the work folder). When no folder holds the file, the path in
// the work folder is returned, so that the reader reports the missing file by that name.
std::filesystem::path FindTexture(const std::string &name,
                                  const std::filesystem::path &workFolder = ".");

// The program's own textures, found from where the program is: PREFIX/share/ventrel/textures
// for PREFIX/bin/ventrel, and the copy at the top of the build tree for a program run from
// there. Empty when neither exists.
std::filesystem::path InstalledTextureFolder();

} // namespace ventrel
