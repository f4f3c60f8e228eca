// Luminance/chrominance image pairs: raw video planes read into a 32-bit texture.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class CTexture;
class Ui;

// The reader of a luminance file (name ending in "lumi", 720-byte text header giving the size)
// and of the chrominance file beside it ("chro" in place of "lumi"). Frame n of each file is one
// plane of width x height bytes at the data offset + n planes. Without a chrominance file the
// image is grey. Problems are reported through the Ui and make the operation return 0.
class CLumiFile {
public:
    static constexpr int kHeaderBytes = 720;

    explicit CLumiFile(Ui &ui);
    virtual ~CLumiFile();
    CLumiFile(const CLumiFile &) = delete;
    CLumiFile &operator=(const CLumiFile &) = delete;

    // Opens the pair, reads the header, gives the texture its size and a 32-bit pixel buffer.
    int Open(CTexture &texture, const std::string &name);
    // Reads frame n of both planes.
    int ReadFrame(int n);
    // Converts the planes into the texture's pixels.
    int ToImage(CTexture &texture);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int ChromaMode() const { return m_chroma_mode; }
    int DataOffset() const { return m_data_offset; }
    int Param() const { return m_param; }
    int HeaderNumber() const { return m_header_number; }
    int Invert() const { return m_invert; }
    int LumiSize() const { return m_lumi_size; }
    bool HasChroma() const { return !m_chro_plane.empty(); }

    // The chrominance file's name: the name cut at the first "lumi" of its file part, + "chro".
    static std::string ChromaName(const std::string &lumiName);

private:
    struct FileCloser {
        void operator()(std::FILE *file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, FileCloser>;

    void Report(const std::string &text) const;
    void Refuse(const std::string &text) const;

    Ui &m_ui;
    int m_double_height = 0;
    int m_reading = 0;
    int m_param = 0;
    int m_count1 = 0;
    int m_count2 = 0;
    int m_width = 0;
    int m_height = 0;
    int m_chroma_mode = 1;
    std::vector<char> m_header;
    int m_data_offset = 0;
    int m_lumi_size = 0;
    int m_invert = 0;
    File m_lumi_file;
    File m_chro_file;
    int m_header_number = 0;
    std::uint8_t m_bytes_per_pixel = 4;
    std::vector<std::uint8_t> m_lumi_plane;
    std::vector<std::uint8_t> m_chro_plane;
    std::string m_name;
};

} // namespace ventrel
