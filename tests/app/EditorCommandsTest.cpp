// The view with its outline editors and position dialogs: polyline, loft, tower, extrusion, chests.
#include "ViewFixture.h"

#include "dialogs/ChestPositionDialog.h"
#include "dialogs/LoftEditor.h"
#include "dialogs/PolylineDialog.h"
#include "outline/L_2D_Drawing.h"
#include "platform/RecordingCanvas.h"
#include "render/CObject3D.h"

#include <algorithm>

namespace ventrel::test {
namespace {

TEST_F(ViewTest, PolylineClicksGoToTheEditorInsteadOfPanningAndArePainted) {
    m_view->g_scene->m_display3D = true;
    ASSERT_TRUE(RunCommand(*m_view, kPolyline));
    ASSERT_TRUE(m_view->g_editor2D);
    ASSERT_EQ(m_host.m_polylineDialog, m_view->m_polylineDialog.get());
    EXPECT_FALSE(m_view->g_scene->m_display3D);

    PolylineDialog &dialog = *m_view->m_polylineDialog;
    dialog.Press(PolylineDialog::kPolyline);
    m_view->OnLeftDown({29, 31});
    EXPECT_FALSE(m_view->m_leftDown);
    m_view->OnMouseMove({129, 131});
    m_view->OnLeftUp();
    m_view->OnLeftDown({101, 39});
    m_view->OnLeftUp();
    EXPECT_EQ(m_view->m_drawing.g_pan.x, 0); // no panning while an outline is drawn
    const L_2D_Drawing &outline = *m_view->g_editor2D;
    ASSERT_EQ(outline.PointCount(), 2);
    EXPECT_EQ(outline.Point(0), (Vec2{20, 40}));
    EXPECT_EQ(outline.Point(1), (Vec2{100, 40}));

    // The outline is painted in red in the 2D display, with or without a chest.
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    const auto red = canvas.OfKind(CanvasOp::Kind::LineTo, {255, 0, 0});
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].a, 20);
    EXPECT_EQ(red[0].b, 40);
    EXPECT_EQ(red[0].c, 100);

    // Closing and opening again continues the same outline.
    EXPECT_TRUE(dialog.Press(PolylineDialog::kCancel));
    RunCommand(*m_view, kPolyline);
    EXPECT_EQ(m_view->g_editor2D->PointCount(), 2);
    EXPECT_EQ(m_view->m_polylineDialog.get(), &dialog);
}

TEST_F(ViewTest, ExtrudeRaisesThePolylineOutlineByItsLength) {
    RunCommand(*m_view, kExtrude);
    ASSERT_EQ(m_ui.Messages().size(), 1u); // nothing drawn yet
    EXPECT_EQ(m_view->g_scene->m_nbobject, 0);

    RunCommand(*m_view, kPolyline);
    PolylineDialog &dialog = *m_view->m_polylineDialog;
    dialog.SetField(PolylineDialog::kLength, "30");
    dialog.Press(PolylineDialog::kQuarter1);
    RunCommand(*m_view, kExtrude);
    ASSERT_EQ(m_view->g_scene->m_nbobject, 1);
    const CObject3D &walls = *m_view->g_scene->Object(0);
    EXPECT_EQ(walls.m_name, "EXTRUSION");
    EXPECT_EQ(walls.nbpts, 20);
    EXPECT_EQ(walls.nbface, 10); // the ring of ten points closed back to its first
    EXPECT_EQ(walls.m_vertices[10 + 9], (Vec3{30, 30, 30}));
    EXPECT_TRUE(m_view->g_scene->m_display3D);
}

