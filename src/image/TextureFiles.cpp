// Reading and saving a texture by the ending of its file name: JPEG, RAW and luminance files.
#include "image/Texture.h"

#include "image/JpegFile.h"
#include "image/LumiFile.h"
#include "platform/AtomicFile.h"
#include "platform/LowerCase.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace ventrel {

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

int CTexture::ReadFile(const std::string &name, int rawWidth, int rawHeight, int rawDepth) {
    m_data.clear();
    m_data.shrink_to_fit();
    int result = 0;
    if (EndsWithNoCase(name, ".bmp"))
        result = ReadFileBMP(name);
    else if (EndsWithNoCase(name, ".jpg"))
        result = ReadFileJpg(name);
    else if (EndsWithNoCase(name, ".raw"))
        result = ReadFileRAW(name, rawWidth, rawHeight, rawDepth);
    else if (EndsWithNoCase(name, "lumi"))
        result = ReadFileLumi(name);
    else
        Message(Format("CTexture::ReadFile : invalid file redirection : %s\n", name.c_str()));
    // A failed read leaves no pixels behind.
    if (!result)
        Free();
    return result;
}

int CTexture::ReadFileJpg(const std::string &name) {
    m_file_name = name;
    if (!m_data.empty()) {
        Message("***memory not desallocated in ReadFileJpg!");
        return 0;
    }
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels = ReadJpegAligned(m_ui, name, width, height, m_largest_side);
    if (pixels.empty())
        return 0;
    Install(std::move(pixels), width, height, 24);
    m_data_size = static_cast<unsigned>(m_data.size());
    return 1;
}

int CTexture::ReadFileRAW(const std::string &name, int width, int height, int depth) {
    std::string reason;
    std::unique_ptr<std::FILE, FileCloser> file(OpenInputFile(name, &reason));
    if (!file) {
        Message(WithReason("Unable to open file for reading " + name, reason));
        return 0;
    }
    if (!Alloc(width, height, depth))
        return 0;
    // The file's rows are packed; in memory they are padded to the row size.
    const std::size_t packed = std::size_t(width) * unsigned(depth) / 8;
    for (int row = 0; row < height; ++row) {
        if (std::fread(m_data.data() + std::size_t(row) * m_widthbyte32, 1, packed, file.get()) !=
            packed) {
            Message(Format("Error during reading image: %s is too short", name.c_str()));
            return 0;
        }
    }
    m_file_name = name;
    return 1;
}

int CTexture::ReadFileLumi(const std::string &name) {
    m_lumi = std::make_unique<CLumiFile>(m_ui);
    if (!m_lumi->Open(*this, name))
        return 0;
    m_depth = 32;
    m_lumi_frame = 0;
    if (!m_lumi->ReadFrame(0) || !m_lumi->ToImage(*this))
        return 0;
    m_file_name = name;
    UpdateHeader();
    return 1;
}

int CTexture::SaveFile(const std::string &name) {
    if (EndsWithNoCase(name, ".raw"))
        return SaveFileRAW(name);
    if (EndsWithNoCase(name, ".bmp"))
        return SaveFileBMP(name);
    Message(Format("CTexture::SaveFile : invalid file redirection : %s\n", name.c_str()));
    return 0;
}

int CTexture::SaveFileRAW(const std::string &name) {
    if (std::uint64_t(std::max(m_width, 0)) * std::max(m_height, 0) * m_depth == 0 ||
        m_data.empty()) {
        Message("CTexture::SaveFileRAW : invalid image");
        return 0;
    }
    // The whole file is replaced, so a shorter image leaves nothing of a longer previous file.
    AtomicFile file;
    if (!file.Open(name)) {
        Message("Unable to open file for writing " + file.Error());
        return 0;
    }
    const std::size_t packed = std::size_t(m_width) * m_depth / 8;
    for (int row = 0; row < m_height; ++row) {
        const std::size_t at = std::size_t(row) * m_widthbyte32;
        if (at + packed > m_data.size() || !file.Write(m_data.data() + at, packed)) {
            Message("Error during writing image\n" +
                    (file.Error().empty() ? name + ": the image is shorter than its size"
                                          : file.Error()));
            return 0;
        }
    }
    if (!file.Commit()) {
        Message("Error during writing image\n" + file.Error());
        return 0;
    }
    return 1;
}

} // namespace ventrel
