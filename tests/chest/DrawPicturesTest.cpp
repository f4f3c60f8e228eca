// The example chests drawn as pictures, compared with their reference images.
#include "PictureCheck.h"

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
#include <filesystem>
#include <vector>

namespace ventrel {
namespace {

using test::MatchesReference;

namespace fs = std::filesystem;

constexpr int kSize = 300;

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

TEST(DrawPictures, ExampleChestsMatchTheirReferences) {
    EnsureGuiApplication();
    std::vector<fs::path> chests;
    for (const auto &entry : fs::directory_iterator(Examples()))
        if (entry.path().extension() == ".dat")
            chests.push_back(entry.path());
    std::sort(chests.begin(), chests.end());
    ASSERT_FALSE(chests.empty());
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
        ++drawn;
        EXPECT_TRUE(MatchesReference(DrawChest(chest, counters),
                                     References() / (path.stem().string() + ".png")));
    }
    EXPECT_GE(drawn, 1);
}

} // namespace
} // namespace ventrel
