// The in-memory image of the program: sizes, header, alpha layers, cut-outs and tiles.
#include "image/Texture.h"

#include "image/LumiFile.h"
#include "platform/Canvas.h"
#include "platform/Ui.h"

#include <algorithm>
#include <new>
#include <utility>

namespace ventrel {

std::uint64_t RowBytes(std::int64_t width, unsigned depth) {
    if (width <= 0)
        return 0;
    std::uint64_t bytes = std::uint64_t(width) * depth / 8;
    if (bytes % 4 != 0)
        bytes += 4 - bytes % 4;
    return bytes;
}

bool AllocatePixels(std::vector<std::uint8_t> &pixels, std::uint64_t bytes) {
    pixels.clear();
    pixels.shrink_to_fit();
    if (bytes > kMaxImageBytes)
        return false;
    try {
        pixels.resize(static_cast<std::size_t>(bytes));
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

namespace {

// A size that a pixel buffer can be made for: positive sizes, a whole number of bytes per pixel up
// to 4, and no more than kMaxImageBytes in all.
bool ValidSize(int width, int height, int depth) {
    if (width <= 0 || height <= 0 || depth <= 0 || depth > 32 || depth % 8 != 0)
        return false;
    return RowBytes(width, static_cast<unsigned>(depth)) * std::uint64_t(height) <= kMaxImageBytes;
}

} // namespace

CTexture::CTexture(Ui &ui) : m_ui(ui) {}

CTexture::~CTexture() {
    Free();
}

void CTexture::Message(const std::string &text) const {
    m_ui.MessageBox(text);
}

void CTexture::Install(std::vector<std::uint8_t> pixels, int width, int height, unsigned depth) {
    m_data = std::move(pixels);
    m_width = width;
    m_height = height;
    m_depth = depth;
    UpdateHeader();
}

int CTexture::Alloc(int width, int height, int depth) {
    Free();
    if (!ValidSize(width, height, depth)) {
        Message(Format("CTexture::Alloc : invalid image size %d x %d x %d", width, height, depth));
        return 0;
    }
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, RowBytes(width, depth) * std::uint64_t(height))) {
        Message("CTexture::Alloc : Insufisant memory");
        return 0;
    }
    Install(std::move(pixels), width, height, static_cast<unsigned>(depth));
    return 1;
}

int CTexture::Create(int width, int height, int depth) {
    m_data.clear();
    m_data.shrink_to_fit();
    m_width = m_height = 0;
    m_depth = 0;
    if (!ValidSize(width, height, depth))
        return 0;
    const std::uint64_t bytes = RowBytes(width, depth) * std::uint64_t(height);
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, bytes))
        return 0;
    Install(std::move(pixels), width, height, static_cast<unsigned>(depth));
    m_data_size = static_cast<unsigned>(bytes);
    return 1;
}

int CTexture::Attach(std::vector<std::uint8_t> pixels, int width, int height, int depth) {
    Free();
    if (!ValidSize(width, height, depth) ||
        pixels.size() < RowBytes(width, depth) * std::uint64_t(height))
        return 0;
    Install(std::move(pixels), width, height, static_cast<unsigned>(depth));
    return 1;
}

int CTexture::CopyFrom(std::span<const std::uint8_t> source, int width, int height, int depth) {
    if (source.empty())
        return 0;
    if (ValidSize(width, height, depth) &&
        source.size() < std::uint64_t(width) * depth / 8 * std::uint64_t(height))
        return 0;
    if (!Alloc(width, height, depth))
        return 0;
    const std::size_t packed = std::size_t(width) * depth / 8;
    for (int row = 0; row < height; ++row)
        std::copy_n(source.data() + row * packed, packed,
                    m_data.data() + std::size_t(row) * m_widthbyte32);
    return 1;
}

void CTexture::Free() {
    m_data.clear();
    m_data.shrink_to_fit();
    m_width = m_height = 0;
    m_depth = 0;
    m_lumi.reset();
}

