// The QPainter canvas draws the view's primitives into PNG, PDF and SVG files.
#include "TestFolder.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"

#include <QImage>
#include <gtest/gtest.h>

namespace ventrel {
namespace {

void Sample(Canvas& canvas) {
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

} // namespace
} // namespace ventrel
