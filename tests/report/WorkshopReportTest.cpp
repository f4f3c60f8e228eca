// The workshop report drawn on recording pages: what each page holds, the plate to scale, tiling.
#include "report/WorkshopReport.h"

#include "platform/RecordingCanvas.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace ventrel {
namespace {

struct RecordingPages : CanvasPages {
    std::deque<RecordingCanvas> pages;
    Canvas &NewPage() override { return pages.emplace_back(); }

    bool Has(size_t page, const std::string &text) const {
        for (const CanvasOp &op : pages[page].OfKind(CanvasOp::Kind::Text))
            if (op.text.find(text) != std::string::npos)
                return true;
        return false;
    }
    int PageWith(const std::string &text) const {
        for (size_t p = 0; p < pages.size(); ++p)
            if (Has(p, text))
                return static_cast<int>(p);
        return -1;
    }
};

CheckResult Example(const char *name) {
    const std::filesystem::path examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    std::string text;
    EXPECT_TRUE(ReadWholeFile(examples / name, text));
    return CheckChest({name, text}, nullptr, WorkFolder::Both(examples), CheckOptions{});
}

TEST(WorkshopReport, SummaryHoldsCutListValvesStopsAndFindings) {
    const CheckResult checked = Example("pedale.dat");
    ReportOptions options;
    options.date = "2026-12-08";
    RecordingPages pages;
    PaintWorkshopReport(checked, "pedale.dat", options, pages);
    const int summary = pages.PageWith("Cut list");
    ASSERT_GE(summary, 1) << "the plate sheets come first";
    const CWindchest &chest = *checked.chest;
    const int w = chest.m_plate.x2, d = chest.m_plate.y2;
    EXPECT_TRUE(pages.Has(size_t(summary), std::to_string(w) + " mm"));
    EXPECT_TRUE(pages.Has(size_t(summary), std::to_string(d - 44) + " mm")) << "short sides";
    EXPECT_TRUE(pages.Has(size_t(summary), "Soubasse16"));
    EXPECT_TRUE(pages.Has(size_t(summary), "Flute8"));
    EXPECT_TRUE(pages.Has(size_t(summary), "two columns (INCX -2)"));
    EXPECT_TRUE(pages.Has(size_t(summary), "No finding"));
    EXPECT_TRUE(pages.Has(size_t(summary), "2026-12-08"));
    EXPECT_TRUE(pages.Has(size_t(summary), std::to_string(chest.m_valve_count)));
}

TEST(WorkshopReport, FindingsAreListed) {
    const std::string text = "JEU Montre8\nNTUYAUX 3\nTUYAU1 1\nINCX 3\nFORME:ROND\nXY0 100 100\n"
                             "40 38 36\n10 10\n20 20 20\nHAUTEURS\n1000 940 880\n";
    const CheckResult checked = CheckChest({"t.dat", text}, nullptr, WorkFolder{}, {});
    ASSERT_FALSE(checked.findings.empty());
    RecordingPages pages;
    PaintWorkshopReport(checked, "t.dat", ReportOptions{}, pages);
    EXPECT_GE(pages.PageWith(FindingLine(checked.findings[0])), 0);
}

TEST(WorkshopReport, PlateIsDrawnToScaleAndTiledWhenLarger) {
    const CheckResult checked = Example("grand-orgue.dat");
    const CRectangle plate = checked.chest->m_plate;
    size_t wholeChest = 0;
    for (int scale : {10, 5}) {
        ReportOptions options;
        options.paper = scale == 10 ? kA3 : kA4;
        options.scale = scale;
        const PlateTiling tiling = TilePlate(*checked.chest, options);
        RecordingPages pages;
        PaintWorkshopReport(checked, "grand-orgue.dat", options, pages);
        const int sheets = tiling.columns * tiling.rows;
        ASSERT_GE(int(pages.pages.size()), sheets + 1);
        EXPECT_EQ(pages.PageWith("Cut list"), sheets);
        // The plate's border (brush colour 4 is printed black) spans the plate at 1:scale, in
        // tenths of a millimetre: look for its top strip on the first sheet.
        const int expected = (plate.x2 - plate.x1) * 10 / scale;
        bool found = false;
        for (const CanvasOp &op : pages.pages[0].OfKind(CanvasOp::Kind::FrameRect))
            found = found || std::abs((op.c - op.a) - expected) <= 1;
        EXPECT_TRUE(found || sheets > 1) << "scale " << scale;
        EXPECT_TRUE(pages.Has(0, "Scale 1:" + std::to_string(scale)));
        // The width stands over the plate's middle, on whichever sheet that falls.
        const int width = pages.PageWith(std::to_string(plate.x2 - plate.x1) + " mm");
        EXPECT_TRUE(width >= 0 && width < sheets) << width;
        // A sheet holds what it shows, not the whole chest.
        const size_t circles = pages.pages[0].OfKind(CanvasOp::Kind::Ellipse).size();
        if (sheets == 1)
            wholeChest = circles;
        else
            EXPECT_LT(circles, wholeChest);
        if (scale == 5) {
            EXPECT_GT(sheets, 1) << "a 2.8 m plate at 1:5 takes more than one A4 sheet";
            EXPECT_TRUE(pages.Has(0, "sheet 1 of " + std::to_string(sheets)));
        } else {
            EXPECT_EQ(sheets, 1);
        }
    }
}

} // namespace
} // namespace ventrel
