// JPEG files: the real-world test bed, library errors under their caption, writing and row helpers.
#include "ImageTestSupport.h"
#include "TestFolder.h"

#include "image/JpegFile.h"
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

namespace ventrel {
namespace {

using test::PictureFingerprint;
using test::TestFolder;

struct Expected {
    const char *file;
    int width, height;
    std::uint64_t fingerprint; // of the decoded RGB rows, as libjpeg's own djpeg writes them
};

constexpr Expected kGoodJpegs[] = {
    {"app13.jpg", 4, 4, 0x7a7421641109a5e7ull},
    {"exif-xmp-metadata.jpg", 5, 5, 0x92e99ad15bd938ccull},
    {"extraneous-bytes-after-sos.jpg", 1744, 2464, 0x03687e22d43657f2ull},
    {"extraneous-data.jpg", 16, 16, 0x85258368b5f65598ull},
    {"grayscale_24x16_sampling2x2.jpg", 24, 16, 0x9314d29d9d7d6688ull},
    {"grayscale_long.jpg", 1, 1000, 0x10abda32343b38d7ull},
    {"hopper.jpg", 128, 128, 0x7f9673b5bd70bde5ull},
    {"hopper_16bit_qtables.jpg", 128, 128, 0x1bb8c1420a7633bcull},
    {"jpg-size-1x1.jpg", 1, 1, 0xa3275c196f0a2e8cull},
    {"jpg-size-5x5.jpg", 5, 5, 0x4094f942b194ccd4ull},
    {"junk_jpeg_header.jpg", 1024, 768, 0x16e357d2dd4225c9ull},
    {"multiple-0xff-before-eoi.jpg", 640, 480, 0x5bab44d12f75664eull},
    {"non-interleaved-mcu.jpg", 64, 16, 0x4f16115dcd5d2325ull},
    {"orientation_rectangle.jpg", 2, 1, 0x63a313316f2fcb3dull},
    {"progressive_32x23.jpg", 32, 23, 0x07d1ba19f7ba9f7full},
    {"restarts.jpg", 33, 33, 0x3b0b131af65aa4a9ull},
    {"testimggray.jpg", 227, 149, 0x74f8b820143583deull},
    {"testimgp.jpg", 227, 149, 0x0cc30ec4defc0ec6ull},
    {"testorig.jpg", 227, 149, 0x6636942c099383b0ull},
};

TEST(JpegFile, EveryGoodRealFileLoadsWithItsSizeAndPixels) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    const auto folder = test::RealData() / "jpeg" / "good";
    std::size_t count = 0;
    for (const auto &expected : kGoodJpegs) {
        SCOPED_TRACE(expected.file);
        HeadlessUi ui;
        CTexture texture(ui);
        ASSERT_EQ(texture.ReadFile((folder / expected.file).string(), -1, -1, -1), 1);
        EXPECT_TRUE(ui.Messages().empty());
        EXPECT_EQ(texture.GetWidth(), expected.width);
        EXPECT_EQ(texture.GetHeight(), expected.height);
        EXPECT_EQ(texture.GetDepth(), 24u);
        EXPECT_EQ(texture.GetDataSize(), texture.GetWidthByte32() * unsigned(expected.height));
        EXPECT_EQ(PictureFingerprint(texture, false), expected.fingerprint);
        // Flipped into the bitmap order, the picture is the same.
        ASSERT_EQ(texture.FlipRowsSwapRB(), 1);
        EXPECT_EQ(PictureFingerprint(texture, true), expected.fingerprint);
        ++count;
    }
    EXPECT_EQ(count, std::size_t(std::distance(std::filesystem::directory_iterator(folder), {})));
}

TEST(JpegFile, EveryBadRealFileIsRefusedWithTheLibrarysMessageOrRecovered) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    const auto folder = test::RealData() / "jpeg" / "bad";
    // Files libjpeg reads with only a warning (damaged data is filled in), and arithmetic coding,
    // which it supports.
    const std::map<std::string, std::pair<int, int>> recovered = {
        {"dc-predictor-overflow.jpg", {144, 144}},
        {"truncated_jpeg.jpg", {100, 100}},
        {"testimgari.jpg", {227, 149}},
    };
    const std::map<std::string, std::string> refused = {
        {"derive-huffman-codes-overflow.jpg", "Bogus Huffman table definition"},
        {"empty.jpg", "Empty input file"},
        {"invalid-dimensions.jpg", "Empty JPEG image (DNL not supported)"},
        {"invalid-prediction-shift.jpg", "Unsupported JPEG process: SOF type 0xc3"},
        {"jpg-size-6x6_is_png.jpg", "Not a JPEG file: starts with 0x89 0x50"},
        {"max_size.jpg", "Maximum supported image dimension is 65500 pixels"},
        {"missing-sof.jpg", "JPEG datastream contains no image"},
        {"missing-sos.jpg", "Invalid JPEG file structure: missing SOS marker"},
        {"null_height.jpg", "Empty JPEG image (DNL not supported)"},
        {"oss-fuzz-36829.jpeg", "Invalid component ID 93 in SOS"},
        {"testorig12.jpg", "Unsupported JPEG data precision 12"},
    };
    int count = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        HeadlessUi ui;
        int width = -1, height = -1;
        const auto pixels = ReadJpeg(ui, entry.path().string(), width, height);
        if (recovered.count(name)) {
            EXPECT_EQ(std::make_pair(width, height), recovered.at(name));
            EXPECT_EQ(pixels.size(), std::size_t(width) * height * 3);
            EXPECT_TRUE(ui.Messages().empty());
        } else if (refused.count(name)) {
            EXPECT_TRUE(pixels.empty());
            EXPECT_EQ(width, 0);
            ASSERT_EQ(ui.Messages().size(), 1u);
            EXPECT_EQ(ui.Messages()[0].caption, "JPEG Fatal Error");
            EXPECT_EQ(ui.Messages()[0].text, refused.at(name));
        } else {
            // Four-component (CMYK) files are not taken for RGB.
            EXPECT_EQ(name, "jpg-cmyk-1.jpg");
            EXPECT_TRUE(pixels.empty());
            ASSERT_EQ(ui.Messages().size(), 1u);
            EXPECT_EQ(ui.Messages()[0].text, "JPEG :\nUnsupported colour space (4 components) in " +
                                                 entry.path().string() + "\n");
        }
        ++count;
    }
    EXPECT_EQ(count, 15);
}

