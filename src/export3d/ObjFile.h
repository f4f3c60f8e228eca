// The scene's meshes as a Wavefront OBJ file and its MTL material library.
#pragma once

#include <string>
#include <vector>

namespace ventrel {

struct SceneMeshes;

// The OBJ text: one object ("o") per mesh with its points, texture coordinates and normals, its
// faces under the material they use; it names `mtlName` as its library. An object's name is one
// word, its spaces written '_', and
// unique: a name met again gets ".001", ".002", .... Numbers are written the same in every locale.
std::string ObjText(const SceneMeshes &meshes, const std::string &mtlName);

// The MTL text: one material per material of the meshes ("material_N"), naming imageNames[i] for
// texture i.
std::string MtlText(const SceneMeshes &meshes, const std::vector<std::string> &imageNames);

} // namespace ventrel
