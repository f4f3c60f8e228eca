// The view's window messages: zoom with keys and wheel, pan with a drag, painting precedence.
#include "ViewFixture.h"

#include "platform/RecordingCanvas.h"
#include "render/CObject3D.h"

namespace ventrel::test {
namespace {

TEST_F(ViewTest, PageUpAndPageDownZoomThe2DDrawing) {
    const float start = m_view->m_drawing.g_scale2D;
    m_view->OnKeyDown(kKeyPageUp);
    m_view->OnKeyDown(kKeyPageUp);
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, start * 1.44f, 1e-5);
    m_view->OnKeyDown(kKeyPageDown);
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, start * 1.44f * 0.8f, 1e-5);
    m_view->OnKeyDown('A');
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, start * 1.44f * 0.8f, 1e-5);
    EXPECT_FALSE(m_host.m_ended);
}

TEST_F(ViewTest, WheelZoomsIn2DAndMovesTheCameraIn3D) {
    m_view->OnWheel(120, {0, 0});
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, 1.2f, 1e-6);
    m_view->OnWheel(-120, {0, 0});
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, 0.96f, 1e-6);
    RunCommand(*m_view, kDisplay3D);
    RunCommand(*m_view, kResetView3D); // translation step 10
    m_view->OnWheel(120, {0, 0});
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translation.z, -900.0f);
    m_view->OnWheel(-120, {0, 0});
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translation.z, -1000.0f);
    EXPECT_NEAR(m_view->m_drawing.g_scale2D, 0.96f, 1e-6);
}

TEST_F(ViewTest, LeftDragPansThe2DDrawing) {
    m_view->OnLeftDown({100, 100});
    const int repaints = m_ui.Repaints();
    m_view->OnMouseMove({100, 100});
    EXPECT_EQ(m_ui.Repaints(), repaints);
    m_view->OnMouseMove({105, 97});
    EXPECT_EQ(m_view->m_drawing.g_pan.x, 5);
    EXPECT_EQ(m_view->m_drawing.g_pan.y, -3);
    EXPECT_EQ(m_ui.Repaints(), repaints + 1);
    m_view->OnLeftUp();
    m_view->OnMouseMove({200, 200});
    EXPECT_EQ(m_view->m_drawing.g_pan.x, 5);
}

TEST_F(ViewTest, LeftDragIn3DMovesTheCameraNotThePan) {
    RunCommand(*m_view, kDisplay3D);
    m_view->OnLeftDown({100, 100});
    m_view->OnMouseMove({110, 100});
    m_view->OnLeftUp();
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translation.x, 2.0f);
    EXPECT_EQ(m_view->m_drawing.g_pan.x, 0);
    // The right button moves it in its plane and reports it.
    m_view->OnRightDown({0, 0});
    m_view->OnMouseMove({0, -10});
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translation.y, 2.0f);
    EXPECT_EQ(m_ui.LastStatus().rfind("Deplacement 3D X:", 0), 0u);
    // Without picking a right click designates nothing.
    m_view->OnRightUp({0, -10});
    EXPECT_EQ(m_ui.LastStatus(), "ERREUR DESIGNATION");
}

TEST_F(ViewTest, PaintingFollowsItsOrderOfPrecedence) {
    // Nothing but the background without a chest.
    RecordingCanvas empty;
    m_view->Paint2D(empty);
    ASSERT_EQ(empty.OfKind(CanvasOp::Kind::FillRect).size(), 1u);
    EXPECT_EQ(empty.DrawCount(), 1u);

    Example("grand-orgue.dat");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    RecordingCanvas chest;
    m_view->Paint2D(chest);
    EXPECT_GT(chest.DrawCount(), 100u);
    EXPECT_FALSE(chest.OfKind(CanvasOp::Kind::Text).empty());

    // Masq dimensions leaves out the per-pipe numbers.
    RunCommand(*m_view, kMasqDimensions);
    RecordingCanvas hidden;
    m_view->Paint2D(hidden);
    EXPECT_LT(hidden.OfKind(CanvasOp::Kind::Text).size(),
              chest.OfKind(CanvasOp::Kind::Text).size());

    // The grid adds lines across the view.
    RunCommand(*m_view, kGrid);
    RecordingCanvas grid;
    m_view->Paint2D(grid);
    EXPECT_GT(grid.OfKind(CanvasOp::Kind::LineTo).size(),
              hidden.OfKind(CanvasOp::Kind::LineTo).size());

    // In 3D the 2D canvas gets the background only; the keyboard and the pedalboard come first.
    RunCommand(*m_view, kDisplay3D);
    EXPECT_TRUE(m_view->Shows3D());
    RecordingCanvas none;
    m_view->Paint2D(none);
    EXPECT_EQ(none.DrawCount(), 1u);
    EXPECT_EQ(none.OfKind(CanvasOp::Kind::FillRect).size(), 1u);
    RunCommand(*m_view, kKeyboard);
    EXPECT_FALSE(m_view->Shows3D());
    RecordingCanvas keyboard;
    m_view->Paint2D(keyboard);
    EXPECT_GT(keyboard.OfKind(CanvasOp::Kind::LineTo).size(), 60u * 3);
}

TEST_F(ViewTest, PedalboardIsShownAndWrittenByItsCommands) {
    RunCommand(*m_view, kCreatePedalboard);
    EXPECT_TRUE(m_view->g_pedalboardMode);
    RecordingCanvas canvas;
    m_view->Paint2D(canvas);
    EXPECT_GT(canvas.OfKind(CanvasOp::Kind::LineTo).size(), 10u);
    m_ui.QueueFile(m_folder / "x.dat");
    m_view->AskFileName("any|*.*|", "folder");
    RunCommand(*m_view, kWritePedalboardDxf);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "plancheAR.dxf"));
    RunCommand(*m_view, kNew);
    EXPECT_FALSE(m_view->g_pedalboardMode);
}

TEST_F(ViewTest, BackgroundAndBarGoIntoTheSceneAndShow3D) {
    RunCommand(*m_view, kBar);
    RunCommand(*m_view, kBar);
    ASSERT_EQ(m_view->g_scene->m_nbobject, 2);
    EXPECT_EQ(m_view->g_scene->Object(1)->m_name, "BARRE_1");
    EXPECT_TRUE(m_view->g_scene->m_display3D);
    RunCommand(*m_view, kCreateBackground);
    EXPECT_EQ(m_view->g_scene->m_nbobject, 3);
    EXPECT_FLOAT_EQ(m_view->g_scene->m_translateStep, 30.0f);
}

} // namespace
} // namespace ventrel::test
