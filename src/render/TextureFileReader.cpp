// Texture files for the scene: found by name, read as images, repacked for OpenGL.
#include "render/TextureFileReader.h"

#include "image/Texture.h"
#include "image/TextureLookup.h"
#include "platform/LowerCase.h"

#include <algorithm>

namespace ventrel {

namespace {

// Bitmap files keep their rows bottom-up in blue-green-red order; the other readers give the rows
// top-down as they come, JPEG in red-green-blue order.
bool Repack(const CTexture &image, bool bitmapOrder, SceneTexture &out) {
    const int width = image.GetWidth(), height = image.GetHeight();
    const int bytes = static_cast<int>(image.GetDepth() / 8);
    const size_t stride = image.GetWidthByte32();
    const std::uint8_t *data = image.GetData();
    if (!data || width <= 0 || height <= 0 || (bytes != 3 && bytes != 4) ||
        stride < static_cast<size_t>(width) * bytes ||
        image.GetBufferSize() <
            stride * (static_cast<size_t>(height) - 1) + static_cast<size_t>(width) * bytes)
        return false;
    out.width = width;
    out.height = height;
    out.depth = bytes * 8;
    out.pixels.resize(static_cast<size_t>(width) * height * bytes);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row =
            data + stride * static_cast<size_t>(bitmapOrder ? height - 1 - y : y);
        std::uint8_t *target = out.pixels.data() + static_cast<size_t>(y) * width * bytes;
        std::copy_n(row, static_cast<size_t>(width) * bytes, target);
        if (bitmapOrder)
            for (int x = 0; x < width; ++x)
                std::swap(target[x * bytes], target[x * bytes + 2]);
    }
    return true;
}

} // namespace

TextureReader TextureFileReader(const std::filesystem::path &workFolder, Ui &ui) {
    return [workFolder, &ui](const std::string &name, SceneTexture &out) {
        CTexture image(ui);
        // Nothing larger is ever uploaded: a huge JPEG is decoded at a reduced scale.
        image.LimitSide(kLargestTextureSide);
        if (!image.ReadFile(FindTexture(name, workFolder).string(), -1, -1, -1))
            return false;
        return Repack(image, EndsWithNoCase(name, ".bmp"), out);
    };
}

} // namespace ventrel
