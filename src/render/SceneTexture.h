// One image of the scene's shared texture list, ready to be handed to OpenGL.
#pragma once

#include <algorithm>
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

// The largest side of an uploaded texture, whatever the context allows: beyond it a picture only
// costs memory.
inline constexpr int kLargestTextureSide = 4096;

// The side a texture of `side` pixels is uploaded with: the smallest power of two not below it
// (never below 2), but no more than the largest power of two within both the context's limit and
// kLargestTextureSide (a larger picture is scaled down, a smaller one never up beyond that).
inline int TextureUploadSide(int side, int contextLimit) {
    int limit = 2;
    while (limit * 2 <= std::min(contextLimit, kLargestTextureSide))
        limit *= 2;
    int p = 2;
    while (p < side && p < limit)
        p *= 2;
    return p;
}

// Reads an image file by the name an object gives; false when it cannot be read.
using TextureReader = std::function<bool(const std::string &fileName, SceneTexture &out)>;

} // namespace ventrel
