// BMP and RAW files: the real-world test bed, hand-made files for each mend, and round trips.
#include "ImageTestSupport.h"
#include "TestFolder.h"

#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ventrel {
namespace {

using test::BmpBytes;
using test::PictureFingerprint;
using test::TestFolder;

struct Expected {
    const char *file;
    int width, height;
    std::uint64_t fingerprint; // of the picture as top-down RGB, decoded by an independent reader
};

constexpr Expected kGoodBmps[] = {
    {"Info_R8_G8_B8.bmp", 6, 6, 0xc6e52ba550e565e9ull},
    {"Info_R8_G8_B8_Top_Down.bmp", 6, 6, 0xc6e52ba550e565e9ull},
    {"V5_24_Bit.bmp", 435, 353, 0xcd8c0550d90f6ac3ull},
    {"hopper.bmp", 128, 128, 0x9fd5849cfd0b4536ull},
    {"rgb24.bmp", 127, 64, 0x7cd8f819ae69b2afull},
    {"rgb24largepal.bmp", 127, 64, 0x7cd8f819ae69b2afull},
    {"rgb24pal.bmp", 127, 64, 0x7cd8f819ae69b2afull},
    {"rgb24prof.bmp", 127, 64, 0x7cd8f819ae69b2afull},
    {"shira_bird8.bmp", 192, 144, 0x39aef1adf5b3cd96ull},
    {"sky_red_back.bmp", 512, 512, 0xae982feb262e2635ull},
    {"vgl_6434_0018a.bmp", 119, 96, 0x058781e9cdf8ea3dull},
    {"vgl_6548_0026a.bmp", 128, 95, 0x02b1ccd33e096cfdull},
    {"white.bmp", 1, 1, 0xf998341be47bae14ull},
};

TEST(BmpFile, EveryGoodRealFileLoadsWithItsSizeAndPixels) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    const auto folder = test::RealData() / "bmp" / "good";
    std::size_t count = 0;
    for (const auto &expected : kGoodBmps) {
        SCOPED_TRACE(expected.file);
        HeadlessUi ui;
        CTexture texture(ui);
        ASSERT_EQ(texture.ReadFile((folder / expected.file).string(), -1, -1, -1), 1);
        EXPECT_TRUE(ui.Messages().empty());
        EXPECT_EQ(texture.GetWidth(), expected.width);
        EXPECT_EQ(texture.GetHeight(), expected.height);
        EXPECT_EQ(texture.GetDepth(), 24u);
        EXPECT_EQ(texture.GetFileName(), (folder / expected.file).string());
        EXPECT_EQ(PictureFingerprint(texture, true), expected.fingerprint);
        // The header describes the pixels as held: 40 bytes, bottom-up.
        EXPECT_EQ(texture.GetHeader().biSize, 40u);
        EXPECT_EQ(texture.GetHeader().biHeight, expected.height);
        ++count;
    }
    EXPECT_EQ(count, std::size_t(std::distance(std::filesystem::directory_iterator(folder), {})));
}

TEST(BmpFile, EveryBadRealFileIsRefusedWithAMessage) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    const auto folder = test::RealData() / "bmp" / "bad";
    int count = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        HeadlessUi ui;
        CTexture texture(ui);
        EXPECT_EQ(texture.ReadFile(entry.path().string()), 0);
        EXPECT_EQ(texture.IsValid(), 0);
        EXPECT_EQ(texture.GetData(), nullptr);
        ASSERT_EQ(ui.Messages().size(), 1u);
        const std::string name = entry.path().filename().string();
        const std::string &text = ui.Messages()[0].text;
        if (name == "rgb24rle24.bmp")
            EXPECT_EQ(text, "Unsupported BMP header of 64 bytes in " + entry.path().string());
        else if (name == "reallybig.bmp")
            EXPECT_EQ(text, "BMP image of 3000000 x 2000000 does not fit the file " +
                                entry.path().string());
        else {
            // The message keeps its first words and names the file and the depth it found.
            const std::string prefix =
                "Texture file must have 24 bits depth: " + entry.path().string() + " has ";
            EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
        }
        ++count;
    }
    EXPECT_EQ(count, 17);
}

// Two rows of two pixels: blue, green / red, white (bottom row first).
std::string TwoByTwoRows() {
    return std::string("\xff\x00\x00\x00\xff\x00\x00\x00", 8) +
           std::string("\x00\x00\xff\xff\xff\xff\x00\x00", 8);
}

