// One image of the scene's shared texture list, ready to be handed to OpenGL.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ventrel {

// Pixels in packed rows (no padding), 3 bytes (R, G, B) or 4 bytes (R, G, B, A) per pixel; the
// first row in memory is the top of the picture, so objects flip v (m_texVFactor -1).
struct SceneTexture {
    std::string fileName;
    int width = 0;
    int height = 0;
    int depth = 0; // 24 or 32
    std::vector<std::uint8_t> pixels;

    bool IsValid() const {
        return (depth == 24 || depth == 32) && width > 0 && height > 0 &&
               pixels.size() >= static_cast<size_t>(width) * height * (depth / 8);
    }
    bool HasAlpha() const { return depth == 32; }
    // Adds (or sets) an alpha byte of the given value to every pixel.
    bool AddAlphaLayer(int alpha);
};

// Reads an image file by the name an object gives; false when it cannot be read.
using TextureReader = std::function<bool(const std::string &fileName, SceneTexture &out)>;

} // namespace ventrel