TEST(JpegFile, GreyFilesGiveEqualTriplesAndRowsArePacked) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    HeadlessUi ui;
    int width = 0, height = 0;
    const auto grey =
        ReadJpeg(ui, (test::RealData() / "jpeg/good/testimggray.jpg").string(), width, height);
    ASSERT_EQ(grey.size(), 227u * 149 * 3);
    for (std::size_t i = 0; i < grey.size(); i += 3) {
        ASSERT_EQ(grey[i], grey[i + 1]);
        ASSERT_EQ(grey[i], grey[i + 2]);
    }
    const auto five =
        ReadJpeg(ui, (test::RealData() / "jpeg/good/jpg-size-5x5.jpg").string(), width, height);
    EXPECT_EQ(five.size(), 75u);
    const auto aligned = ReadJpegAligned(
        ui, (test::RealData() / "jpeg/good/jpg-size-5x5.jpg").string(), width, height);
    ASSERT_EQ(aligned.size(), 80u);
    EXPECT_TRUE(std::equal(five.begin() + 15, five.begin() + 30, aligned.begin() + 16));
    EXPECT_EQ(ReadJpegSize(ui, (test::RealData() / "jpeg/good/hopper.jpg").string(), width, height),
              1);
    EXPECT_EQ(width, 128);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(JpegFile, AMissingFileIsReportedAndTheProgramGoesOn) {
    TestFolder folder;
    HeadlessUi ui;
    const std::string missing = (folder / "tin.jpg").string();
    int width = 7, height = 7;
    EXPECT_TRUE(ReadJpeg(ui, missing, width, height).empty());
    EXPECT_EQ(width, 0);
    EXPECT_EQ(ReadJpegSize(ui, missing, width, height), 0);
    CTexture texture(ui);
    EXPECT_EQ(texture.ReadFile(missing), 0);
    ASSERT_EQ(ui.Messages().size(), 3u);
    for (const auto &message : ui.Messages())
        EXPECT_EQ(message.text, "JPEG :\nCan't open " + missing + "\n");
    // A file that is no JPEG fails the size query too.
    const auto text = folder.Write("text.jpg", "not a picture");
    EXPECT_EQ(ReadJpegSize(ui, text.string(), width, height), 0);
    EXPECT_EQ(ui.Messages().back().caption, "JPEG Fatal Error");
}

