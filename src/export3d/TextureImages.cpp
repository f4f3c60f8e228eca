// Texture pictures copied from their JPEG or PNG files, or written as PNG from their pixels.
#include "export3d/TextureImages.h"

#include "image/TextureLookup.h"
#include "platform/WorkFolder.h"
#include "render/SceneTexture.h"

#include <stb_image_write.h>

#include <cstring>

namespace ventrel {

namespace {

// The largest texture file copied as it stands.
constexpr std::uintmax_t kImageFileLimit = std::uintmax_t(256) << 20;

bool StartsWith(const std::string &bytes, const char *magic, size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

// A PNG file's colour type (in its first chunk) has an alpha channel: grey or RGB with alpha.
bool PngHasAlpha(const std::string &bytes) {
    if (bytes.size() < 26)
        return false;
    const auto colourType = static_cast<unsigned char>(bytes[25]);
    return colourType == 4 || colourType == 6;
}

bool UniformAlpha(const SceneTexture &texture) {
    const size_t count = static_cast<size_t>(texture.width) * texture.height;
    for (size_t i = 1; i < count; ++i)
        if (texture.pixels[i * 4 + 3] != texture.pixels[3])
            return false;
    return true;
}

void Append(void *context, void *data, int size) {
    static_cast<std::string *>(context)->append(static_cast<const char *>(data),
                                                static_cast<size_t>(size));
}

} // namespace

bool TextureImageOf(const SceneTexture &texture, const std::filesystem::path &folder,
                    TextureImage &out, std::string &error) {
    const std::filesystem::path source = FindTexture(texture.fileName, folder);
    out = {};
    std::string bytes;
    if (ReadWholeFile(source, bytes, nullptr, kImageFileLimit)) {
        if (StartsWith(bytes, "\xFF\xD8\xFF", 3)) {
            out.name = source.filename().string();
            out.mimeType = "image/jpeg";
            out.bytes = std::move(bytes);
            return true;
        }
        if (StartsWith(bytes, "\x89PNG\r\n\x1A\n", 8)) {
            out.name = source.filename().string();
            out.mimeType = "image/png";
            out.hasAlpha = PngHasAlpha(bytes);
            out.bytes = std::move(bytes);
            return true;
        }
    }
    if (!texture.IsValid()) {
        error = "The texture " + texture.fileName + " has no picture to export";
        return false;
    }
    // Four bytes a pixel only for an alpha channel worth keeping.
    const bool alpha = texture.HasAlpha() && !UniformAlpha(texture);
    const int components = alpha ? 4 : 3;
    std::vector<std::uint8_t> packed;
    const std::uint8_t *pixels = texture.pixels.data();
    if (texture.HasAlpha() && !alpha) {
        const size_t count = static_cast<size_t>(texture.width) * texture.height;
        packed.resize(count * 3);
        for (size_t i = 0; i < count; ++i)
            std::memcpy(&packed[i * 3], &texture.pixels[i * 4], 3);
        pixels = packed.data();
    }
    std::string png;
    if (stbi_write_png_to_func(Append, &png, texture.width, texture.height, components, pixels,
                               texture.width * components) == 0 ||
        png.empty()) {
        error = "The texture " + texture.fileName + " could not be written as PNG";
        return false;
    }
    out.name = source.filename().replace_extension(".png").string();
    out.mimeType = "image/png";
    out.hasAlpha = alpha;
    out.bytes = std::move(png);
    return true;
}

} // namespace ventrel
