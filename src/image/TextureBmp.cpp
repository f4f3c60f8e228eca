// BMP files: 24-bit uncompressed bitmaps read into a texture and written from one.
#include "image/Texture.h"

#include "platform/AtomicFile.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

namespace ventrel {

namespace {

constexpr int kFileHeaderBytes = 14;

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The header sizes of the Windows bitmap headers that share the 40-byte layout (and extend it).
bool KnownInfoHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

std::uint64_t FileSize(std::FILE *file) {
    const long here = std::ftell(file);
    if (std::fseek(file, 0, SEEK_END) != 0)
        return 0;
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end > 0 ? std::uint64_t(end) : 0;
}

} // namespace

int CTexture::ReadFileBMP(const std::string &name) {
    std::string reason;
    File file(OpenInputFile(name, &reason));
    if (!file) {
        Message(WithReason("Unable to open file for reading " + name, reason));
        return 0;
    }
    std::uint8_t fileHeader[kFileHeaderBytes];
    if (std::fread(fileHeader, 1, sizeof fileHeader, file.get()) != sizeof fileHeader) {
        Message(Format("Error during reading file header: %s is too short", name.c_str()));
        return 0;
    }
    if (ReadLe16(fileHeader) != 0x4D42) {
        Message(Format("Invalid BMP file: %s", name.c_str()));
        return 0;
    }
    const std::uint32_t pixelOffset = ReadLe32(fileHeader + 10);
    std::uint8_t infoBytes[BitmapInfoHeader::kBytes];
    if (std::fread(infoBytes, 1, sizeof infoBytes, file.get()) != sizeof infoBytes) {
        Message(Format("Error during reading image header: %s is too short", name.c_str()));
        return 0;
    }
    const BitmapInfoHeader info = BitmapInfoHeader::Parse(infoBytes);
    if (info.biPlanes != 1 || info.biBitCount != 24) {
        Message(Format("Texture file must have 24 bits depth: %s has %d", name.c_str(),
                       info.biBitCount));
        return 0;
    }
    if (!KnownInfoHeaderSize(info.biSize)) {
        Message(Format("Unsupported BMP header of %u bytes in %s", info.biSize, name.c_str()));
        return 0;
    }
    if (info.biCompression != 0) {
        Message(Format("Compressed BMP files are not supported: %s", name.c_str()));
        return 0;
    }
    if (info.biWidth <= 0 || info.biHeight == 0 ||
        info.biHeight == std::numeric_limits<std::int32_t>::min()) {
        Message(Format("Invalid BMP image size %d x %d in %s", info.biWidth, info.biHeight,
                       name.c_str()));
        return 0;
    }
    // Pixels start where the file header says, behind any larger header or colour table.
    const std::uint64_t fileSize = FileSize(file.get());
    if (pixelOffset < kFileHeaderBytes + std::uint64_t(info.biSize) || pixelOffset > fileSize) {
        Message(Format("Invalid BMP pixel offset %u in %s", pixelOffset, name.c_str()));
        return 0;
    }
    const bool topDown = info.biHeight < 0;
    const int width = info.biWidth;
    const int height = topDown ? -info.biHeight : info.biHeight;
    const std::uint64_t stride = RowBytes(width, 24);
    const std::uint64_t bytes = stride * std::uint64_t(height);
    if (bytes > fileSize - pixelOffset) {
        Message(
            Format("BMP image of %d x %d does not fit the file %s", width, height, name.c_str()));
        return 0;
    }
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, bytes)) {
        Message("Insuffisant memory");
        return 0;
    }
    if (std::fseek(file.get(), static_cast<long>(pixelOffset), SEEK_SET) != 0 ||
        std::fread(pixels.data(), 1, pixels.size(), file.get()) != pixels.size()) {
        Message(Format("Error during reading image: %s", name.c_str()));
        return 0;
    }
    // Top-down files are turned into the bottom-up order every other image has.
    if (topDown)
        for (int i = 0, j = height - 1; i < j; ++i, --j)
            std::swap_ranges(pixels.data() + i * stride, pixels.data() + (i + 1) * stride,
                             pixels.data() + j * stride);
    Install(std::move(pixels), width, height, 24);
    m_file_name = name;
    return 1;
}

int CTexture::SaveFileBMP(const std::string &name) {
    if (!IsValid() || m_depth != 24)
        return 0;
    const std::size_t imageBytes =
        std::min<std::size_t>(std::size_t(m_widthbyte32) * m_height, m_data.size());
    std::uint8_t fileHeader[kFileHeaderBytes] = {};
    StoreLe16(fileHeader, 0x4D42);
    StoreLe32(fileHeader + 2, static_cast<std::uint32_t>(imageBytes + 54));
    StoreLe32(fileHeader + 10, 54);
    std::uint8_t infoBytes[BitmapInfoHeader::kBytes];
    m_header.Store(infoBytes);

    AtomicFile file;
    if (!file.Open(name)) {
        Message("Unable to open file for writing " + file.Error());
        return 0;
    }
    if (!file.Write(fileHeader, sizeof fileHeader)) {
        Message("Error during writing file header\n" + file.Error());
        return 0;
    }
    if (!file.Write(infoBytes, sizeof infoBytes)) {
        Message("Error during writing image header\n" + file.Error());
        return 0;
    }
    if (!file.Write(m_data.data(), imageBytes) || !file.Commit()) {
        Message("Error during writing image\n" + file.Error());
        return 0;
    }
    return 1;
}

} // namespace ventrel
