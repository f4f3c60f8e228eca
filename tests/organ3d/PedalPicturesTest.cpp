// The pedalboard and keyboard drawings as pictures, compared with reference images.
#include "PictureCheck.h"

#include "chest/Drawing2D.h"
#include "organ3d/Keyboard.h"
#include "organ3d/Pedalboard.h"
#include "platform/HeadlessUi.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace ventrel {
namespace {

using test::MatchesReference;

namespace fs = std::filesystem;

constexpr int kSize = 300;

// Paints as the view does (background, then the drawing) and checks against the reference.
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
    EXPECT_TRUE(MatchesReference(image, fs::path(VENTREL_TEST_DATA) / "draw-references" / name));
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
