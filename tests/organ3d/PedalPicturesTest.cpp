// The pedalboard and keyboard drawings as pictures, compared with reference images.
#include "chest/Drawing2D.h"
#include "organ3d/Keyboard.h"
#include "organ3d/Pedalboard.h"
#include "platform/HeadlessUi.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

constexpr int kSize = 300;

// Share of pixels with a channel off by more than 48 (fonts vary between machines).
double DifferingShare(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return 1.0;
    long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differing += std::abs(p.red() - q.red()) > 48 || std::abs(p.green() - q.green()) > 48 ||
                         std::abs(p.blue() - q.blue()) > 48;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

// Paints as the view does (background, then the drawing) and checks against the reference;
// VENTREL_UPDATE_REFERENCES=1 writes the reference instead, to be looked at.
void CheckPicture(const std::string &name, float scale,
                  const std::function<void(Drawing2D &)> &draw) {
    EnsureGuiApplication();
    const QImage image = PaintImage(kSize, kSize, [&](Canvas &canvas) {
        Drawing2D drawing(&canvas);
        drawing.g_scale2D = scale;
        drawing.m_viewWidth = kSize;
        drawing.m_viewHeight = kSize;
        drawing.FillBackground({0, 0, 0});
        drawing.BeginPaint();
        draw(drawing);
    });
    const QString reference =
        QString::fromStdString((fs::path(VENTREL_TEST_DATA) / "draw-references" / name).string());
    if (std::getenv("VENTREL_UPDATE_REFERENCES")) {
        ASSERT_TRUE(image.save(reference, "PNG"));
        return;
    }
    QImage expected;
    ASSERT_TRUE(expected.load(reference)) << "no reference " << name;
    const double share = DifferingShare(image, expected.convertToFormat(QImage::Format_RGB32));
    if (share > 0.02)
        image.save(
            QString::fromStdString((fs::temp_directory_path() / ("ventrel-" + name)).string()));
    EXPECT_LE(share, 0.02) << name;
}

TEST(PedalPictures, PedalboardAndKeyboardLookAsDrawn) {
    HeadlessUi ui;
    CPedalboard board;
    board.Create(ui);
    board.Click(Drawing2D{}, 0, 0);
    CheckPicture("pedalboard.png", 0.22f, [&](Drawing2D &drawing) { board.Draw(drawing); });

    CKeyboard keyboard;
    keyboard.Layout();
    CheckPicture("keyboard.png", 0.27f, [&](Drawing2D &drawing) {
        drawing.g_pan = {-40, 60};
        keyboard.Draw(drawing);
    });
}

} // namespace
} // namespace ventrel
