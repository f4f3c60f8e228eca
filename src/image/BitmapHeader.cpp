// The 40-byte bitmap information header of BMP files and device-independent bitmaps.
#include "BitmapHeader.h"

namespace ventrel {

BitmapInfoHeader BitmapInfoHeader::Parse(const std::uint8_t *bytes) {
    BitmapInfoHeader h;
    h.biSize = ReadLe32(bytes);
    h.biWidth = static_cast<std::int32_t>(ReadLe32(bytes + 4));
    h.biHeight = static_cast<std::int32_t>(ReadLe32(bytes + 8));
    h.biPlanes = ReadLe16(bytes + 12);
    h.biBitCount = ReadLe16(bytes + 14);
    h.biCompression = ReadLe32(bytes + 16);
    h.biSizeImage = ReadLe32(bytes + 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes + 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes + 28));
    h.biClrUsed = ReadLe32(bytes + 32);
    h.biClrImportant = ReadLe32(bytes + 36);
    return h;
}

void BitmapInfoHeader::Store(std::uint8_t *bytes) const {
    StoreLe32(bytes, biSize);
    StoreLe32(bytes + 4, static_cast<std::uint32_t>(biWidth));
    StoreLe32(bytes + 8, static_cast<std::uint32_t>(biHeight));
    StoreLe16(bytes + 12, biPlanes);
    StoreLe16(bytes + 14, biBitCount);
    StoreLe32(bytes + 16, biCompression);
    StoreLe32(bytes + 20, biSizeImage);
    StoreLe32(bytes + 24, static_cast<std::uint32_t>(biXPelsPerMeter));
    StoreLe32(bytes + 28, static_cast<std::uint32_t>(biYPelsPerMeter));
    StoreLe32(bytes + 32, biClrUsed);
    StoreLe32(bytes + 36, biClrImportant);
}

} // namespace ventrel
