// The example chests drawn as pictures, compared with reference images under a tolerance.
#include "chest/CWindchest.h"
#include "chest/ChestDrawing.h"
#include "chest/Drawing2D.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"
#include "platform/qtgui/GuiApplication.h"
#include "platform/qtgui/PictureFile.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

constexpr int kSize = 300;
// A pixel differs when one of its channels is off by more than this; a picture matches when at
// most kMaxDiffering of its pixels differ (fonts and their hinting vary between machines).
constexpr int kChannelTolerance = 48;
constexpr double kMaxDiffering = 0.02;

fs::path Examples() {
    return fs::path(VENTREL_SOURCE_DIR) / "examples";
}
fs::path References() {
    return fs::path(VENTREL_TEST_DATA) / "draw-references";
}

// The chest fitted into the picture with a margin, dimensions hidden, as `draw --hide-dimensions`.
QImage DrawChest(const CWindchest &chest, const ValveCounters &counters) {
    const CRectangle &plate = chest.m_plate;
    const float width = static_cast<float>(std::max(1, plate.x2 - plate.x1));
    const float height = static_cast<float>(std::max(1, plate.y2 - plate.y1));
    const float scale = std::min((kSize - 20) / width, (kSize - 40) / height);
    return PaintImage(kSize, kSize, [&](Canvas &canvas) {
        Drawing2D drawing(&canvas);
        drawing.g_scale2D = scale;
        drawing.g_pan = {10 - static_cast<int>(static_cast<float>(plate.x1) * scale),
                         30 - static_cast<int>(static_cast<float>(plate.y1) * scale)};
        drawing.g_hideDimensions = true;
        drawing.m_viewWidth = kSize;
        drawing.m_viewHeight = kSize;
        drawing.m_magnets = &counters;
        PaintChestView(drawing, &chest, {0, 0, 0}, false);
    });
}

double DifferingShare(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return 1.0;
    long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differing += std::abs(p.red() - q.red()) > kChannelTolerance ||
                         std::abs(p.green() - q.green()) > kChannelTolerance ||
                         std::abs(p.blue() - q.blue()) > kChannelTolerance;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

QImage Difference(const QImage &a, const QImage &b) {
    QImage diff(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            diff.setPixelColor(x, y,
                               QColor(std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                      std::abs(p.blue() - q.blue())));
        }
    return diff;
}

TEST(DrawPictures, ExampleChestsMatchTheirReferences) {
    EnsureGuiApplication();
    std::vector<fs::path> chests;
    for (const auto &entry : fs::directory_iterator(Examples()))
        if (entry.path().extension() == ".dat")
            chests.push_back(entry.path());
    std::sort(chests.begin(), chests.end());
    ASSERT_FALSE(chests.empty());
    // VENTREL_UPDATE_REFERENCES=1 writes the pictures as new references, to be looked at.
    const bool update = std::getenv("VENTREL_UPDATE_REFERENCES") != nullptr;
    const fs::path outFolder = fs::temp_directory_path() / "ventrel-draw-pictures";
    fs::create_directories(outFolder);
    int drawn = 0;
    for (const fs::path &path : chests) {
        SCOPED_TRACE(path.filename().string());
        HeadlessUi ui;
        CWindchest chest;
        ASSERT_TRUE(chest.ReadDatFile(path.filename().string(), WorkFolder::Both(Examples()), ui));
        if (chest.StopCount() == 0)
            continue; // a partition file alone
        chest.Layout();
        ValveCounters counters;
        chest.SizeValves(counters);
        const QImage image = DrawChest(chest, counters);
        const std::string name = path.stem().string() + ".png";
        const QString reference = QString::fromStdString((References() / name).string());
        ++drawn;
        if (update) {
            ASSERT_TRUE(image.save(reference, "PNG"));
            continue;
        }
        QImage expected;
        ASSERT_TRUE(expected.load(reference)) << "no reference " << name;
        const double share = DifferingShare(image, expected.convertToFormat(QImage::Format_RGB32));
        if (share > kMaxDiffering) {
            image.save(
                QString::fromStdString((outFolder / (path.stem().string() + ".out.png")).string()));
            Difference(image, expected)
                .save(QString::fromStdString(
                    (outFolder / (path.stem().string() + ".diff.png")).string()));
        }
        EXPECT_LE(share, kMaxDiffering) << "see " << outFolder;
    }
    EXPECT_GE(drawn, 1);
}

} // namespace
} // namespace ventrel
