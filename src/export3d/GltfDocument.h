// The scene's meshes as a glTF 2.0 document, made and serialised by tinygltf.
#pragma once

#include <string>
#include <vector>

namespace ventrel {

struct SceneMeshes;
struct TextureImage;

// The binary form (.glb): the document, then one buffer holding the meshes and the pictures.
// False with the reason when the document cannot be made.
bool GlbBytes(const SceneMeshes &meshes, const std::vector<TextureImage> &images,
              std::string &bytes, std::string &error);

// The text form (.gltf): the document naming `binName` for its buffer, whose bytes go to `bin`,
// and imageNames[i] for picture i, whose files the caller writes beside it.
bool GltfText(const SceneMeshes &meshes, const std::vector<TextureImage> &images,
              const std::string &binName, const std::vector<std::string> &imageNames,
              std::string &json, std::string &bin, std::string &error);

} // namespace ventrel