void CTexture::UpdateHeader() {
    m_widthbyte32 = static_cast<unsigned>(RowBytes(m_width, m_depth));
    m_header = BitmapInfoHeader{};
    m_header.biSize = BitmapInfoHeader::kBytes;
    m_header.biWidth = m_width;
    m_header.biHeight = m_height;
    m_header.biPlanes = 1;
    m_header.biBitCount = static_cast<std::uint16_t>(m_depth);
    m_header.biCompression = 0;
    m_header.biSizeImage = m_widthbyte32 * static_cast<unsigned>(std::max(m_height, 0));
}

int CTexture::IsValid() const {
    return (m_depth == 24 || m_depth == 32) && m_width != 0 && m_height != 0 && !m_data.empty();
}

int CTexture::SameSize(const CTexture &other) const {
    return m_width == other.m_width && m_height == other.m_height;
}

int CTexture::IsPowerOf2Size() const {
    const auto powerOf2 = [](int n) { return n >= 2 && n <= 2048 && (n & (n - 1)) == 0; };
    return powerOf2(m_width) && powerOf2(m_height);
}

int CTexture::NextPowerOf2(int n) {
    if (n <= 0 || n > (1 << 30))
        return n;
    int power = 2;
    while (power < n)
        power <<= 1;
    return power;
}

int CTexture::FlipRowsSwapRB() {
    if (!IsValid())
        return 0;
    const std::size_t bpp = m_depth / 8;
    const std::size_t stride = m_widthbyte32;
    // Only pixels inside the recorded size are touched: images that do not come from a JPEG file
    // (no recorded size) are already in bitmap order and stay as they are.
    const std::size_t limit = std::min<std::size_t>(m_data_size, m_data.size());
    const unsigned height = static_cast<unsigned>(m_height);
    const auto inside = [&](std::size_t at) { return at + 3 <= limit; };
    std::uint8_t *d = m_data.data();
    for (unsigned i = 0; i < height / 2; ++i) {
        for (int j = 0; j < m_width; ++j) {
            const std::size_t p = i * stride + j * bpp;
            const std::size_t q = (height - i - 1) * stride + j * bpp;
            if (!inside(p) || !inside(q))
                break;
            std::swap(d[p], d[q + 2]);
            std::swap(d[p + 1], d[q + 1]);
            std::swap(d[p + 2], d[q]);
        }
    }
    // The middle row of an odd height stays in place but still needs its colours exchanged.
    if (height % 2 == 1) {
        const std::size_t row = (height / 2) * stride;
        for (int j = 0; j < m_width; ++j) {
            const std::size_t p = row + j * bpp;
            if (!inside(p))
                break;
            std::swap(d[p], d[p + 2]);
        }
    }
    return 1;
}

int CTexture::Draw(Canvas &canvas, int x, int y, int width, int height) const {
    if (!IsValid())
        return 0;
    width = width == -1 ? m_width : std::clamp(width, 0, m_width);
    height = height == -1 ? m_height : std::clamp(height, 0, m_height);
    // Bottom-up rows: the first `height` rows of the buffer are the lower part of the image.
    if (width > 0 && height > 0)
        canvas.Image(x, y, width, height, m_data.data(), static_cast<int>(m_widthbyte32),
                     static_cast<int>(m_depth));
    return m_height;
}

int CTexture::AddAlphaLayer(int alpha) {
    if (!IsValid())
        return 0;
    if (m_depth == 32)
        return SetAlpha(alpha);
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, std::uint64_t(m_width) * 4 * std::uint64_t(m_height))) {
        Message("CTexture::AddAlphaLayer : unsuffisant memory");
        return 0;
    }
    const std::size_t bpp = m_depth / 8;
    std::uint8_t *out = pixels.data();
    for (int row = 0; row < m_height; ++row) {
        const std::uint8_t *in = m_data.data() + std::size_t(row) * m_widthbyte32;
        for (int col = 0; col < m_width; ++col, in += bpp, out += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    Install(std::move(pixels), m_width, m_height, 32);
    return 1;
}

int CTexture::SetAlpha(int alpha) {
    if (!IsValid() || m_depth != 32)
        return 0;
    const std::size_t count = std::min(std::size_t(m_width) * m_height, m_data.size() / 4);
    for (std::size_t i = 0; i < count; ++i)
        m_data[i * 4 + 3] = static_cast<std::uint8_t>(alpha);
    return 1;
}

int CTexture::SetAlphaByBrightness(int alpha) {
    if (!IsValid() || m_depth != 32)
        return 0;
    const std::size_t count = std::min(std::size_t(m_width) * m_height, m_data.size() / 4);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t *p = &m_data[i * 4];
        p[3] = (p[0] + p[1] + p[2]) / 3 > 40 ? static_cast<std::uint8_t>(alpha) : 0;
    }
    return 1;
}

