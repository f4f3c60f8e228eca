// Luminance/chrominance image pairs: raw video planes read into a 32-bit texture.
#include "image/LumiFile.h"

#include "image/Texture.h"
#include "platform/LowerCase.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <cstring>

namespace ventrel {

namespace {

// A number printed in a fixed field of the text header ("%4d" at an offset).
int FieldNumber(const std::vector<char> &header, int offset, const char *format) {
    int value = 0;
    if (std::sscanf(header.data() + offset, format, &value) != 1)
        return 0;
    return value;
}

std::uint8_t Clamp(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Reads up to `size` bytes at `offset`; returns the count read.
std::size_t ReadAt(std::FILE *file, std::int64_t offset, std::uint8_t *bytes, std::size_t size) {
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
        return 0;
    return std::fread(bytes, 1, size, file);
}

} // namespace

CLumiFile::CLumiFile(Ui &ui) : m_ui(ui) {}

CLumiFile::~CLumiFile() = default;

void CLumiFile::Report(const std::string &text) const {
    m_ui.StatusMessage(text);
}

void CLumiFile::Refuse(const std::string &text) const {
    m_ui.MessageBox(text);
}

std::string CLumiFile::ChromaName(const std::string &lumiName) {
    const std::size_t slash = lumiName.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::string lower = LowerCase(lumiName);
    const std::size_t at = lower.find("lumi", start);
    return (at == std::string::npos ? lumiName : lumiName.substr(0, at)) + "chro";
}

int CLumiFile::Open(CTexture &texture, const std::string &name) {
    m_reading = 1;
    m_name = name;
    m_lumi_file.reset();
    m_chro_file.reset();

    m_lumi_file.reset(OpenInputFile(name));
    if (!m_lumi_file) {
        Report(Format("Could not open %s\n", name.c_str()));
        return 0;
    }
    // The header is text; a terminating zero keeps the number reading inside it.
    m_header.assign(kHeaderBytes + 1, '\0');
    if (std::fread(m_header.data(), 1, kHeaderBytes, m_lumi_file.get()) != kHeaderBytes) {
        Refuse(Format("Invalid luminance file %s: its header is shorter than %d bytes",
                      name.c_str(), kHeaderBytes));
        return 0;
    }
    const std::string tag(m_header.data(), 6);
    if (tag == "IMAG 3" || tag == "IMAG03") {
        m_width = FieldNumber(m_header, 82, "%4d");
        m_height = FieldNumber(m_header, 86, "%4d");
        m_param = FieldNumber(m_header, 90, "%4d");
        m_chroma_mode = std::memcmp(m_header.data() + 8, "4:2:2", 5) == 0 ? 2 : 1;
    } else {
        m_width = FieldNumber(m_header, 76, "%4d");
        m_height = FieldNumber(m_header, 80, "%4d");
        m_param = FieldNumber(m_header, 84, "%4d");
        m_chroma_mode = 1;
        if (tag != "IMAG02")
            m_double_height = 0;
    }
    if (m_double_height == m_reading)
        m_height *= 2;
    if (m_width <= 0 || m_height <= 0 ||
        std::uint64_t(m_width) * std::uint64_t(m_height) * 4 > kMaxImageBytes) {
        Refuse(Format("Invalid luminance file %s: image size %d x %d", name.c_str(), m_width,
                      m_height));
        return 0;
    }
    texture.m_width = m_width;
    texture.m_height = m_height;
    texture.m_lumi_param = m_param;
    m_header_number = FieldNumber(m_header, 75, "%2d");
    m_invert = static_cast<unsigned char>(m_header[214]);
    m_lumi_size = m_width * m_height;
    m_data_offset = m_width > 512 ? m_width : 512 / m_width * m_width;
    // A file that cannot hold the first frame is refused before anything is allocated for it.
    fseeko(m_lumi_file.get(), 0, SEEK_END);
    if (ftello(m_lumi_file.get()) < off_t(m_data_offset) + m_lumi_size) {
        Refuse(Format("Invalid luminance file %s: a frame of %d x %d does not fit the file",
                      name.c_str(), m_width, m_height));
        return 0;
    }
    fseeko(m_lumi_file.get(), m_data_offset, SEEK_SET);

    const std::string chroName = ChromaName(name);
    m_chro_file.reset(OpenInputFile(chroName));
    if (!m_chro_file) {
        Report(Format("Could not open %s\n", chroName.c_str()));
        m_chro_plane.clear();
    } else {
        fseeko(m_chro_file.get(), m_data_offset, SEEK_SET);
        m_chro_plane.assign(std::size_t(m_lumi_size), 0);
    }
    if (m_lumi_plane.size() != std::size_t(m_lumi_size))
        m_lumi_plane.assign(std::size_t(m_lumi_size), 0);
    m_bytes_per_pixel = 4;

    const std::uint64_t imageBytes = std::uint64_t(m_lumi_size) * 4;
    if (!texture.m_data.empty())
        Refuse("corrupted LOD input script!");
    if (texture.m_data.size() < imageBytes && !AllocatePixels(texture.m_data, imageBytes)) {
        Refuse("CTexture::Alloc : Insufisant memory");
        return 0;
    }
    m_count1 = m_count2 = 0;
    return 1;
}

int CLumiFile::ReadFrame(int n) {
    m_lumi_size = m_width * m_height;
    if (!m_lumi_file || n < 0) {
        Refuse("Read_Image impossible in_File lumi errone\n");
        return 0;
    }
    const std::size_t size = std::size_t(m_lumi_size);
    const std::int64_t offset = std::int64_t(n) * m_lumi_size + m_data_offset;
    m_lumi_plane.resize(size);
    // A later frame cut short by the end of the file is black where the file ends.
    const std::size_t got = ReadAt(m_lumi_file.get(), offset, m_lumi_plane.data(), size);
    std::fill(m_lumi_plane.begin() + static_cast<std::ptrdiff_t>(got), m_lumi_plane.end(), 0);
    if (m_invert == 1)
        for (std::uint8_t &byte : m_lumi_plane)
            byte = static_cast<std::uint8_t>(255 - byte);
    if (m_chro_file) {
        m_chro_plane.resize(size);
        // A missing or short chrominance frame makes the image grey.
        if (ReadAt(m_chro_file.get(), offset, m_chro_plane.data(), size) != size)
            m_chro_plane.clear();
    }
    return 1;
}

int CLumiFile::ToImage(CTexture &texture) {
    const std::size_t size = std::size_t(m_width) * std::size_t(m_height);
    if (m_lumi_plane.size() < size || texture.m_data.size() < size * 4) {
        Refuse("Y ou DRDB non cree\n");
        return 0;
    }
    std::uint8_t *pixels = texture.m_data.data();
    if (m_chro_plane.size() < size) {
        for (std::size_t i = 0; i < size; ++i)
            pixels[4 * i + 1] = pixels[4 * i + 2] = pixels[4 * i + 3] = m_lumi_plane[i];
        return 1;
    }
    const std::size_t width = std::size_t(m_width);
    for (std::size_t row = 0; row < std::size_t(m_height); ++row) {
        const std::uint8_t *luma = m_lumi_plane.data() + row * width;
        const std::size_t chromaRow = row * width;
        std::uint8_t *out = pixels + (std::size_t(m_height) - 1 - row) * width * 4;
        for (std::size_t col = 0; col < width; ++col, out += 4) {
            // Each pair of chrominance bytes serves two neighbouring pixels.
            const std::size_t pair = chromaRow + col / 2 * 2;
            const int c0 = m_chro_plane[pair];
            const int c1 = pair + 1 < size ? m_chro_plane[pair + 1] : 128;
            const int y = luma[col];
            const int a = y + c0 - 128;
            const int b = y + c1 - 128;
            out[0] = Clamp(a);
            out[1] = Clamp((1744 * y - 522 * a - 199 * b) >> 10);
            out[2] = Clamp(b);
        }
    }
    return 1;
}

} // namespace ventrel
