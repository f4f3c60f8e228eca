// Luminance/chrominance pairs: header families, data offsets, grey and colour conversion.
#include "TestFolder.h"

#include "image/LumiFile.h"
#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace ventrel {
namespace {

using test::TestFolder;

struct LumiHeader {
    std::string tag = "IMAG02";
    int width = 0, height = 0, param = 0;
    bool fourTwoTwo = false;
    char invert = 0;
};

// A plane file: the 720-byte text header, with the frames written from the data offset on
// (which lies inside the header for widths up to 512).
std::string PlaneFile(const LumiHeader &h, const std::vector<std::uint8_t> &frames, int offset) {
    std::string bytes(std::max<std::size_t>(720, offset + frames.size()), ' ');
    bytes.replace(0, h.tag.size(), h.tag);
    if (h.fourTwoTwo)
        bytes.replace(8, 5, "4:2:2");
    const bool imag03 = h.tag != "IMAG02" && h.tag.substr(0, 4) == "IMAG" &&
                        (h.tag == "IMAG03" || h.tag == "IMAG 3");
    const int at = imag03 ? 82 : 76;
    char fields[13];
    std::snprintf(fields, sizeof fields, "%4d%4d%4d", h.width, h.height, h.param);
    bytes.replace(at, 12, fields);
    bytes[75] = '7';
    bytes[214] = h.invert;
    std::copy(frames.begin(), frames.end(), bytes.begin() + offset);
    return bytes;
}

std::vector<std::uint8_t> Plane(std::size_t size, std::uint8_t first, int step = 1) {
    std::vector<std::uint8_t> plane(size);
    for (std::size_t i = 0; i < size; ++i)
        plane[i] = static_cast<std::uint8_t>(first + int(i) * step);
    return plane;
}

TEST(LumiFile, DataOffsetsFollowTheWidth) {
    TestFolder folder;
    for (const auto &[width, offset] : {std::pair{256, 512}, {720, 720}, {100, 500}, {600, 600}}) {
        SCOPED_TRACE(width);
        HeadlessUi ui;
        CTexture texture(ui);
        const auto path = folder.Write(
            "seqlumi", PlaneFile({"IMAG02", width, 2, 33}, Plane(width * 2, 1), offset));
        ASSERT_EQ(texture.ReadFile(path.string()), 1);
        ASSERT_NE(texture.GetLumi(), nullptr);
        EXPECT_EQ(texture.GetLumi()->DataOffset(), offset);
        EXPECT_EQ(texture.GetLumiParam(), 33);
        EXPECT_EQ(texture.GetLumi()->HeaderNumber(), 7);
        EXPECT_EQ(texture.GetLumiFrame(), 0);
        // Grey without a chrominance file: the first pixel's luminance is 1.
        EXPECT_EQ(texture.GetData()[1], 1);
    }
}

TEST(LumiFile, WithoutChrominanceTheImageIsGreyInFileOrder) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    const auto path =
        folder.Write("greylumi", PlaneFile({"IMAG02", 256, 3, 0}, Plane(256 * 3, 10), 512));
    ASSERT_EQ(texture.ReadFile(path.string()), 1);
    EXPECT_EQ(texture.GetWidth(), 256);
    EXPECT_EQ(texture.GetHeight(), 3);
    EXPECT_EQ(texture.GetDepth(), 32u);
    EXPECT_EQ(texture.GetWidthByte32(), 1024u);
    EXPECT_EQ(texture.GetFileName(), path.string());
    EXPECT_FALSE(texture.GetLumi()->HasChroma());
    const std::uint8_t *d = texture.GetData();
    EXPECT_EQ((std::vector<int>{d[0], d[1], d[2], d[3]}), (std::vector<int>{0, 10, 10, 10}));
    const std::size_t last = (256 * 3 - 1) * 4;
    const std::uint8_t y = static_cast<std::uint8_t>(10 + 256 * 3 - 1);
    EXPECT_EQ((std::vector<int>{d[last + 1], d[last + 2], d[last + 3]}),
              (std::vector<int>{y, y, y}));
    ASSERT_EQ(ui.Statuses().size(), 1u);
    EXPECT_EQ(ui.Statuses()[0], "Could not open " + (folder / "greychro").string() + "\n");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(LumiFile, ChrominanceGivesColourWithRowsReversed) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    const LumiHeader header{"IMAG 3", 4, 2, 5, true};
    std::vector<std::uint8_t> luma = {100, 100, 250, 0, 1, 2, 3, 4};
    std::vector<std::uint8_t> chroma = {150, 90, 250, 0, 128, 128, 128, 128};
    folder.Write("clip_lumi", PlaneFile(header, luma, 512));
    folder.Write("clip_chro", PlaneFile(header, chroma, 512));
    ASSERT_EQ(texture.ReadFile((folder / "clip_lumi").string()), 1);
    EXPECT_EQ(texture.GetLumi()->ChromaMode(), 2);
    EXPECT_EQ(texture.GetLumi()->DataOffset(), 512);
    EXPECT_EQ(texture.GetLumiParam(), 5);
    ASSERT_TRUE(texture.GetLumi()->HasChroma());
    // Plane row 0 lands in the last texture row (row 1, bytes 16..31).
    const std::uint8_t *row = texture.GetData() + 16;
    // Y 100 with c0 150, c1 90: a = 122, b = 62, (1744 Y - 522 a - 199 b) >> 10 = 96.
    EXPECT_EQ((std::vector<int>{row[0], row[1], row[2]}), (std::vector<int>{122, 96, 62}));
    EXPECT_EQ((std::vector<int>{row[4], row[5], row[6]}), (std::vector<int>{122, 96, 62}));
    // Y 250 with c0 250, c1 0: a clamps to 255, b = 122.
    EXPECT_EQ(row[8], 255);
    EXPECT_EQ(row[10], 122);
    // Plane row 1 (neutral chrominance) is texture row 0: Y 1 gives (1, 1023 >> 10 = 0, 1).
    EXPECT_EQ((std::vector<int>{texture.GetData()[0], texture.GetData()[1], texture.GetData()[2]}),
              (std::vector<int>{1, 0, 1}));
}

