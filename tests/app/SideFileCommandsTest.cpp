// The side-file commands: stop, circle and wooden-pipe files, plate export, texture, pipe picking.
#include "ViewFixture.h"

#include "chest/PipePicking.h"
#include "platform/RecordingCanvas.h"

namespace ventrel::test {
namespace {

TEST_F(ViewTest, CirclesBecomeAChestOutsideTheTableAndADxf) {
    m_folder.Write("trous.cir", "3\n0 0 5\n100 0 5\n200 0 10\n");
    RunWithFile(kOpenCircles, "trous.cir");
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Load X Y R CIRCLES");
    ASSERT_NE(m_view->g_currentChest, nullptr);
    EXPECT_EQ(m_view->ChestCount(), 0);
    EXPECT_EQ(m_view->g_currentChest->StopCount(), 1);
    EXPECT_EQ(m_view->g_currentChest->Stop(0).m_pipe_count, 3);
    const std::string dxf = m_folder.Read("trous.cir.DXF");
    EXPECT_NE(dxf.find("CIRCLE"), std::string::npos);
    EXPECT_NE(dxf.find("\n40\n10"), std::string::npos);
    // The view draws it.
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    EXPECT_FALSE(canvas.OfKind(CanvasOp::Kind::Ellipse).empty());
}

TEST_F(ViewTest, PipeBoardsAreShownInsteadOfTheChestUntilNew) {
    Example("grand-orgue.dat");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    m_folder.Write("p.pipe", "PIPENUMBER 1\n10 1000 80 150 60\n");
    RunWithFile(kOpenPipe, "p.pipe");
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "Load Pipe Dimensions");
    ASSERT_TRUE(m_view->g_pipeBoards);
    RunCommand(*m_view, kDisplay3D);
    EXPECT_FALSE(m_view->Shows3D());
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    const auto boards = canvas.OfKind(CanvasOp::Kind::Rectangle);
    ASSERT_EQ(boards.size(), 4u);
    EXPECT_EQ(boards[0].a, 10);
    EXPECT_EQ(boards[0].c, 10 + 80 / 3);
    EXPECT_EQ(boards[0].d, 790 / 3);
    EXPECT_EQ(boards[2].c, 200 + 70 / 3);
    RunCommand(*m_view, kNew);
    EXPECT_FALSE(m_view->g_pipeBoards);
}

TEST_F(ViewTest, LongBoardsZoomAndMoveWithTheViewLikeTheChest) {
    // The back board of an 8' bass is 813 units long: longer than a window is high.
    m_folder.Write("b.pipe", "PIPENUMBER 1\n18 2440 130 156 39\n");
    RunWithFile(kOpenPipe, "b.pipe");
    RunCommand(*m_view, kDisplay3D); // the 3D view stays hidden behind the boards
    const Vec3 camera = m_view->g_scene->m_translation;
    m_view->OnWheel(-120, {0, 0});
    m_view->OnKeyDown(kKeyPageDown);
    m_view->OnLeftDown({50, 50});
    m_view->OnMouseMove({70, 60});
    m_view->OnLeftUp();
    EXPECT_EQ(m_view->g_scene->m_translation, camera);
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    const auto boards = canvas.OfKind(CanvasOp::Kind::Rectangle);
    ASSERT_EQ(boards.size(), 4u);
    // Zoomed by 0.64 and moved by (20, 10): the back board from (84, 10) to (111, 530).
    EXPECT_EQ(boards[1].a, 84);
    EXPECT_EQ(boards[1].b, 10);
    EXPECT_EQ(boards[1].c, 111);
    EXPECT_EQ(boards[1].d, 530);
}

TEST_F(ViewTest, StopFileBecomesTheFirstChestsStop) {
    Example("basse.stop");
    RunWithFile(kStop, "basse.stop");
    ASSERT_NE(m_view->g_currentChest, nullptr);
    EXPECT_EQ(m_view->g_currentChest, &(*m_view->g_chests)[0]);
    EXPECT_EQ(m_view->g_currentChest->StopCount(), 1);
    EXPECT_EQ(m_view->g_currentChest->Stop(0).m_pipe_count, 56);
    EXPECT_EQ(m_view->g_currentChest->Stop(0).m_name, "stop");
    EXPECT_FALSE(m_view->g_scene->m_display3D);
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translateStep, 10.0f);
}

TEST_F(ViewTest, ExportDxfWritesThePlatesOfTheCurrentChest) {
    Example("grand-orgue.dat");
    RunCommand(*m_view, kExportDxf);
    RunWithFile(kOpenChest, "grand-orgue.dat");
    RunCommand(*m_view, kExportDxf);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "grand-orgue_som.dxf"));
}

TEST_F(ViewTest, TextureRebuildsTheOrganIn3D) {
    ExampleOrgan();
    RunWithFile(kOpenOrgan, "orgue.org");
    m_view->g_scene->m_translation = {5, 6, 7};
    m_folder.Write("bois.jpg", "not really a picture");
    RunWithFile(kTexture, "bois.jpg");
    EXPECT_EQ(m_ui.FileDialogTitles().back(), "File to load");
    EXPECT_EQ(m_view->g_pipeTexture, (m_folder / "bois.jpg").string());
    EXPECT_EQ(m_view->g_scene->m_pipeTexture, m_view->g_pipeTexture);
    EXPECT_TRUE(m_view->g_scene->m_display3D);
    // The rebuild keeps the chests, not the organ file's bars, nor the camera.
    EXPECT_EQ(m_view->g_scene->m_translation, (Vec3{0, 0, -1000}));
    EXPECT_GT(m_view->g_scene->m_nbobject, 0);
}

TEST_F(ViewTest, EditPipePositionsThenAClickPicksThePipeUnderTheCursor) {
    Example("grand-orgue.dat");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    RunCommand(*m_view, kEditPipePositions);
    ASSERT_NE(m_host.m_pipeDialog, nullptr);
    CWindchest &chest = (*m_view->g_chests)[0];
    EXPECT_TRUE(chest.m_pick_mode);
    const CStop &stop = chest.Stop(0);
    const int x = stop.X(3), y = stop.Y(3);
    m_view->OnLeftDown({x, y});
    m_view->OnLeftUp();
    const auto fields = PickedPipeFields(chest);
    ASSERT_TRUE(fields);
    const CStop &picked = chest.Stop(chest.m_selected_stop);
    EXPECT_EQ(m_ui.LastStatus(), Format("Pipe %d Register: %s X=%5d Y=%5d", fields->pipe_number,
                                        picked.m_name.c_str(), fields->x, fields->y));
    EXPECT_EQ(m_host.m_pipeDialog->Field(PipePositionDialog::kX), std::to_string(fields->x));
    EXPECT_EQ(m_host.m_pipeDialog->Field(PipePositionDialog::kStopName), picked.m_name);
    // A click beside every pipe changes nothing but repaints.
    const int repaints = m_ui.Repaints();
    const std::string status = m_ui.LastStatus();
    m_view->OnLeftDown({-500, -500});
    EXPECT_EQ(m_ui.LastStatus(), status);
    EXPECT_EQ(m_ui.Repaints(), repaints + 1);
}

} // namespace
} // namespace ventrel::test