TEST(JpegFile, WrittenFilesReadBackInColourAndInGrey) {
    TestFolder folder;
    HeadlessUi ui;
    std::vector<std::uint8_t> rgb(16 * 8 * 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            std::uint8_t *p = &rgb[(y * 16 + x) * 3];
            p[0] = static_cast<std::uint8_t>(x * 16);
            p[1] = static_cast<std::uint8_t>(y * 32);
            p[2] = 128;
        }
    const std::string colourName = (folder / "colour.jpg").string();
    ASSERT_EQ(WriteJpeg(ui, colourName, rgb, 16, 8, 1, 95), 1);
    int width = 0, height = 0;
    const auto back = ReadJpeg(ui, colourName, width, height);
    ASSERT_EQ(back.size(), rgb.size());
    // Lossy, and colour is stored at half resolution: close on average, never far off.
    double error = 0;
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        ASSERT_NEAR(back[i], rgb[i], 32) << i;
        error += std::abs(back[i] - rgb[i]);
    }
    EXPECT_LT(error / rgb.size(), 4.0);

    const std::string greyName = (folder / "grey.jpg").string();
    ASSERT_EQ(WriteJpeg(ui, greyName, rgb, 16, 8, 0, 95), 1);
    const auto grey = ReadJpeg(ui, greyName, width, height);
    ASSERT_EQ(grey.size(), rgb.size());
    // Pixel (15, 7): 0.299 x 240 + 0.587 x 224 + 0.114 x 128 = 217.
    EXPECT_NEAR(grey[(7 * 16 + 15) * 3], 217, 4);
    EXPECT_EQ(grey[0], grey[1]);
    EXPECT_TRUE(ui.Messages().empty());

    EXPECT_EQ(WriteJpeg(ui, (folder / "none.jpg").string(), {}, 16, 8, 1, 90), 0);
    EXPECT_EQ(
        WriteJpeg(ui, (folder / "short.jpg").string(), std::span(rgb).first(10), 16, 8, 1, 90), 0);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(WriteJpeg(ui, "/nonexistent-folder/x.jpg", rgb, 16, 8, 1, 90), 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "JpegFile :\nCan't open /nonexistent-folder/x.jpg\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

TEST(JpegFile, TextureLoadRefusesWhenPixelsAreStillHeld) {
    TestFolder folder;
    HeadlessUi ui;
    std::vector<std::uint8_t> rgb(4 * 4 * 3, 200);
    const std::string name = (folder / "plain.jpg").string();
    ASSERT_EQ(WriteJpeg(ui, name, rgb, 4, 4, 1, 90), 1);
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(2, 2, 24), 1);
    EXPECT_EQ(texture.ReadFileJpg(name), 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "***memory not desallocated in ReadFileJpg!");
    ASSERT_EQ(texture.ReadFile(name), 1);
    EXPECT_EQ(texture.GetWidth(), 4);
}

