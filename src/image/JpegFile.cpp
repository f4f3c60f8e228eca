// JPEG files to and from plain 24-bit pixel buffers, over libjpeg.
#include "image/JpegFile.h"

#include "image/Texture.h"
#include "platform/AtomicFile.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>

namespace ventrel {

namespace {

// libjpeg's standard error manager with the way back to the calling function. The library sees
// only the first member.
struct ErrorManager {
    jpeg_error_mgr library;
    std::jmp_buf recovery;
    Ui *ui;
};

// Shows the library's message under "JPEG Fatal Error", then returns to the caller's recovery
// point instead of ending the program.
[[noreturn]] void ShowAndRecover(j_common_ptr info) {
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    {
        char text[JMSG_LENGTH_MAX] = {};
        (*info->err->format_message)(info, text);
        manager->ui->MessageBox(text, "JPEG Fatal Error");
    }
    std::longjmp(manager->recovery, 1);
}

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Everything one decoding keeps, outside the frame that the error handler jumps back into.
struct Decoder {
    explicit Decoder(Ui &shown, std::FILE *input) : ui(shown), file(input) {
        info.err = jpeg_std_error(&error.library);
        error.library.error_exit = ShowAndRecover;
        error.ui = &shown;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    Ui &ui;
    std::FILE *file;
    jpeg_decompress_struct info{};
    ErrorManager error{};
    bool aligned = false;
    int largestSide = 0;
    std::size_t stride = 0;
    std::vector<std::uint8_t> pixels;
    std::vector<JSAMPROW> rows;
};

// Reads the header; false after a library error (already shown). No object with a destructor
// lives in this frame, so the error handler may jump back into it.
bool ReadHeader(Decoder &d) {
    if (setjmp(d.error.recovery))
        return false;
    jpeg_create_decompress(&d.info);
    // Images too large to hold make the library fail cleanly instead of taking the memory.
    d.info.mem->max_memory_to_use = static_cast<long>(kMaxImageBytes);
    jpeg_stdio_src(&d.info, d.file);
    jpeg_read_header(&d.info, TRUE);
    return true;
}

// For a picture used at no more than d.largestSide pixels a side: the smallest reduced scale
// (in eighths) that keeps each side at least that long, or whole when shorter. False, with a
// message, when a side is beyond any use.
bool ChooseScale(Decoder &d, const std::string &name) {
    const std::uint64_t width = d.info.image_width, height = d.info.image_height;
    const std::uint64_t largest = std::uint64_t(d.largestSide);
    if (std::max(width, height) > largest * kJpegScaleLimit) {
        d.ui.MessageBox(Format("JPEG :\n%s is %u x %u pixels: a texture may not be larger than "
                               "%u pixels a side\n",
                               name.c_str(), unsigned(width), unsigned(height),
                               unsigned(largest * kJpegScaleLimit)));
        return false;
    }
    if (width <= largest && height <= largest)
        return true;
    const std::uint64_t needWidth = std::min(width, largest),
                        needHeight = std::min(height, largest);
    for (unsigned eighths = 1; eighths < 8; ++eighths)
        if ((width * eighths + 7) / 8 >= needWidth && (height * eighths + 7) / 8 >= needHeight) {
            d.info.scale_num = eighths;
            d.info.scale_denom = 8;
            break;
        }
    return true;
}

// Decodes the whole image into d.pixels; false after a failure (already shown).
bool Decode(Decoder &d, const std::string &name) {
    if (!ReadHeader(d))
        return false;
    if (setjmp(d.error.recovery))
        return false;
    // Grey files come out as equal red, green and blue.
    if (d.info.jpeg_color_space == JCS_GRAYSCALE)
        d.info.out_color_space = JCS_RGB;
    if (d.largestSide > 0 && !ChooseScale(d, name))
        return false;
    jpeg_calc_output_dimensions(&d.info);
    if (d.info.out_color_components != 3) {
        d.ui.MessageBox(Format("JPEG :\nUnsupported colour space (%d components) in %s\n",
                               d.info.out_color_components, name.c_str()));
        return false;
    }
    const std::size_t width = d.info.output_width;
    const std::size_t height = d.info.output_height;
    d.stride = d.aligned ? RowBytes(std::int64_t(width), 24) : width * 3;
    if (std::uint64_t(d.stride) * height > kMaxImageBytes) {
        d.ui.MessageBox(Format("JPEG :\n%s is %zu x %zu pixels: more than the %d MB an image may "
                               "take\n",
                               name.c_str(), width, height, int(kMaxImageBytes >> 20)));
        return false;
    }
    if (!AllocatePixels(d.pixels, std::uint64_t(d.stride) * height)) {
        d.ui.MessageBox("JpegFile :\nOut of memory");
        return false;
    }
    d.rows.resize(height);
    for (std::size_t row = 0; row < height; ++row)
        d.rows[row] = d.pixels.data() + row * d.stride;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height)
        jpeg_read_scanlines(&d.info, d.rows.data() + d.info.output_scanline,
                            d.info.output_height - d.info.output_scanline);
    jpeg_finish_decompress(&d.info);
    return true;
}

std::vector<std::uint8_t> ReadRows(Ui &ui, const std::string &name, int &width, int &height,
                                   bool aligned, int largestSide) {
    width = height = 0;
    std::string reason;
    File file(OpenInputFile(name, &reason));
    if (!file) {
        ui.MessageBox(WithReason(Format("JPEG :\nCan't open %s\n", name.c_str()), reason));
        return {};
    }
    Decoder d(ui, file.get());
    d.aligned = aligned;
    d.largestSide = largestSide;
    bool ok = false;
    try {
        ok = Decode(d, name);
    } catch (const std::bad_alloc &) {
        ui.MessageBox("JpegFile :\nOut of memory");
    }
    if (!ok)
        return {};
    width = static_cast<int>(d.info.output_width);
    height = static_cast<int>(d.info.output_height);
    return std::move(d.pixels);
}

// Everything one encoding keeps, outside the frame that the error handler jumps back into.
struct Encoder {
    explicit Encoder(Ui &shown) : ui(shown) {
        info.err = jpeg_std_error(&error.library);
        error.library.error_exit = ShowAndRecover;
        error.ui = &shown;
    }
    ~Encoder() { jpeg_destroy_compress(&info); }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;

