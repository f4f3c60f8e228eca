// The pedalboard's integer outlines, its keys, its five plank files, its display and click test.
#include "organ3d/Pedalboard.h"
#include "TestFolder.h"
#include "chest/Drawing2D.h"
#include "fabrication/DxfWriter.h"
#include "organ3d/L_2D_Object.h"
#include "platform/HeadlessUi.h"
#include "platform/RecordingCanvas.h"
#include "platform/WorkFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ventrel {
namespace {

size_t Occurrences(const std::string &text, const std::string &what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

std::vector<L_2D_Point> Points(const L_2D_Object &object) {
    return {object.Points().begin(), object.Points().begin() + object.Count()};
}

TEST(L_2D_Object, OperationsTruncateAndRefuseOverflow) {
    HeadlessUi ui;
    L_2D_Object profile(14, L_2D_Object::kPolyline);
    ASSERT_TRUE(profile.NotchedProfile(1, 1, 3, ui));
    EXPECT_EQ(profile.First(), (L_2D_Point{0, 0}));
    EXPECT_EQ(profile.Last(), (L_2D_Point{0, 7}));
    EXPECT_EQ(profile.Point(2), (L_2D_Point{1, 1}));
    // Appending more than the capacity shows the message and writes nothing beyond it.
    EXPECT_FALSE(profile.NotchedProfile(1, 1, 1, ui));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "***DEBORDEMENT");

    L_2D_Object marks(10, L_2D_Object::kPointSet);
    ASSERT_TRUE(marks.CreatePoinsRepartis(10, 0, 150, 1100, 150, ui));
    EXPECT_EQ(marks.Point(0), (L_2D_Point{100, 150}));
    EXPECT_EQ(marks.Point(9), (L_2D_Point{1000, 150}));
    EXPECT_FALSE(marks.CreatePoinsRepartis(11, 0, 0, 1, 1, ui));
    EXPECT_EQ(ui.Messages().back().text, "****Débordement CreatePoinsRepartis");

    L_2D_Object tiny(1, L_2D_Object::kPolyline);
    EXPECT_FALSE(tiny.Line(0, 0, 1, 1, ui));
    EXPECT_EQ(ui.Messages().back().text, "***DEBORDEMENT L_PolyLine");
    EXPECT_FALSE(tiny.CopyFrom(profile, ui));
    EXPECT_EQ(ui.Messages().back().text, "****DEBORDEMENT");

    L_2D_Object point(1, L_2D_Object::kPolyline);
    point.SetPoint(0, {-7, 9});
    point.Rotate(std::acos(-1.0) / 2); // (x, y) -> (-y, x), each truncated toward zero
    EXPECT_EQ(point.First(), (L_2D_Point{-9, -6}));

    L_2D_ObjectList list(1);
    EXPECT_TRUE(L_2D_Object_Add(list, std::make_shared<L_2D_Object>(2, 7), ui));
    EXPECT_FALSE(L_2D_Object_Add(list, std::make_shared<L_2D_Object>(2, 7), ui));
    EXPECT_EQ(ui.Messages().back().text, "****ERREUR L_2D_Object_Add");
    EXPECT_EQ(list.Count(), 1);
}

TEST(L_2D_Object, InsideMeansStrictlyInsideWhateverTheWinding) {
    L_2D_Object key(5, L_2D_Object::kPolyline);
    key.Rectangle(0, 23, 0, 70);
    EXPECT_TRUE(key.Contains(10, 30));
    EXPECT_FALSE(key.Contains(0, 30));  // on an edge
    EXPECT_FALSE(key.Contains(23, 70)); // a corner
    EXPECT_FALSE(key.Contains(30, 30));
    key.Scale(-1, 1); // the other winding
    EXPECT_TRUE(key.Contains(-10, 30));
    EXPECT_FALSE(key.Contains(10, 30));
}

TEST(Pedalboard, ProfileKeysAndPlanks) {
    HeadlessUi ui;
    CPedalboard board;
    ASSERT_TRUE(board.Create(ui));
    EXPECT_TRUE(ui.Messages().empty());

    const std::vector<L_2D_Point> profile = {{0, 0},    {0, 21},   {20, 21}, {20, 42}, {0, 42},
                                             {0, 64},   {20, 64},  {20, 85}, {0, 85},  {0, 107},
                                             {20, 107}, {20, 128}, {0, 128}, {0, 149}};
    EXPECT_EQ(Points(*board.m_profile), profile);

    EXPECT_DOUBLE_EQ(board.KeyPitch(), 1080.0 / 39);
    EXPECT_EQ(board.KeyAngle(22), 0.0);
    EXPECT_NEAR(board.KeyAngle(0), std::asin(22 * (1080.0 / 39) / 4000), 1e-12);
    EXPECT_NEAR(board.KeyAngle(0), 0.153, 0.001);
    EXPECT_NEAR(board.KeyAngle(36), -0.097, 0.001);

    ASSERT_EQ(board.m_keys.Count(), 32);
    EXPECT_EQ(board.m_front.Count(), 4 + 32);
    EXPECT_EQ(board.m_back.Count(), 4);
    EXPECT_EQ(board.m_side.Count(), 4);
    EXPECT_EQ(board.m_curved.Count(), 6);
    EXPECT_EQ(board.m_curved_back.Count(), 2);

    // Key 22 (the 20th kept, after the gaps 5, 13 and 19) is not turned: it is the template
    // rectangle with its corner on arc point 19.
    const L_2D_Object &arc = *board.m_curved[0];
    const L_2D_Object &key22 = *board.m_keys[19];
    const L_2D_Point corner = arc.Point(19);
    EXPECT_EQ(key22.Point(3), corner);
    EXPECT_EQ(key22.Point(1), (L_2D_Point{corner.x + 23, corner.y + 70}));
    // The first kept key is turned, and its corner sits on the arc's first point.
    EXPECT_EQ(board.m_keys[0]->Point(3), arc.First());
    EXPECT_NE(board.m_keys[0]->Point(1).x, arc.First().x + 23);

    // The side plank's notches face outward: x -20 ... 0 and D ... D + 20.
    EXPECT_EQ(board.m_side[0]->Point(2).x, -20);
    EXPECT_EQ(board.m_side[1]->Point(2).x, 720);
    // The curved back plank closes at height H and at W - E.
    EXPECT_EQ(board.m_curved_back[1]->Point(2), (L_2D_Point{1180, 150}));

    // Creating twice changes nothing.
    EXPECT_FALSE(board.Create(ui));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "****PEDALBOARD DEJA CREE !");
    EXPECT_EQ(board.m_front.Count(), 36);
}