TEST_F(ViewTest, TowerTwiceAppendsTwoTowersAndDrawsItsOutlinesIn2D) {
    m_view->m_folder = WorkFolder::Both(m_folder.Path());
    ASSERT_TRUE(RunCommand(*m_view, kTower));
    ASSERT_TRUE(RunCommand(*m_view, kTower));
    const Scene &scene = *m_view->g_scene;
    ASSERT_EQ(scene.m_nbobject, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(scene.Object(i)->m_textureFile, "wood.jpg");
        EXPECT_EQ(scene.Object(i)->nbpts, 82 * 23);
    }
    EXPECT_FALSE(scene.m_display3D);
    for (const char *name : {"orgext_tourelle_couple.poly", "orgext_tourelle_couple.dxf",
                             "orgext_tourelle_forme.poly", "orgext_tourelle_forme.dxf"})
        EXPECT_TRUE(std::filesystem::exists(m_folder / name)) << name;

    // The profile at (100, 10), the path at (100, 200): 81 + 22 red lines.
    m_view->m_drawing.g_scale2D = 0.5f;
    m_view->m_drawing.g_pan = {600, 600};
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    const auto red = canvas.OfKind(CanvasOp::Kind::LineTo, {255, 0, 0});
    ASSERT_EQ(red.size(), 81u + 22u);
    bool couple = false, forme = false;
    for (const auto &line : red) {
        couple = couple || (line.a == 650 && line.b == 606); // the first arc point (0.2, 3.9)
        forme = forme || (line.a == 650 && line.b == 700);
    }
    EXPECT_TRUE(couple);
    EXPECT_TRUE(forme);
    EXPECT_EQ(red.back().c, 650 - 500); // the path ends at (-1000, 0)
    EXPECT_EQ(red.back().d, 700);

    ASSERT_TRUE(RunCommand(*m_view, kTurret));
    ASSERT_TRUE(m_view->m_turret);
    EXPECT_EQ(m_view->m_turret->m_couple.PointCount(), 0);
    EXPECT_EQ(scene.m_nbobject, 2);
}

TEST_F(ViewTest, LoftEditorPreviewsInTheSceneAndLeavesItEmpty) {
    ExampleOrgan();
    RunWithFile(kOpenOrgan, "orgue.org");
    ASSERT_GT(m_view->g_scene->m_nbobject, 3);
    ASSERT_TRUE(RunCommand(*m_view, kLoft));
    LoftEditor *editor = m_host.m_loftEditor;
    ASSERT_TRUE(editor);
    EXPECT_EQ(m_view->g_scene->m_nbobject, 3);
    m_ui.QueueFile(m_folder / "tourelle-profil.poly");
    ASSERT_TRUE(editor->ChooseFile(LoftEditor::kCouple));
    m_ui.QueueFile(m_folder / "tourelle-forme.poly");
    ASSERT_TRUE(editor->ChooseFile(LoftEditor::kForme));
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Get PolyLine 2 Name ?");
    ASSERT_TRUE(editor->MakeLoft());
    const CObject3D *loft = m_view->g_scene->Object(2);
    ASSERT_TRUE(loft);
    EXPECT_EQ(loft->m_name, "loft1");
    EXPECT_EQ(loft->nbpts, editor->Couple()->PointCount() * editor->Forme()->PointCount());
    EXPECT_TRUE(m_view->g_scene->m_display3D);

    // "Loft" again starts a new editor; the old one's window is told first.
    RunCommand(*m_view, kLoft);
    EXPECT_EQ(m_host.m_loftEditor, m_view->m_loftEditor.get());
    EXPECT_EQ(m_view->g_scene->m_nbobject, 3);
    EXPECT_EQ(m_view->g_scene->Object(2), nullptr);
    m_view->m_loftEditor->Press(LoftEditor::kCancel);
    EXPECT_EQ(m_view->g_scene->m_nbobject, 0);
    // The next rebuild shows the organ again.
    m_view->Rebuild3D();
    EXPECT_GT(m_view->g_scene->m_nbobject, 3);
}