    Ui &ui;
    jpeg_compress_struct info{};
    ErrorManager error{};
    AtomicFile output;
    const std::uint8_t *pixels = nullptr;
    std::size_t rowBytes = 0;
};

// Compresses e.pixels into the file; false after a failure (already shown).
bool Encode(Encoder &e, const std::string &name, int width, int height, bool colour, int quality) {
    if (setjmp(e.error.recovery))
        return false;
    jpeg_create_compress(&e.info);
    if (!e.output.Open(name)) {
        e.ui.MessageBox(Format("JpegFile :\nCan't open %s\n", name.c_str()));
        return false;
    }
    jpeg_stdio_dest(&e.info, e.output.Get());
    e.info.image_width = static_cast<JDIMENSION>(width);
    e.info.image_height = static_cast<JDIMENSION>(height);
    e.info.input_components = colour ? 3 : 1;
    e.info.in_color_space = colour ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(e.pixels + e.rowBytes * e.info.next_scanline);
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

} // namespace

std::vector<std::uint8_t> ReadJpeg(Ui &ui, const std::string &name, int &width, int &height) {
    return ReadRows(ui, name, width, height, false, 0);
}

std::vector<std::uint8_t> ReadJpegAligned(Ui &ui, const std::string &name, int &width, int &height,
                                          int largestSide) {
    return ReadRows(ui, name, width, height, true, largestSide);
}

int ReadJpegSize(Ui &ui, const std::string &name, int &width, int &height) {
    std::string reason;
    File file(OpenInputFile(name, &reason));
    if (!file) {
        ui.MessageBox(WithReason(Format("JPEG :\nCan't open %s\n", name.c_str()), reason));
        return 0;
    }
    Decoder d(ui, file.get());
    if (!ReadHeader(d))
        return 0;
    width = static_cast<int>(d.info.image_width);
    height = static_cast<int>(d.info.image_height);
    return 1;
}

int WriteJpeg(Ui &ui, const std::string &name, std::span<const std::uint8_t> buffer, int width,
              int height, int colour, int quality) {
    if (buffer.empty() || width <= 0 || height <= 0 ||
        buffer.size() < std::uint64_t(width) * std::uint64_t(height) * 3)
        return 0;
    Encoder e(ui);
    std::vector<std::uint8_t> grey;
    if (colour) {
        e.pixels = buffer.data();
        e.rowBytes = std::size_t(width) * 3;
    } else {
        if (!AllocatePixels(grey, std::uint64_t(width) * std::uint64_t(height))) {
            ui.MessageBox("Memory error");
            return 0;
        }
        for (std::size_t i = 0; i < grey.size(); ++i) {
            const std::uint8_t *p = buffer.data() + i * 3;
            grey[i] = static_cast<std::uint8_t>(0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]);
        }
        e.pixels = grey.data();
        e.rowBytes = std::size_t(width);
    }
    if (!Encode(e, name, width, height, colour != 0, quality))
        return 0;
    if (!e.output.Commit()) {
        ui.MessageBox(Format("JpegFile :\nCan't write %s\n", name.c_str()));
        return 0;
    }
    return 1;
}

std::vector<std::uint8_t> PackRows(std::span<const std::uint8_t> source, int width, int height,
                                   int stride) {
    std::vector<std::uint8_t> packed;
    if (source.empty() || width <= 0 || height <= 0 || stride < width * 3)
        return packed;
    const std::size_t rowBytes = std::size_t(width) * 3;
    if (source.size() < std::uint64_t(height - 1) * std::uint64_t(stride) + rowBytes ||
        !AllocatePixels(packed, std::uint64_t(rowBytes) * std::uint64_t(height)))
        return {};
    for (int row = 0; row < height; ++row)
        std::copy_n(source.data() + std::size_t(row) * stride, rowBytes,
                    packed.data() + row * rowBytes);
    return packed;
}

std::vector<std::uint8_t> AlignRows(std::span<const std::uint8_t> source, int width, int height,
                                    int &stride) {
    std::vector<std::uint8_t> aligned;
    if (source.empty() || width <= 0 || height <= 0)
        return aligned;
    const std::size_t rowBytes = std::size_t(width) * 3;
    const std::uint64_t alignedRow = (std::uint64_t(width) * 24 + 31) / 32 * 4;
    if (source.size() < std::uint64_t(rowBytes) * std::uint64_t(height) ||
        !AllocatePixels(aligned, alignedRow * std::uint64_t(height)))
        return {};
    stride = static_cast<int>(alignedRow);
    for (int row = 0; row < height; ++row)
        std::copy_n(source.data() + row * rowBytes, rowBytes, aligned.data() + row * alignedRow);
    return aligned;
}

} // namespace ventrel
