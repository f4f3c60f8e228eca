// The texture record: row sizes, sizes, flipping, drawing, alpha layers, cut-outs and tiles.
#include "ImageTestSupport.h"

#include "image/Texture.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ventrel {
namespace {

using test::ImageCanvas;

// A texture of the given size whose pixel bytes count up from 0 (padding included).
void FillCounting(CTexture &texture) {
    std::uint8_t *data = texture.GetData();
    for (std::size_t i = 0; i < texture.GetBufferSize(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
}

TEST(Texture, RowsArePaddedToFourBytes) {
    EXPECT_EQ(RowBytes(5, 24), 16u);
    EXPECT_EQ(RowBytes(4, 24), 12u);
    EXPECT_EQ(RowBytes(1, 24), 4u);
    EXPECT_EQ(RowBytes(127, 24), 384u);
    EXPECT_EQ(RowBytes(3, 32), 12u);

    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(5, 3, 24), 1);
    EXPECT_EQ(texture.GetWidthByte32(), 16u);
    EXPECT_EQ(texture.GetBufferSize(), 48u);
    const BitmapInfoHeader &h = texture.GetHeader();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biSizeImage, 48u);
    EXPECT_EQ(texture.IsValid(), 1);
}

TEST(Texture, SizesThatCannotBeHeldAreRefusedWithoutAllocating) {
    HeadlessUi ui;
    CTexture texture(ui);
    EXPECT_EQ(texture.Alloc(0, 10, 24), 0);
    EXPECT_EQ(texture.Alloc(-1, -1, -1), 0);
    EXPECT_EQ(texture.Alloc(100000, 100000, 32), 0);
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[0].text, "CTexture::Alloc : invalid image size 0 x 10 x 24");
    EXPECT_EQ(texture.IsValid(), 0);
    EXPECT_EQ(texture.Create(100000, 100000, 32), 0);
}

TEST(Texture, PowersOfTwo) {
    EXPECT_EQ(CTexture::NextPowerOf2(1), 2);
    EXPECT_EQ(CTexture::NextPowerOf2(2), 2);
    EXPECT_EQ(CTexture::NextPowerOf2(5), 8);
    EXPECT_EQ(CTexture::NextPowerOf2(8), 8);
    EXPECT_EQ(CTexture::NextPowerOf2(1000), 1024);
    EXPECT_EQ(CTexture::NextPowerOf2(0), 0);
    EXPECT_EQ(CTexture::NextPowerOf2(-7), -7);

    HeadlessUi ui;
    CTexture texture(ui);
    const auto sized = [&](int w, int h) {
        texture.Alloc(w, h, 24);
        return texture.IsPowerOf2Size();
    };
    EXPECT_EQ(sized(1, 1), 0);
    EXPECT_EQ(sized(2, 2048), 1);
    EXPECT_EQ(sized(256, 64), 1);
    EXPECT_EQ(sized(4096, 2), 0);
    EXPECT_EQ(sized(100, 64), 0);
}

TEST(Texture, CopyFromSpreadsPackedRowsOverPaddedRows) {
    HeadlessUi ui;
    CTexture texture(ui);
    std::vector<std::uint8_t> packed(5 * 2 * 3);
    std::iota(packed.begin(), packed.end(), 1);
    EXPECT_EQ(texture.CopyFrom({}, 5, 2, 24), 0);
    EXPECT_EQ(texture.CopyFrom(std::span(packed).first(20), 5, 2, 24), 0);
    ASSERT_EQ(texture.CopyFrom(packed, 5, 2, 24), 1);
    EXPECT_EQ(texture.GetData()[0], 1);
    EXPECT_EQ(texture.GetData()[14], 15);
    EXPECT_EQ(texture.GetData()[16], 16);
    EXPECT_EQ(texture.GetData()[30], 30);
}

TEST(Texture, AttachTakesABufferOfTheRightSizeAndDescribesIt) {
    HeadlessUi ui;
    CTexture texture(ui);
    EXPECT_EQ(texture.Attach(std::vector<std::uint8_t>(10), 4, 4, 24), 0);
    ASSERT_EQ(texture.Attach(std::vector<std::uint8_t>(64), 4, 4, 32), 1);
    EXPECT_EQ(texture.GetWidthByte32(), 16u);
    EXPECT_EQ(texture.GetHeader().biBitCount, 32);
    EXPECT_EQ(texture.HasAlpha(), 1);
}