// A small JPEG file whose frame header declares another size: the data it holds covers only a
// corner, the library fills in the rest (with a warning).
std::string JpegDeclaring(const TestFolder &folder, const std::string &file, int width,
                          int height) {
    HeadlessUi ui;
    const std::string name = (folder / file).string();
    std::vector<std::uint8_t> rgb(16 * 16 * 3, 120);
    EXPECT_EQ(WriteJpeg(ui, name, rgb, 16, 16, 1, 90), 1);
    std::string bytes;
    {
        std::ifstream in(name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::size_t frame = bytes.find("\xff\xc0");
    EXPECT_NE(frame, std::string::npos);
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width);
    std::ofstream(name, std::ios::binary) << bytes;
    return name;
}

TEST(JpegFile, PicturesUsedSmallAreDecodedAtAReducedScaleAndHugeOnesRefused) {
    TestFolder folder;
    // A tiny file claiming 9000 x 9000: as a texture used at 4096 a side, half the size is
    // enough; read whole, it would take 243 MB.
    const std::string huge = JpegDeclaring(folder, "huge.jpg", 9000, 9000);
    {
        HeadlessUi ui;
        CTexture texture(ui);
        texture.LimitSide(4096);
        ASSERT_EQ(texture.ReadFile(huge), 1);
        EXPECT_EQ(texture.GetWidth(), 4500);
        EXPECT_EQ(texture.GetHeight(), 4500);
    }
    // Beyond eight times the side it is used at, a file is refused before anything is decoded.
    {
        HeadlessUi ui;
        CTexture texture(ui);
        texture.LimitSide(1000);
        EXPECT_EQ(texture.ReadFile(huge), 0);
        EXPECT_EQ(texture.GetData(), nullptr);
        ASSERT_EQ(ui.Messages().size(), 1u);
        EXPECT_EQ(ui.Messages()[0].text,
                  "JPEG :\n" + huge +
                      " is 9000 x 9000 pixels: a texture may not be larger than 8000 pixels a "
                      "side\n");
    }
    // Read whole, a picture beyond the image size limit is refused, saying so, before its pixels
    // are allocated.
    {
        HeadlessUi ui;
        int width = -1, height = -1;
        const std::string wide = JpegDeclaring(folder, "wide.jpg", 65000, 2000);
        EXPECT_TRUE(ReadJpeg(ui, wide, width, height).empty());
        EXPECT_EQ(width, 0);
        ASSERT_EQ(ui.Messages().size(), 1u);
        EXPECT_EQ(ui.Messages()[0].text,
                  "JPEG :\n" + wide +
                      " is 65000 x 2000 pixels: more than the 256 MB an image may take\n");
    }
    // The smallest scale that keeps each side at the limit, or whole when it is shorter.
    const std::string photo = JpegDeclaring(folder, "photo.jpg", 3000, 1200);
    const std::string strip = JpegDeclaring(folder, "strip.jpg", 3000, 200);
    for (const auto &[file, limit, width, height] :
         {std::tuple{photo, 1000, 2625, 1050}, std::tuple{photo, 5000, 3000, 1200},
          std::tuple{photo, 400, 1125, 450}, std::tuple{strip, 1000, 3000, 200}}) {
        HeadlessUi ui;
        int w = 0, h = 0;
        EXPECT_FALSE(ReadJpegAligned(ui, file, w, h, limit).empty());
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(width, height)) << file << " " << limit;
    }
}

TEST(JpegFile, RealFilesWithinTheLimitAreReadWhole) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    for (const auto &expected : kGoodJpegs) {
        SCOPED_TRACE(expected.file);
        HeadlessUi ui;
        CTexture texture(ui);
        texture.LimitSide(std::max(expected.width, expected.height));
        ASSERT_EQ(texture.ReadFile((test::RealData() / "jpeg" / "good" / expected.file).string()),
                  1);
        EXPECT_EQ(PictureFingerprint(texture, false), expected.fingerprint);
    }
}

TEST(JpegFile, PackAndAlignRows) {
    std::vector<std::uint8_t> padded(16 * 2, 0xee);
    for (int i = 0; i < 15; ++i)
        padded[i] = padded[16 + i] = static_cast<std::uint8_t>(i);
    const auto packed = PackRows(padded, 5, 2, 16);
    ASSERT_EQ(packed.size(), 30u);
    EXPECT_EQ(packed[15], 0);
    EXPECT_EQ(packed[29], 14);
    EXPECT_TRUE(PackRows({}, 5, 2, 16).empty());
    EXPECT_TRUE(PackRows(std::span(padded).first(20), 5, 2, 16).empty());

    int stride = 0;
    const auto aligned = AlignRows(packed, 5, 2, stride);
    EXPECT_EQ(stride, 16);
    ASSERT_EQ(aligned.size(), 32u);
    EXPECT_TRUE(std::equal(aligned.begin() + 16, aligned.begin() + 31, padded.begin() + 16));
    EXPECT_TRUE(AlignRows(std::span(packed).first(29), 5, 2, stride).empty());
}

} // namespace
} // namespace ventrel
