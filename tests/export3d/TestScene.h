// Small scenes for the 3D export tests: boxes and prisms built point by point, with pictures.
#pragma once

#include "render/Scene.h"

#include <filesystem>
#include <string>

namespace ventrel::test {

// A unit cube (0 … 1 on each axis) of six quads with texture coordinates, per-face normals.
CObject3D &AddCube(Scene &scene, const std::string &name);

// An open prism of n sides (radius 1, height 1, Y up) with per-point normals.
CObject3D &AddPrism(Scene &scene, const std::string &name, int n);

// Gives the object the scene's texture `name`, read through the scene's reader.
void Texture(Scene &scene, CObject3D &object, const std::string &name);

// A scene whose texture reader hands out a 4 x 2 picture for any name; `jpegFolder` receives a
// real JPEG file "grain.jpg".
void UsePictures(Scene &scene, const std::filesystem::path &jpegFolder);

// The scene the export tests share: a chest box placed and scaled, a textured box (JPEG file), a
// red prism, a box whose picture exists only in memory (written as PNG).
void FillWorkshopScene(Scene &scene, const std::filesystem::path &folder);

} // namespace ventrel::test
