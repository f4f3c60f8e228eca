// The plate drawn once and played onto sheets: what each sheet gets, where, and in what order.
#include "report/PlateRecording.h"

#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

size_t PenChanges(const RecordingCanvas &canvas) {
    return canvas.OfKind(CanvasOp::Kind::Pen).size();
}

TEST(PlateRecording, ASheetGetsWhatTouchesItsBoxMovedToItsPlace) {
    PlateRecording plate;
    plate.SetPen(kBlack, 1);
    plate.SetBrush(kBlack);
    plate.Ellipse(10, 10, 30, 30);    // inside the first sheet only
    plate.Ellipse(90, 10, 110, 30);   // across the join
    plate.Ellipse(150, 10, 170, 30);  // inside the second sheet only
    plate.FrameRect(190, 40, 20, 60); // given right to left, across the join
    plate.MoveTo(5, 80);
    plate.LineTo(195, 80);
    plate.SetFont("Arial", 10);
    plate.SetTransparentBackground(true);
    plate.Text(60, 50, "a long label reaching over the join"); // starts on the first sheet

    RecordingCanvas first, second;
    plate.Play(first, 0, 0, 100, 100, 0, 0);
    plate.Play(second, 100, 0, 200, 100, -100, 0);
    const auto ellipses = [](const RecordingCanvas &c) {
        return c.OfKind(CanvasOp::Kind::Ellipse);
    };
    ASSERT_EQ(ellipses(first).size(), 2u);
    ASSERT_EQ(ellipses(second).size(), 2u);
    EXPECT_EQ(ellipses(second)[0].a, -10) << "moved by the sheet's offset";
    EXPECT_EQ(ellipses(second)[1].a, 50);
    for (const RecordingCanvas *sheet : {&first, &second}) {
        EXPECT_EQ(sheet->OfKind(CanvasOp::Kind::FrameRect).size(), 1u);
        EXPECT_EQ(sheet->OfKind(CanvasOp::Kind::LineTo).size(), 1u);
        EXPECT_EQ(sheet->OfKind(CanvasOp::Kind::Text).size(), 1u);
    }
    const CanvasOp text = second.OfKind(CanvasOp::Kind::Text)[0];
    EXPECT_EQ(text.a, -40);
    EXPECT_EQ(text.text, "a long label reaching over the join");

    RecordingCanvas far;
    plate.Play(far, 1000, 1000, 1100, 1100, 0, 0);
    EXPECT_EQ(far.DrawCount(), 0u);
}

TEST(PlateRecording, OneColourIsPlayedPenByPenEachPrimitiveOnce) {
    PlateRecording plate;
    plate.SetTransparentBackground(true);
    plate.SetFont("Arial", 10);
    for (int k = 0; k < 20; ++k) {
        plate.SetPen(kBlack, 1);
        plate.Ellipse(k * 10, 0, k * 10 + 8, 8);
        plate.SetPen(kBlack, 2);
        plate.Ellipse(k * 10, 0, k * 10 + 6, 6);
        plate.Ellipse(k * 10, 0, k * 10 + 6, 6); // the same circle again
        plate.Text(k * 10, 10, std::to_string(k));
    }
    RecordingCanvas sheet;
    plate.Play(sheet, 0, 0, 1000, 1000, 0, 0);
    EXPECT_EQ(sheet.OfKind(CanvasOp::Kind::Ellipse).size(), 40u);
    EXPECT_EQ(sheet.OfKind(CanvasOp::Kind::Text).size(), 20u);
    EXPECT_EQ(PenChanges(sheet), 2u);
    EXPECT_EQ(sheet.OfKind(CanvasOp::Kind::Font).size(), 1u);
    // Every circle is drawn with the pen it was recorded with.
    for (const CanvasOp &op : sheet.OfKind(CanvasOp::Kind::Ellipse))
        EXPECT_EQ(op.penWidth, op.c - op.a == 8 ? 1 : 2);
}

TEST(PlateRecording, ColoursAndCoveringFillsKeepTheirOrder) {
    PlateRecording plate;
    plate.SetPen(kBlack, 1);
    plate.Ellipse(0, 0, 10, 10);
    plate.SetPen(kRed, 1);
    plate.Ellipse(0, 0, 10, 10);
    plate.SetPen(kBlack, 1);
    plate.Ellipse(20, 0, 30, 10);
    plate.FillRect(0, 0, 40, 40, kWhite);
    plate.Ellipse(0, 20, 10, 30);
    RecordingCanvas sheet;
    plate.Play(sheet, 0, 0, 100, 100, 0, 0);
    std::vector<std::pair<CanvasOp::Kind, Rgb>> drawn;
    for (const CanvasOp &op : sheet.Ops())
        if (op.kind == CanvasOp::Kind::Ellipse || op.kind == CanvasOp::Kind::FillRect)
            drawn.emplace_back(op.kind, op.kind == CanvasOp::Kind::FillRect ? op.colour : op.pen);
    const std::vector<std::pair<CanvasOp::Kind, Rgb>> expected = {
        {CanvasOp::Kind::Ellipse, kBlack},
        {CanvasOp::Kind::Ellipse, kRed},
        {CanvasOp::Kind::Ellipse, kBlack},
        {CanvasOp::Kind::FillRect, kWhite},
        {CanvasOp::Kind::Ellipse, kBlack}};
    EXPECT_EQ(drawn, expected);
}

} // namespace
} // namespace ventrel