TEST(LumiFile, InvertedLuminanceAndShortChrominance) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    LumiHeader header{"IMAG02", 256, 1, 0};
    header.invert = 1;
    // The chrominance file has too little for one frame: the image is grey.
    std::vector<std::uint8_t> frame(256, 0);
    frame[0] = 10;
    frame[3] = 40;
    folder.Write("cutlumi", PlaneFile(header, frame, 512));
    folder.Write("cutchro", PlaneFile(header, {}, 512).substr(0, 600));
    ASSERT_EQ(texture.ReadFile((folder / "cutlumi").string()), 1);
    EXPECT_FALSE(texture.GetLumi()->HasChroma());
    // The luminance bytes are stored inverted.
    EXPECT_EQ(texture.GetData()[1], 245);
    EXPECT_EQ(texture.GetData()[3 * 4 + 1], 215);
    EXPECT_EQ(texture.GetData()[255 * 4 + 1], 255);
}

TEST(LumiFile, BadFilesAreRefusedWithoutEndingTheProgram) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    EXPECT_EQ(texture.ReadFile((folder / "nonelumi").string()), 0);
    ASSERT_EQ(ui.Statuses().size(), 1u);
    EXPECT_EQ(ui.Statuses()[0], "Could not open " + (folder / "nonelumi").string() + "\n");

    const auto zero = folder.Write("zerolumi", PlaneFile({"IMAG02", 0, 10, 0}, {}, 0));
    EXPECT_EQ(texture.ReadFile(zero.string()), 0);
    const auto shortHeader = folder.Write("shortlumi", std::string("IMAG02 ", 7));
    EXPECT_EQ(texture.ReadFile(shortHeader.string()), 0);
    const auto huge = folder.Write("hugelumi", PlaneFile({"IMAG02", 9999, 9999, 0}, {}, 0));
    EXPECT_EQ(texture.ReadFile(huge.string()), 0);
    const auto negative = folder.Write("neglumi", PlaneFile({"IMAG02", 16, -4, 0}, {}, 0));
    EXPECT_EQ(texture.ReadFile(negative.string()), 0);
    // A frame of 256 bytes from offset 512 does not fit a 720-byte file.
    const auto cut = folder.Write("cutlumi", PlaneFile({"IMAG02", 256, 1, 0}, {}, 0));
    EXPECT_EQ(texture.ReadFile(cut.string()), 0);
    ASSERT_EQ(ui.Messages().size(), 5u);
    EXPECT_EQ(ui.Messages()[4].text, "Invalid luminance file " + cut.string() +
                                         ": a frame of 256 x 1 does not fit the file");
    EXPECT_EQ(ui.Messages()[0].text,
              "Invalid luminance file " + zero.string() + ": image size 0 x 10");
    EXPECT_EQ(ui.Messages()[1].text, "Invalid luminance file " + shortHeader.string() +
                                         ": its header is shorter than 720 bytes");
    EXPECT_EQ(texture.IsValid(), 0);
    EXPECT_EQ(texture.GetLumi(), nullptr);
}

TEST(LumiFile, ChrominanceNameReplacesTheFirstLumiOfTheFileName) {
    EXPECT_EQ(CLumiFile::ChromaName("seq_lumi"), "seq_chro");
    EXPECT_EQ(CLumiFile::ChromaName("/data/lumi/take1lumi"), "/data/lumi/take1chro");
    EXPECT_EQ(CLumiFile::ChromaName("lumi_a_lumi"), "chro");
    EXPECT_EQ(CLumiFile::ChromaName("SHOTLUMI"), "SHOTchro");
}

} // namespace
} // namespace ventrel
