// The 40-byte bitmap information header of BMP files and device-independent bitmaps.
#pragma once

#include <cstdint>

namespace ventrel {

// The Windows BITMAPINFOHEADER layout, field for field (stored little-endian in files).
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    static constexpr int kBytes = 40;

    // Reads the header from its 40 file bytes.
    static BitmapInfoHeader Parse(const std::uint8_t *bytes);
    // Writes the header as its 40 file bytes.
    void Store(std::uint8_t *bytes) const;

    friend bool operator==(const BitmapInfoHeader &, const BitmapInfoHeader &) = default;
};

// Little-endian access to file bytes.
inline std::uint32_t ReadLe32(const std::uint8_t *p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
inline std::uint16_t ReadLe16(const std::uint8_t *p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline void StoreLe32(std::uint8_t *p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void StoreLe16(std::uint8_t *p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace ventrel