// A JPEG-like image: top-down RGB rows with a recorded size.
TEST(Texture, FlipRowsSwapRBTurnsTopDownRgbIntoBitmapOrder) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Create(2, 3, 24), 1);
    FillCounting(texture);
    ASSERT_EQ(texture.FlipRowsSwapRB(), 1);
    const std::uint8_t *d = texture.GetData();
    // Row 0 now holds old row 2 with red and blue exchanged, and the reverse.
    EXPECT_EQ((std::vector<int>{d[0], d[1], d[2], d[3], d[4], d[5]}),
              (std::vector<int>{18, 17, 16, 21, 20, 19}));
    EXPECT_EQ((std::vector<int>{d[16], d[17], d[18]}), (std::vector<int>{2, 1, 0}));
    // The middle row of an odd height stays in place, with its colours exchanged too.
    EXPECT_EQ((std::vector<int>{d[8], d[9], d[10], d[11], d[12], d[13]}),
              (std::vector<int>{10, 9, 8, 13, 12, 11}));
}

TEST(Texture, FlipRowsSwapRBLeavesImagesWithoutARecordedSizeAlone) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(3, 3, 24), 1);
    FillCounting(texture);
    const std::vector<std::uint8_t> before(texture.GetData(),
                                           texture.GetData() + texture.GetBufferSize());
    ASSERT_EQ(texture.FlipRowsSwapRB(), 1);
    EXPECT_EQ(
        std::vector<std::uint8_t>(texture.GetData(), texture.GetData() + texture.GetBufferSize()),
        before);
    CTexture empty(ui);
    EXPECT_EQ(empty.FlipRowsSwapRB(), 0);
}

TEST(Texture, DrawHandsTheBottomUpRowsToTheCanvas) {
    HeadlessUi ui;
    CTexture texture(ui);
    ImageCanvas canvas;
    EXPECT_EQ(texture.Draw(canvas, 0, 0), 0);
    ASSERT_EQ(texture.Alloc(5, 4, 24), 1);
    EXPECT_EQ(texture.Draw(canvas, 7, 9), 4);
    EXPECT_EQ(texture.Draw(canvas, 1, 2, 3, 2), 4);
    ASSERT_EQ(canvas.calls.size(), 2u);
    const auto &whole = canvas.calls[0];
    EXPECT_EQ((std::vector<int>{whole.x, whole.y, whole.width, whole.height, whole.stride,
                                whole.bitsPerPixel}),
              (std::vector<int>{7, 9, 5, 4, 16, 24}));
    EXPECT_EQ(whole.pixels, texture.GetData());
    EXPECT_EQ(canvas.calls[1].width, 3);
    EXPECT_EQ(canvas.calls[1].height, 2);
}

TEST(Texture, AddAlphaLayerMakesFourBytesAPixel) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(4, 4, 24), 1);
    FillCounting(texture);
    ASSERT_EQ(texture.AddAlphaLayer(128), 1);
    EXPECT_EQ(texture.GetDepth(), 32u);
    ASSERT_EQ(texture.GetBufferSize(), 64u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(texture.GetData()[i * 4 + 3], 128);
        EXPECT_EQ(texture.GetData()[i * 4], i * 3);
    }
    // The header and the row size describe the 32-bit pixels now.
    EXPECT_EQ(texture.GetHeader().biBitCount, 32);
    EXPECT_EQ(texture.GetWidthByte32(), 16u);
    // A second call only sets the alpha.
    ASSERT_EQ(texture.AddAlphaLayer(7), 1);
    EXPECT_EQ(texture.GetData()[63], 7);
}

TEST(Texture, AddAlphaLayerSkipsRowPadding) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(5, 2, 24), 1);
    FillCounting(texture);
    ASSERT_EQ(texture.AddAlphaLayer(255), 1);
    // Pixel 5 (the first of the second row) comes from byte 16, not from the padding at 15.
    EXPECT_EQ(texture.GetData()[5 * 4], 16);
    EXPECT_EQ(texture.GetData()[9 * 4 + 2], 30);
}