int CTexture::AlphaFromImage(const CTexture &other) {
    if (!IsValid() || !other.IsValid() || !SameSize(other) || !AddAlphaLayer(0))
        return 0;
    const std::size_t bpp = other.m_depth / 8;
    for (int row = 0; row < m_height; ++row) {
        const std::uint8_t *in = other.m_data.data() + std::size_t(row) * other.m_widthbyte32;
        std::uint8_t *out = m_data.data() + std::size_t(row) * m_width * 4;
        for (int col = 0; col < m_width; ++col, in += bpp, out += 4)
            out[3] = static_cast<std::uint8_t>((in[0] + in[1] + in[2]) / 3);
    }
    return 1;
}

int CTexture::Extract(int x0, int y0, int x1, int y1) {
    if (!IsValid())
        return 0;
    if (x1 == -1)
        x1 = m_width - 1;
    if (y1 == -1)
        y1 = m_height - 1;
    if (!(0 <= x0 && x0 < x1 && x1 < m_width && 0 <= y0 && y0 < y1 && y1 < m_height))
        return 0;
    const int newWidth = x1 - x0 + 1;
    const int newHeight = y1 - y0 + 1;
    const std::size_t newStride = RowBytes(newWidth, m_depth);
    const std::size_t bpp = m_depth / 8;
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, std::uint64_t(newStride) * newHeight)) {
        Message("Insuffisant memory");
        return 0;
    }
    for (int i = 0; i < newHeight; ++i) {
        const std::uint8_t *in = m_data.data() +
                                 std::size_t(m_height - y0 - i - 1) * m_widthbyte32 +
                                 std::size_t(x0) * bpp;
        std::copy_n(in, newWidth * bpp, pixels.data() + i * newStride);
    }
    Install(std::move(pixels), newWidth, newHeight, m_depth);
    return 1;
}

int CTexture::DuplicateMirror(int x0, int y0, int x1, int y1) {
    if (!Extract(x0, y0, x1, y1))
        return 0;
    const int w = m_width, h = m_height;
    const std::size_t bpp = m_depth / 8;
    const std::size_t stride = m_widthbyte32;
    const std::size_t newStride = RowBytes(2 * std::int64_t(w), m_depth);
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, std::uint64_t(newStride) * 2 * h)) {
        Message("Insuffisant memory");
        return 0;
    }
    for (int i = 0; i < 2 * h; ++i) {
        const std::uint8_t *in = m_data.data() + (i < h ? h - i - 1 : i - h) * stride;
        std::uint8_t *out = pixels.data() + i * newStride;
        for (int j = 0; j < 2 * w; ++j) {
            const int column = j < w ? j : 2 * w - j - 1;
            std::copy_n(in + column * bpp, bpp, out + j * bpp);
        }
    }
    Install(std::move(pixels), 2 * w, 2 * h, m_depth);
    return 1;
}

int CTexture::DuplicateSide(int x0, int y0, int x1, int y1) {
    if (!Extract(x0, y0, x1, y1))
        return 0;
    const int w = m_width, h = m_height;
    const std::size_t bpp = m_depth / 8;
    const std::size_t stride = m_widthbyte32;
    const std::size_t newStride = RowBytes(2 * std::int64_t(w), m_depth);
    std::vector<std::uint8_t> pixels;
    if (!AllocatePixels(pixels, std::uint64_t(newStride) * h)) {
        Message("Insuffisant memory");
        return 0;
    }
    for (int i = 0; i < h; ++i) {
        const std::uint8_t *in = m_data.data() + (h - i - 1) * stride;
        std::uint8_t *out = pixels.data() + i * newStride;
        std::copy_n(in, w * bpp, out);
        std::copy_n(in, w * bpp, out + w * bpp);
    }
    Install(std::move(pixels), 2 * w, h, m_depth);
    return 1;
}

} // namespace ventrel
