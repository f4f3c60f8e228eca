// Writing the 3D scene for other programs: glTF 2.0 (.glb, .gltf) and Wavefront OBJ (.obj).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ventrel {

class Scene;

enum class Format3D { Glb, Gltf, Obj };

// The format a file name asks for by its extension (any case): ".glb", ".gltf" or ".obj".
std::optional<Format3D> Format3DOf(const std::filesystem::path &file);

// What an export wrote.
struct Export3DSummary {
    int objects = 0;
    std::size_t points = 0; // corners stored (a point with two normals counts twice)
    std::size_t triangles = 0;
    int materials = 0;
    int textures = 0;
    std::vector<std::filesystem::path> files; // the target first, then the files beside it
};

// Writes every object of the scene that has faces, as the view draws it, in metres with Y up,
// each object under its own name: a .glb holds its pictures; a .gltf has its buffer ("NAME.bin")
// and pictures ("NAME_texture.jpg", …) beside it; an .obj has its materials ("NAME.mtl") and
// pictures beside it. Texture files are looked up from `textureFolder` as the scene found them.
// All files replace their targets together once all are written, so a failure leaves the older
// ones whole: false with a message in `error`. Normals the objects lack are derived first, as
// drawing them would.
bool Export3D(Scene &scene, const std::filesystem::path &target,
              const std::filesystem::path &textureFolder, std::string &error,
              Export3DSummary *summary = nullptr);

} // namespace ventrel
