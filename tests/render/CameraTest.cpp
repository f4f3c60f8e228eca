// The camera: drags with either or both buttons, the wheel, standard views and the reset.
#include "platform/HeadlessUi.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

struct CameraTest : ::testing::Test {
    HeadlessUi ui;
    Scene scene{&ui};
    void SetUp() override {
        scene.ResetCamera();
        scene.m_display3D = true;
        scene.m_translateStep = 0.2f;
        scene.m_rotateStep = 0.4f;
    }
};

TEST_F(CameraTest, ResetAndCreation) {
    Scene fresh;
    EXPECT_EQ(fresh.m_translation, (Vec3{0, 0, -20}));
    EXPECT_FLOAT_EQ(fresh.m_translateStep, 0.05f);
    EXPECT_EQ(fresh.m_picked, -1);
    scene.m_rotation = {1, 2, 3};
    scene.ResetCamera();
    EXPECT_EQ(scene.m_translation, (Vec3{0, 0, -1000}));
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 0, 0}));
}

TEST_F(CameraTest, LeftDragMovesAlongXAndDepth) {
    scene.LeftDown({100, 100});
    scene.MouseMove({110, 100});
    EXPECT_FLOAT_EQ(scene.m_translation.x, 2.0f);
    scene.MouseMove({110, 90}); // up brings the scene closer
    EXPECT_FLOAT_EQ(scene.m_translation.z, -1000.0f + 2.0f);
    EXPECT_EQ(scene.m_lastDelta.y, 10);
    EXPECT_EQ(ui.LastStatus(), "Deplacement 3D X:       2.00 Y:       0.00 Z:    -998.00");
    scene.LeftUp();
    scene.MouseMove({200, 200});
    EXPECT_FLOAT_EQ(scene.m_translation.x, 2.0f) << "no button, no move";
}

TEST_F(CameraTest, RightDragMovesInThePlane) {
    scene.RightDown({50, 50});
    scene.MouseMove({40, 70});
    EXPECT_FLOAT_EQ(scene.m_translation.x, -2.0f);
    EXPECT_FLOAT_EQ(scene.m_translation.y, -4.0f);
    EXPECT_EQ(ui.Statuses()[0], "Deplacement 3D X et Y");
}

TEST_F(CameraTest, BothButtonsTurnAboutYOrZ) {
    scene.LeftDown({0, 0});
    scene.RightDown({0, 0});
    scene.MouseMove({10, 5});
    EXPECT_FLOAT_EQ(scene.m_rotation.y, 4.0f);
    EXPECT_FLOAT_EQ(scene.m_rotation.x, -2.0f);
    EXPECT_EQ(ui.Statuses()[0], "Rotation 3D X et Z");
    scene.ToggleTurnAxis();
    scene.MouseMove({20, 5});
    EXPECT_FLOAT_EQ(scene.m_rotation.y, 4.0f);
    EXPECT_FLOAT_EQ(scene.m_rotation.z, 4.0f);
    EXPECT_EQ(scene.m_lastMove.x, 20);
}

TEST_F(CameraTest, DragsDoNothingInTwoD) {
    scene.m_display3D = false;
    scene.LeftDown({0, 0});
    EXPECT_EQ(scene.m_leftDrag, 0);
    scene.RightDown({0, 0});
    scene.MouseMove({10, 10});
    EXPECT_EQ(scene.m_translation, (Vec3{0, 0, -1000}));
}

TEST_F(CameraTest, WheelStepsAndStandardViews) {
    scene.m_translateStep = 10;
    scene.Wheel(120, {3, 4});
    EXPECT_FLOAT_EQ(scene.m_translation.z, -900.0f);
    scene.Wheel(-120, {3, 4});
    scene.Wheel(0, {3, 4});
    EXPECT_FLOAT_EQ(scene.m_translation.z, -1100.0f);
    scene.SetView(StandardView::Top);
    EXPECT_EQ(scene.m_rotation, (Vec3{90, 0, 0}));
    scene.SetView(StandardView::Left);
    EXPECT_EQ(scene.m_rotation, (Vec3{0, 90, 0}));
    scene.SetView(StandardView::Right);
    EXPECT_EQ(scene.m_rotation, (Vec3{0, -90, 0}));
    scene.SpinStep();
    EXPECT_FLOAT_EQ(scene.m_rotation.y, -90.5f);
}

TEST_F(CameraTest, RightUpWithPickingOffReportsNoDesignation) {
    scene.RightDown({1, 1});
    EXPECT_EQ(scene.RightUp({1, 1}), -1);
    EXPECT_EQ(scene.m_rightDrag, 0);
    EXPECT_EQ(ui.LastStatus(), "ERREUR DESIGNATION");
}

} // namespace
} // namespace ventrel
