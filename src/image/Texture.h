// The in-memory image of the program: 24- or 32-bit pixels with the bitmap header that describes
// them.
#pragma once

#include "image/BitmapHeader.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ventrel {

class Canvas;
class CLumiFile;
class Ui;

// No image may take more bytes than this (8192 x 8192 at 32 bits); larger sizes are refused
// before anything is allocated.
inline constexpr std::uint64_t kMaxImageBytes = std::uint64_t(256) << 20;

// Bytes per pixel row of `width` pixels at `depth` bits, rounded up to a multiple of 4.
std::uint64_t RowBytes(std::int64_t width, unsigned depth);

// A zero-filled pixel buffer of `bytes` bytes; false (and nothing allocated) when the size is
// above kMaxImageBytes or memory is short.
bool AllocatePixels(std::vector<std::uint8_t> &pixels, std::uint64_t bytes);

// An image loaded by the ending of its file name (".bmp", ".jpg", ".raw", "lumi"), saved as BMP or
// RAW, drawn on a Canvas and handed to OpenGL as a texture. Pixel rows are always `WidthByte32()`
// bytes apart. Rows from BMP files are bottom-up BGR; rows from JPEG files are top-down RGB until
// FlipRowsSwapRB turns them into the bitmap order. Every failure is shown through the Ui and
// returns 0; nothing throws.
class CTexture {
public:
    explicit CTexture(Ui &ui);
    virtual ~CTexture();
    CTexture(const CTexture &) = delete;
    CTexture &operator=(const CTexture &) = delete;

    // Uninitialised-looking (zeroed) pixels of the given size; the header describes them.
    int Alloc(int width, int height, int depth);
    // Like Alloc, and records the buffer's byte count in DataSize().
    int Create(int width, int height, int depth);
    // Takes the buffer as the pixels (rows of the padded size); 0 when it is too small.
    int Attach(std::vector<std::uint8_t> pixels, int width, int height, int depth);
    // Copies packed rows (width x depth/8 bytes each) into padded rows; 0 on an empty source.
    int CopyFrom(std::span<const std::uint8_t> source, int width, int height, int depth);
    // Drops the pixels and the luminance reader; sizes and depth become 0.
    void Free();

    // Reads the file by its ending; the RAW sizes are used for ".raw" only (pass -1 otherwise).
    int ReadFile(const std::string &name, int rawWidth = -1, int rawHeight = -1, int rawDepth = -1);
    int ReadFileJpg(const std::string &name);
    // The most pixels a side the picture is used at (0: no limit): JPEG files beyond it are
    // decoded at a reduced scale, and those far beyond it refused (see ReadJpegAligned).
    void LimitSide(int side) { m_largest_side = side; }
    // Writes ".bmp" or ".raw" by the name's ending.
    int SaveFile(const std::string &name);
    int SaveFileRAW(const std::string &name);
    int SaveFileBMP(const std::string &name);

    // Recomputes the row size and rewrites the bitmap header from the size and depth.
    void UpdateHeader();

    int IsValid() const;
    int HasAlpha() const { return m_depth == 32; }
    int SameSize(const CTexture &other) const;
    int IsPowerOf2Size() const;
    static int NextPowerOf2(int n);

    std::uint8_t *GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const std::uint8_t *GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    unsigned GetDepth() const { return m_depth; }
    std::string GetFileName() const { return m_file_name; }
    unsigned GetWidthByte32() const { return m_widthbyte32; }
    const BitmapInfoHeader &GetHeader() const { return m_header; }
    // Byte count recorded by the JPEG reader and Create (0 for other sources).
    unsigned GetDataSize() const { return m_data_size; }
    // Bytes actually held in the pixel buffer.
    std::size_t GetBufferSize() const { return m_data.size(); }
    int GetLumiFrame() const { return m_lumi_frame; }
    int GetLumiParam() const { return m_lumi_param; }
    CLumiFile *GetLumi() const { return m_lumi.get(); }

    // Turns top-down RGB rows into bottom-up BGR rows (the order of bitmaps) in place.
    int FlipRowsSwapRB();
    // Draws the lower-left width x height part (-1: the whole image) with its top-left at (x, y);
    // returns the number of scan lines, 0 when there is no image.
    int Draw(Canvas &canvas, int x, int y, int width = -1, int height = -1) const;

    // Makes the image 32-bit with the given alpha in every pixel.
    int AddAlphaLayer(int alpha);
    int SetAlpha(int alpha);
    // Alpha = the given value where the mean of a pixel's colour bytes is above 40, else 0.
    int SetAlphaByBrightness(int alpha);
    // Alpha from the brightness of another image of the same size.
    int AlphaFromImage(const CTexture &other);

    // Keeps the rectangle (x0, y0)-(x1, y1), y counted from the top of the displayed image
    // (-1 for x1 or y1: the last column or row); the kept rows come out in reverse order.
    int Extract(int x0, int y0, int x1, int y1);
    // Extract, then a 2 x 2 tile mirrored so that it repeats seamlessly.
    int DuplicateMirror(int x0, int y0, int x1, int y1);
    // Extract, then the image twice side by side.
    int DuplicateSide(int x0, int y0, int x1, int y1);

private:
    friend class CLumiFile;

    int ReadFileBMP(const std::string &name);
    int ReadFileRAW(const std::string &name, int width, int height, int depth);
    int ReadFileLumi(const std::string &name);
    // Installs new pixels of the given size and depth and runs UpdateHeader.
    void Install(std::vector<std::uint8_t> pixels, int width, int height, unsigned depth);
    void Message(const std::string &text) const;

    Ui &m_ui;
    unsigned m_depth = 0;
    BitmapInfoHeader m_header;
    unsigned m_widthbyte32 = 0;
    std::string m_file_name;
    std::vector<std::uint8_t> m_data;
    unsigned m_data_size = 0;
    int m_width = 0;
    int m_height = 0;
    int m_lumi_frame = 0;
    int m_lumi_param = 0;
    int m_largest_side = 0;
    std::unique_ptr<CLumiFile> m_lumi;
};

} // namespace ventrel
