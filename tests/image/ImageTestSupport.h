// Helpers of the image tests: pixel fingerprints, small files and a canvas that records images.
#pragma once

#include "image/Texture.h"
#include "platform/NullCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ventrel::test {

// FNV-1a over bytes.
inline std::uint64_t Fingerprint(const std::uint8_t *bytes, std::size_t size) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 0x100000001b3ull;
    return hash;
}

// The picture as packed RGB rows from the top, whatever the texture's row order and padding.
inline std::vector<std::uint8_t> TopDownRgb(const CTexture &texture, bool bitmapOrder) {
    std::vector<std::uint8_t> rgb;
    const int bpp = static_cast<int>(texture.GetDepth() / 8);
    for (int row = 0; row < texture.GetHeight(); ++row) {
        const int source = bitmapOrder ? texture.GetHeight() - 1 - row : row;
        const std::uint8_t *p = texture.GetData() + std::size_t(source) * texture.GetWidthByte32();
        for (int col = 0; col < texture.GetWidth(); ++col, p += bpp) {
            if (bitmapOrder)
                rgb.insert(rgb.end(), {p[2], p[1], p[0]});
            else
                rgb.insert(rgb.end(), {p[0], p[1], p[2]});
        }
    }
    return rgb;
}

inline std::uint64_t PictureFingerprint(const CTexture &texture, bool bitmapOrder) {
    const auto rgb = TopDownRgb(texture, bitmapOrder);
    return Fingerprint(rgb.data(), rgb.size());
}

// A 24-bit BMP file: the file header, a 40-byte (or larger) information header, `gap` bytes of
// colour table, then the pixel rows as given.
inline std::string BmpBytes(int width, int height, const std::string &rows, int headerSize = 40,
                            int gap = 0, int bitCount = 24) {
    std::string bytes(14 + headerSize + gap, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size() + rows.size()));
    put32(10, static_cast<std::uint32_t>(14 + headerSize + gap));
    put32(14, static_cast<std::uint32_t>(headerSize));
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<char>(bitCount);
    return bytes + rows;
}

// Records the images drawn; every other primitive is ignored.
class ImageCanvas : public NullCanvas {
public:
    struct Call {
        int x, y, width, height, stride, bitsPerPixel;
        const std::uint8_t *pixels;
    };
    std::vector<Call> calls;

    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override {
        calls.push_back({x, y, width, height, stride, bitsPerPixel, pixels});
    }
};

} // namespace ventrel::test
