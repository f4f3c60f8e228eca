// Where the texture files named by bare names ("tin.jpg", "wood.jpg", ...) are found.
#include "image/TextureLookup.h"

namespace ventrel {

std::filesystem::path InstalledTextureFolder() {
    return VENTREL_DATA_DIR;
}

std::filesystem::path SourceTextureFolder() {
    return VENTREL_TEXTURE_SOURCE_DIR;
}

std::filesystem::path FindTexture(const std::string &name,
                                  const std::filesystem::path &workFolder) {
    std::filesystem::path path(name);
    if (path.is_absolute())
        return path;
    std::filesystem::path inWorkFolder = workFolder / path;
    if (name.empty() || path.has_parent_path())
        return inWorkFolder;
    std::error_code error;
    for (const auto &candidate :
         {inWorkFolder, InstalledTextureFolder() / path, SourceTextureFolder() / path})
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    return inWorkFolder;
}

} // namespace ventrel