TEST(BmpFile, PixelsAreReadFromTheOffsetInTheFileHeader) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    const auto path = folder.Write("palette.bmp", BmpBytes(2, 2, TwoByTwoRows(), 124, 1024));
    ASSERT_EQ(texture.ReadFile(path.string()), 1);
    EXPECT_EQ(texture.GetData()[0], 0xff);
    EXPECT_EQ(texture.GetData()[8 + 2], 0xff);
    EXPECT_EQ(texture.GetData()[8 + 3], 0xff);
}

TEST(BmpFile, TopDownFilesLoadUpright) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture upright(ui), topDown(ui);
    const std::string rows = TwoByTwoRows();
    ASSERT_EQ(upright.ReadFile(folder.Write("up.bmp", BmpBytes(2, 2, rows)).string()), 1);
    const std::string reversed = rows.substr(8) + rows.substr(0, 8);
    ASSERT_EQ(topDown.ReadFile(folder.Write("down.bmp", BmpBytes(2, -2, reversed)).string()), 1);
    EXPECT_EQ(topDown.GetHeight(), 2);
    EXPECT_EQ(topDown.GetHeader().biHeight, 2);
    EXPECT_EQ(std::vector<std::uint8_t>(topDown.GetData(), topDown.GetData() + 16),
              std::vector<std::uint8_t>(upright.GetData(), upright.GetData() + 16));
}

TEST(BmpFile, FilesTooShortForTheirSizesAreRefused) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    // One byte of the last row's padding missing.
    const auto cut = folder.Write("cut.bmp", BmpBytes(2, 2, TwoByTwoRows().substr(0, 15)));
    EXPECT_EQ(texture.ReadFile(cut.string()), 0);
    std::string offsetPastEnd = BmpBytes(2, 2, TwoByTwoRows());
    offsetPastEnd[10] = '\x7f';
    const auto far = folder.Write("far.bmp", offsetPastEnd);
    EXPECT_EQ(texture.ReadFile(far.string()), 0);
    const auto header = folder.Write("header.bmp", BmpBytes(2, 2, "").substr(0, 30));
    EXPECT_EQ(texture.ReadFile(header.string()), 0);
    const auto sixteen = folder.Write("sixteen.bmp", BmpBytes(2, 2, TwoByTwoRows(), 40, 0, 16));
    EXPECT_EQ(texture.ReadFile(sixteen.string()), 0);
    const auto notBmp = folder.Write("text.bmp", "hello, this is not a bitmap file at all......");
    EXPECT_EQ(texture.ReadFile(notBmp.string()), 0);
    EXPECT_EQ(texture.ReadFile((folder / "absent.bmp").string()), 0);
    ASSERT_EQ(ui.Messages().size(), 6u);
    EXPECT_EQ(ui.Messages()[0].text, "BMP image of 2 x 2 does not fit the file " + cut.string());
    EXPECT_EQ(ui.Messages()[1].text, "Invalid BMP pixel offset 127 in " + far.string());
    EXPECT_EQ(ui.Messages()[2].text,
              "Error during reading image header: " + header.string() + " is too short");
    EXPECT_EQ(ui.Messages()[3].text,
              "Texture file must have 24 bits depth: " + sixteen.string() + " has 16");
    EXPECT_EQ(ui.Messages()[4].text, "Invalid BMP file: " + notBmp.string());
    EXPECT_EQ(ui.Messages()[5].text,
              "Unable to open file for reading " + (folder / "absent.bmp").string());
}

TEST(BmpFile, EndingsAreComparedInLowerCase) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    EXPECT_EQ(texture.ReadFile(folder.Write("UP.BMP", BmpBytes(2, 2, TwoByTwoRows())).string()), 1);
    EXPECT_EQ(texture.ReadFile("photo.jpeg"), 0);
    EXPECT_EQ(texture.ReadFile("picture.tif"), 0);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].text,
              "CTexture::ReadFile : invalid file redirection : photo.jpeg\n");
    EXPECT_EQ(texture.SaveFile((folder / "x.png").string()), 0);
    EXPECT_EQ(ui.Messages().back().text, "CTexture::SaveFile : invalid file redirection : " +
                                             (folder / "x.png").string() + "\n");
}

