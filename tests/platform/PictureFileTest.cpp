// The QPainter canvas draws the view's primitives into PNG, PDF and SVG files.
#include "platform/qtgui/PictureFile.h"
#include "ShellCommand.h"
#include "TestFolder.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PainterCanvas.h"
#include "platform/qtgui/PdfPages.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace ventrel {
namespace {

void Sample(Canvas &canvas) {
    canvas.FillRect(0, 0, 60, 40, {0, 0, 0});
    canvas.SetBrush({255, 0, 0});
    canvas.FrameRect(30, 20, 10, 5); // corners in either order
    canvas.SetPen({0, 255, 0}, 0);
    canvas.MoveTo(0, 39);
    canvas.LineTo(59, 39);
    canvas.SetFont("Times", 12);
    canvas.SetTextColour({255, 255, 255});
    canvas.SetTransparentBackground(true);
    canvas.Text(1, 22, "Bourdon \xe9"); // a Latin-1 byte from an old description file
}

TEST(PictureFile, FramesAndLinesLandOnTheirPixels) {
    EnsureGuiApplication();
    const QImage image = PaintImage(60, 40, Sample);
    EXPECT_EQ(image.pixelColor(10, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(29, 19), QColor(255, 0, 0)); // the frame lies inside the box
    EXPECT_EQ(image.pixelColor(30, 20), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(20, 12), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(20, 39), QColor(0, 255, 0));
    int lit = 0; // the text is drawn in white below the frame
    for (int y = 22; y < 38; ++y)
        for (int x = 0; x < 60; ++x)
            lit += image.pixelColor(x, y).lightness() > 128;
    EXPECT_GT(lit, 20);
}

// Texts on a white box, in two fonts, drawn through layouts kept from an earlier picture.
QImage PaintTexts(TextLayouts *layouts, int scale) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PainterCanvas canvas(painter, layouts);
    canvas.SetTextColour({0, 0, 0});
    canvas.SetFont("Arial", 12);
    canvas.Text(2, 2, "8 \xd8 42");
    canvas.SetFont("Times", 20);
    canvas.Text(2, 20, "8 \xd8 42");
    return image;
}

TEST(PictureFile, KeptTextLayoutsDrawAsFreshOnesInEveryFontAndScale) {
    EnsureGuiApplication();
    TextLayouts kept;
    const QImage fresh = PaintTexts(nullptr, 1);
    EXPECT_EQ(PaintTexts(&kept, 1), fresh);
    EXPECT_EQ(PaintTexts(&kept, 1), fresh) << "drawn again from the kept layouts";
    EXPECT_EQ(PaintTexts(&kept, 2), PaintTexts(nullptr, 2)) << "another scale, other layouts";
    int white = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 40; ++x)
            white += fresh.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 100) << "the text's white box";
}

TEST(PictureFile, WritesEachKindAndRefusesAnUnwritableFolder) {
    EnsureGuiApplication();
    test::TestFolder folder;
    std::string error;
    ASSERT_TRUE(WritePicture(folder / "a.png", PictureKind::Png, 40, 30, Sample, error)) << error;
    ASSERT_TRUE(WritePicture(folder / "a.pdf", PictureKind::Pdf, 40, 30, Sample, error)) << error;
    ASSERT_TRUE(WritePicture(folder / "a.svg", PictureKind::Svg, 40, 30, Sample, error)) << error;
    EXPECT_EQ(folder.Read("a.png").substr(1, 3), "PNG");
    EXPECT_EQ(folder.Read("a.pdf").substr(0, 5), "%PDF-");
    EXPECT_NE(folder.Read("a.svg").find("<svg"), std::string::npos);
    QImage back;
    ASSERT_TRUE(back.load(QString::fromStdString((folder / "a.png").string())));
    EXPECT_EQ(back.size(), QSize(40, 30));

    EXPECT_FALSE(
        WritePicture(folder / "missing" / "b.png", PictureKind::Png, 40, 30, Sample, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(PictureKindOf("X.SVG"), PictureKind::Svg);
    EXPECT_EQ(PictureKindOf("x.jpg"), std::nullopt);
}

std::string PdfText(const std::filesystem::path &pdf) {
    return test::ShellOutput("pdftotext -raw " + pdf.string() + " -");
}

// Western texts go through the writer of the standard fonts; a page with a letter those fonts
// lack is written again by Qt's writer, which embeds a font that has it.
TEST(PdfPages, ATextInAnotherScriptSwitchesToTheWriterThatEmbedsFonts) {
    EnsureGuiApplication();
    test::TestFolder folder;
    std::string error;
    auto page = [](const std::string &name) {
        return [name](CanvasPages &pages) {
            Canvas &canvas = pages.NewPage();
            canvas.SetFont("Arial", 50);
            canvas.SetTransparentBackground(true);
            canvas.Text(100, 100,
                        "R\xC3\xA9"
                        "cit");
            pages.NewPage().Text(100, 100, name);
        };
    };
    ASSERT_TRUE(WritePdfPages(folder / "west.pdf", 210, 297, "west", page("Bourdon"), error));
    ASSERT_TRUE(WritePdfPages(folder / "east.pdf", 210, 297, "east", page("G\xC5\x82os"), error));
    EXPECT_NE(folder.Read("west.pdf").find("/BaseFont /Helvetica"), std::string::npos);
    EXPECT_EQ(folder.Read("east.pdf").find("/BaseFont /Helvetica"), std::string::npos);
    EXPECT_EQ(PdfText(folder / "west.pdf"), "R\xC3\xA9"
                                            "cit\n\fBourdon\n\f");
    EXPECT_EQ(PdfText(folder / "east.pdf"), "R\xC3\xA9"
                                            "cit\n\fG\xC5\x82os\n\f");

    EXPECT_FALSE(WritePdfPages(folder / "missing" / "b.pdf", 210, 297, "b", page("x"), error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

} // namespace
} // namespace ventrel
