// The scene's texture pictures as files a glTF or OBJ reader can open (JPEG or PNG).
#pragma once

#include <filesystem>
#include <string>

namespace ventrel {

struct SceneTexture;

struct TextureImage {
    // A file name for the picture: the texture's own name without its folder, ".png" in place of
    // its extension when the picture was written here.
    std::string name;
    std::string mimeType; // "image/jpeg" or "image/png"
    std::string bytes;
    // Whether the picture's alpha channel varies (cut-outs); a uniform one is left out, the
    // material's opacity carries it.
    bool hasAlpha = false;
};

// The picture of a texture: the file it was read from when that is a JPEG or PNG file (looked up
// by its name from `folder`, as the scene found it), else its pixels written as PNG. False with
// the reason when neither works.
bool TextureImageOf(const SceneTexture &texture, const std::filesystem::path &folder,
                    TextureImage &out, std::string &error);

} // namespace ventrel
