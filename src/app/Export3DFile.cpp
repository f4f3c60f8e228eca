// The 3D export as the front ends ask for it: a name from the dialog, a message on failure.
#include "app/Export3DFile.h"

#include "export3d/Export3D.h"
#include "platform/Ui.h"

namespace ventrel {

std::filesystem::path WithExport3DExtension(const std::filesystem::path &name, int type) {
    if (Format3DOf(name))
        return name;
    static const char *const kExtensions[] = {".glb", ".gltf", ".obj"};
    std::filesystem::path named = name;
    named += kExtensions[type >= 0 && type < 3 ? type : 0];
    return named;
}

bool ExportScene3D(Scene &scene, const std::filesystem::path &target,
                   const std::filesystem::path &textureFolder, Ui &ui, Export3DSummary *summary) {
    std::string error;
    if (Export3D(scene, target, textureFolder, error, summary))
        return true;
    ui.MessageBox(error);
    return false;
}

} // namespace ventrel