TEST(Texture, AlphaByBrightnessAndFromAnotherImage) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(2, 1, 24), 1);
    EXPECT_EQ(texture.SetAlpha(10), 0);
    EXPECT_EQ(texture.SetAlphaByBrightness(10), 0);
    ASSERT_EQ(texture.AddAlphaLayer(0), 1);
    std::uint8_t *d = texture.GetData();
    d[0] = d[1] = d[2] = 41; // mean 41: bright
    d[4] = d[5] = 40;        // mean 26: dark
    d[6] = 0;
    ASSERT_EQ(texture.SetAlphaByBrightness(200), 1);
    EXPECT_EQ(d[3], 200);
    EXPECT_EQ(d[7], 0);

    CTexture other(ui), target(ui);
    ASSERT_EQ(other.Alloc(2, 1, 24), 1);
    other.GetData()[3] = 30;
    other.GetData()[4] = 60;
    other.GetData()[5] = 91;
    ASSERT_EQ(target.Alloc(2, 1, 24), 1);
    ASSERT_EQ(target.AlphaFromImage(other), 1);
    EXPECT_EQ(target.GetData()[3], 0);
    EXPECT_EQ(target.GetData()[7], 60);
    CTexture bigger(ui);
    ASSERT_EQ(bigger.Alloc(3, 1, 24), 1);
    EXPECT_EQ(target.AlphaFromImage(bigger), 0);
}

TEST(Texture, ExtractCountsRowsFromTheTopAndReversesThem) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(4, 6, 24), 1);
    FillCounting(texture);
    EXPECT_EQ(texture.Extract(3, 0, 3, 5), 0); // x0 not below x1
    EXPECT_EQ(texture.Extract(0, 0, 4, 5), 0); // x1 outside
    EXPECT_EQ(texture.Extract(-1, 0, 2, 5), 0);
    ASSERT_EQ(texture.Extract(0, 0, -1, -1), 1);
    EXPECT_EQ(texture.GetWidth(), 4);
    EXPECT_EQ(texture.GetHeight(), 6);
    // The old last row (bytes 60..71) comes first.
    EXPECT_EQ(texture.GetData()[0], 60);
    EXPECT_EQ(texture.GetData()[60], 0);

    ASSERT_EQ(texture.Alloc(5, 4, 24), 1);
    FillCounting(texture);
    ASSERT_EQ(texture.Extract(1, 1, 3, 2), 1);
    EXPECT_EQ(texture.GetWidth(), 3);
    EXPECT_EQ(texture.GetHeight(), 2);
    EXPECT_EQ(texture.GetWidthByte32(), 12u);
    // New row i = old row 4 - 1 - 1 - i (rows counted from the bottom), from column 1.
    EXPECT_EQ(texture.GetData()[0], 2 * 16 + 3);
    EXPECT_EQ(texture.GetData()[12], 1 * 16 + 3);
}

TEST(Texture, MirroredAndSideBySideTiles) {
    HeadlessUi ui;
    CTexture texture(ui);
    ASSERT_EQ(texture.Alloc(2, 2, 24), 1);
    FillCounting(texture); // row 0: bytes 0..5, row 1: bytes 8..13
    ASSERT_EQ(texture.DuplicateMirror(0, 0, 1, 1), 1);
    ASSERT_EQ(texture.GetWidth(), 4);
    ASSERT_EQ(texture.GetHeight(), 4);
    // After the extract, row 0 = old row 1 (8..13) and row 1 = old row 0.
    const auto pixel = [&](int row, int col) {
        return texture.GetData()[row * texture.GetWidthByte32() + col * 3];
    };
    EXPECT_EQ((std::vector<int>{pixel(0, 0), pixel(0, 1), pixel(0, 2), pixel(0, 3)}),
              (std::vector<int>{0, 3, 3, 0}));
    EXPECT_EQ((std::vector<int>{pixel(1, 0), pixel(2, 0), pixel(3, 0)}),
              (std::vector<int>{8, 8, 0}));

    ASSERT_EQ(texture.Alloc(2, 2, 24), 1);
    FillCounting(texture);
    ASSERT_EQ(texture.DuplicateSide(0, 0, 1, 1), 1);
    ASSERT_EQ(texture.GetWidth(), 4);
    ASSERT_EQ(texture.GetHeight(), 2);
    EXPECT_EQ((std::vector<int>{pixel(0, 0), pixel(0, 1), pixel(0, 2), pixel(0, 3)}),
              (std::vector<int>{0, 3, 0, 3}));
    EXPECT_EQ(pixel(1, 2), 8);
}

} // namespace
} // namespace ventrel
