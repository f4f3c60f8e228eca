// "Export 3D...": the scene written for other programs, for the app's command and ventrel-cli.
#pragma once

#include <filesystem>

namespace ventrel {

class Scene;
class Ui;
struct Export3DSummary;

// The files of the 3D file dialog's "Files of type", and the extension each adds to a name
// without one of the three.
inline constexpr const char *kExport3DFilter =
    "glTF binary (*.glb)|*.glb|glTF (*.gltf)|*.gltf|Wavefront OBJ (*.obj)|*.obj|";

// The name with the extension of the dialog's type (0 .glb, 1 .gltf, 2 .obj) added, unless it
// already ends in one of the three.
std::filesystem::path WithExport3DExtension(const std::filesystem::path &name, int type);

// The scene as glTF (.glb, .gltf) or OBJ (.obj) by the name's extension, its textures looked up
// from `textureFolder` as the scene found them. A failure is shown, and leaves any older file
// whole: false.
bool ExportScene3D(Scene &scene, const std::filesystem::path &target,
                   const std::filesystem::path &textureFolder, Ui &ui,
                   Export3DSummary *summary = nullptr);

} // namespace ventrel