TEST(Pedalboard, WritesTheFivePlankFiles) {
    HeadlessUi ui;
    test::TestFolder folder;
    CPedalboard board;
    board.Create(ui);
    ASSERT_TRUE(board.WriteDxf(WorkFolder::Both(folder.Path()), ui));
    EXPECT_EQ(ui.Messages().back().text, "A Pedalboard has correctly been created!");

    const std::string back = folder.Read("plancheAR.dxf");
    const std::string front = folder.Read("plancheAV.dxf");
    const std::string side = folder.Read("plancheCOTE.dxf");
    const std::string curved = folder.Read("plancheincurvee.dxf");
    const std::string curvedBack = folder.Read("plancheincurveear.dxf");
    // Two notched sides of 13 lines each, bottom and top.
    EXPECT_EQ(Occurrences(back, "LINE\n"), 28u);
    EXPECT_EQ(Occurrences(side, "LINE\n"), 28u);
    // The same four outlines and 32 keys of 4 lines.
    EXPECT_EQ(Occurrences(front, "LINE\n"), 28u + 32u * 4u);
    // The arc (38 lines), three lines, 12 drilling marks of a circle and two lines.
    EXPECT_EQ(Occurrences(curved, "LINE\n"), 38u + 3u + 24u);
    EXPECT_EQ(Occurrences(curved, "CIRCLE\n"), 12u);
    EXPECT_EQ(Occurrences(curvedBack, "LINE\n"), 49u + 3u);
    // The top line of the back plank stands at 149, from the profile to its mirror image.
    EXPECT_NE(back.find(DxfWriter::LineText(0, 149, 1200, 149)), std::string::npos);
    EXPECT_EQ(back.substr(0, std::string(DxfWriter::kStart).size()), DxfWriter::kStart);
    EXPECT_TRUE(back.ends_with(DxfWriter::kEnd));
}

TEST(Pedalboard, UnwritableFilesAreReportedAndTheOthersStillWritten) {
    HeadlessUi ui;
    test::TestFolder folder;
    std::filesystem::create_directory(folder / "plancheAV.dxf"); // a folder in the way
    CPedalboard board; // not created: every file holds only the start and the end
    EXPECT_FALSE(board.WriteDxf(WorkFolder::Both(folder.Path()), ui));
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].text, "****Pedalboard files opened elsewhere !");
    EXPECT_EQ(ui.Messages()[1].text, "A Pedalboard has correctly been created!");
    EXPECT_EQ(folder.Read("plancheAR.dxf"), std::string(DxfWriter::kStart) + DxfWriter::kEnd);
    EXPECT_EQ(folder.Read("plancheincurveear.dxf"),
              std::string(DxfWriter::kStart) + DxfWriter::kEnd);
}

TEST(Pedalboard, DisplayAndClickTest) {
    HeadlessUi ui;
    CPedalboard board;
    board.Create(ui);
    RecordingCanvas canvas;
    Drawing2D drawing(&canvas);
    drawing.g_scale2D = 0.5f;
    drawing.g_pan = {100, 40};
    board.Draw(drawing);
    // One index per outline: 36 + 6 + 4 + 4 + 2.
    EXPECT_EQ(canvas.OfKind(CanvasOp::Kind::Text).size(), 52u);
    // The back plank's outline 0 begins at (0, 0) drawn at the offset (30, 350).
    ASSERT_EQ(canvas.TextsEqual("0").size(), 5u);
    EXPECT_EQ(canvas.TextsEqual("0")[3].a, 100 + 15);
    EXPECT_EQ(canvas.TextsEqual("0")[3].b, 40 + 175);

    // A point strictly inside the first key, clicked on the screen.
    const L_2D_Object &key = *board.m_front[4];
    const int cx = (key.Point(0).x + key.Point(2).x) / 2 + 30,
              cy = (key.Point(0).y + key.Point(2).y) / 2 + 10;
    EXPECT_EQ(board.Click(drawing, drawing.ScreenX(cx), drawing.ScreenY(cy)), 1);
    EXPECT_EQ(board.Click(drawing, 0, 0), 0);
    canvas.Clear();
    board.Draw(drawing);
    ASSERT_EQ(canvas.TextsEqual("0").size(), 6u);
    EXPECT_EQ(canvas.TextsEqual("0").back().a, drawing.ScreenX(50));
}

} // namespace
} // namespace ventrel
