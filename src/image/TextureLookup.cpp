// Where the texture files named by bare names ("tin.jpg", "wood.jpg", ...) are found.
#include "image/TextureLookup.h"

#include "platform/ProgramFolder.h"

namespace ventrel {

std::filesystem::path InstalledTextureFolder() {
    // Found once: the program does not move while it runs.
    static const std::filesystem::path folder =
        FindBesideProgram(std::filesystem::path(VENTREL_DATA_SUBDIR) / "textures");
    return folder;
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
    if (std::filesystem::is_regular_file(inWorkFolder, error))
        return inWorkFolder;
    const std::filesystem::path installed = InstalledTextureFolder();
    if (!installed.empty() && std::filesystem::is_regular_file(installed / path, error))
        return installed / path;
    return inWorkFolder;
}

} // namespace ventrel