TEST_F(ViewTest, ChestDialogOpensFromItsCommandsAndAfterAddChest) {
    Example("grand-orgue.dat");
    Example("recit.dat");
    ASSERT_TRUE(RunWithFile(kAddChest, "grand-orgue.dat"));
    ASSERT_TRUE(m_view->m_inspector);
    EXPECT_EQ(m_host.m_chestDialog, m_view->m_inspector.get());
    ChestPositionDialog &dialog = *m_view->m_inspector;
    EXPECT_EQ(dialog.Lines(ChestPositionDialog::kChests),
              std::vector<std::string>{"   0 grand-orgue.dat"});
    dialog.RightClick();
    RunWithFile(kAddChest, "recit.dat");
    EXPECT_EQ(dialog.Lines(ChestPositionDialog::kChests).size(), 2u);
    EXPECT_EQ(m_host.m_chestDialogShows, 1);
    EXPECT_TRUE(dialog.Frozen());
    RunCommand(*m_view, kDisplayChests);
    EXPECT_FALSE(dialog.Frozen()); // opened again
    RunCommand(*m_view, kEditChestPosition);
    EXPECT_EQ(m_host.m_chestDialogShows, 3);
    EXPECT_EQ(m_view->m_inspector.get(), &dialog);

    RunWithFile(kOpenChest, "recit.dat"); // "Open Chest" refills the lists
    EXPECT_EQ(dialog.Lines(ChestPositionDialog::kChests),
              std::vector<std::string>{"   0 recit.dat"});
    EXPECT_FALSE(dialog.Lines(ChestPositionDialog::kStops).empty());
}

TEST_F(ViewTest, DeletingTheSecondOfThreeChestsKeepsAValidCurrentChest) {
    Example("grand-orgue.dat");
    Example("recit.dat");
    Example("pedale.dat");
    for (const char *name : {"grand-orgue.dat", "recit.dat", "pedale.dat"})
        RunWithFile(kAddChest, name);
    ChestPositionDialog &dialog = *m_view->m_inspector;
    ASSERT_EQ(m_view->ChestCount(), 3);
    CWindchest *pedale = &(*m_view->g_chests)[2];
    dialog.SelectChest(1);
    EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[1]);
    const Scene *before = m_view->g_scene.get();
    dialog.DeleteChest();

    ASSERT_EQ(m_view->ChestCount(), 2);
    EXPECT_EQ(dialog.Lines(ChestPositionDialog::kChests),
              (std::vector<std::string>{"   0 grand-orgue.dat", "   1 pedale.dat"}));
    EXPECT_EQ(&(*m_view->g_chests)[1], pedale); // the record itself moved up
    EXPECT_EQ(m_view->g_currentChest, pedale);  // the current chest was the deleted one
    EXPECT_EQ((*m_view->g_chests)[2].m_file_name, "windchest.dat");
    EXPECT_NE(m_view->g_scene.get(), before); // built again
    EXPECT_TRUE(m_view->g_scene->m_display3D);

    // Deleting the last chest that is current moves the current chest back; none left, none.
    dialog.SelectChest(1);
    dialog.DeleteChest();
    EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[0]);
    dialog.SelectChest(0);
    dialog.DeleteChest();
    EXPECT_EQ(m_view->ChestCount(), 0);
    EXPECT_EQ(m_view->g_currentChest, nullptr);
    RecordingCanvas canvas;
    m_view->g_scene->m_display3D = false;
    m_view->Paint2D(canvas); // nothing to draw, nothing read
}

TEST_F(ViewTest, RefreshMovesTheChestAndRebuildsTheScene) {
    Example("grand-orgue.dat");
    Example("recit.dat");
    RunWithFile(kAddChest, "grand-orgue.dat");
    RunWithFile(kAddChest, "recit.dat");
    ChestPositionDialog &dialog = *m_view->m_inspector;
    const auto lowestX = [this] {
        float lowest = 1e30f;
        for (int i = 0; i < m_view->g_scene->m_nbobject; ++i)
            if (const CObject3D *object = m_view->g_scene->Object(i))
                for (const Vec3 &p : object->m_vertices)
                    lowest = std::min(lowest, p.x);
        return lowest;
    };
    const float before = lowestX();

    dialog.SetField(ChestPositionDialog::kX, "-5000");
    dialog.Press(ChestPositionDialog::kOk); // OK alone moves nothing
    EXPECT_EQ((*m_view->g_chests)[0].m_position[0], 0);
    dialog.Press(ChestPositionDialog::kRefresh); // no selection: the first chest
    EXPECT_EQ((*m_view->g_chests)[0].m_position[0], -5000);
    EXPECT_LT(lowestX(), before - 4000);
}

} // namespace
} // namespace ventrel::test