TEST(BmpFile, SavedFilesHoldPaddedRowsAndReadBackTheSame) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(5, 3, 24), 1);
    for (std::size_t i = 0; i < texture.GetBufferSize(); ++i)
        texture.GetData()[i] = static_cast<std::uint8_t>(i * 7);
    folder.Write("out.bmp", std::string(500, 'x'));
    ASSERT_EQ(texture.SaveFile((folder / "out.bmp").string()), 1);
    const std::string bytes = folder.Read("out.bmp");
    ASSERT_EQ(bytes.size(), 16u * 3 + 54);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 54);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 16 * 3 + 54);
    CTexture again(ui);
    ASSERT_EQ(again.ReadFile((folder / "out.bmp").string()), 1);
    EXPECT_EQ(std::vector<std::uint8_t>(again.GetData(), again.GetData() + 48),
              std::vector<std::uint8_t>(texture.GetData(), texture.GetData() + 48));
    EXPECT_TRUE(ui.Messages().empty());

    EXPECT_EQ(texture.SaveFile("/nonexistent-folder/out.bmp"), 0);
    EXPECT_EQ(ui.Messages().back().text, "Unable to open file for writing "
                                         "/nonexistent-folder/out.bmp: No such file or directory");
    // Only 24-bit images are written; nothing is left behind otherwise.
    ASSERT_EQ(texture.AddAlphaLayer(255), 1);
    EXPECT_EQ(texture.SaveFile((folder / "alpha.bmp").string()), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "alpha.bmp"));
}

TEST(BmpFile, AFileWithALargerHeaderIsSavedWithThePlainOne) {
    if (test::RealData().empty())
        GTEST_SKIP() << "no real-data folder";
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui), again(ui);
    ASSERT_EQ(texture.ReadFile((test::RealData() / "bmp/good/hopper.bmp").string()), 1);
    ASSERT_EQ(texture.SaveFile((folder / "copy.bmp").string()), 1);
    EXPECT_EQ(folder.Read("copy.bmp").size(), 128u * 384 + 54);
    ASSERT_EQ(again.ReadFile((folder / "copy.bmp").string()), 1);
    EXPECT_EQ(PictureFingerprint(again, true), 0x9fd5849cfd0b4536ull);
}

TEST(RawFile, PackedFileRowsArePaddedInMemoryAndPackedAgainOnSaving) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    std::string packed(5 * 2 * 3, '\0');
    for (std::size_t i = 0; i < packed.size(); ++i)
        packed[i] = static_cast<char>(i + 1);
    const auto path = folder.Write("image.raw", packed);
    ASSERT_EQ(texture.ReadFile(path.string(), 5, 2, 24), 1);
    EXPECT_EQ(texture.GetWidthByte32(), 16u);
    EXPECT_EQ(texture.GetData()[16], 16);
    // Saving over a longer file leaves exactly the image's bytes.
    folder.Write("over.raw", std::string(1000, 'z'));
    ASSERT_EQ(texture.SaveFile((folder / "over.raw").string()), 1);
    EXPECT_EQ(folder.Read("over.raw"), packed);
    // A new file is created.
    ASSERT_EQ(texture.SaveFileRAW((folder / "new.raw").string()), 1);
    EXPECT_EQ(folder.Read("new.raw"), packed);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(RawFile, ShortFilesMissingSizesAndEmptyImagesAreRefused) {
    TestFolder folder;
    HeadlessUi ui;
    CTexture texture(ui);
    const auto path = folder.Write("short.raw", std::string(20, '\1'));
    EXPECT_EQ(texture.ReadFile(path.string(), 4, 2, 24), 0);
    EXPECT_EQ(texture.ReadFile(path.string(), -1, -1, -1), 0);
    EXPECT_EQ(texture.ReadFile((folder / "absent.raw").string(), 4, 2, 24), 0);
    EXPECT_EQ(texture.SaveFileRAW((folder / "empty.raw").string()), 0);
    ASSERT_EQ(ui.Messages().size(), 4u);
    EXPECT_EQ(ui.Messages()[0].text,
              "Error during reading image: " + path.string() + " is too short");
    EXPECT_EQ(ui.Messages()[1].text, "CTexture::Alloc : invalid image size -1 x -1 x -1");
    EXPECT_EQ(ui.Messages()[3].text, "CTexture::SaveFileRAW : invalid image");
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.raw"));
}

} // namespace
} // namespace ventrel
