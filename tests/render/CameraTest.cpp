// The camera: drags with either or both buttons, the wheel, standard views and the reset.
#include "platform/HeadlessUi.h"
#include "render/FitCamera.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

namespace ventrel {
namespace {

// The eye coordinates of a scene point as the frame places it: translation, then the rotations
// about X, Y and Z in that order (the fixed-function matrices multiplied out by hand).
Vec3 Eye(const Scene &scene, Vec3 p) {
    const double r = 3.14159265358979323846 / 180.0;
    const double cx = std::cos(scene.m_rotation.x * r), sx = std::sin(scene.m_rotation.x * r);
    const double cy = std::cos(scene.m_rotation.y * r), sy = std::sin(scene.m_rotation.y * r);
    const double cz = std::cos(scene.m_rotation.z * r), sz = std::sin(scene.m_rotation.z * r);
    const double x1 = cz * p.x - sz * p.y, y1 = sz * p.x + cz * p.y, z1 = p.z;
    const double x2 = cy * x1 + sy * z1, y2 = y1, z2 = -sy * x1 + cy * z1;
    const double x3 = x2, y3 = cx * y2 - sx * z2, z3 = sx * y2 + cx * z2;
    return {float(x3 + scene.m_translation.x), float(y3 + scene.m_translation.y),
            float(z3 + scene.m_translation.z)};
}

TEST(FitCamera, TheWholeSceneFillsTheViewFromTheCurrentDirection) {
    const double tanV = std::tan(22.5 * 3.14159265358979323846 / 180.0);
    for (Vec3 rotation : {Vec3{0, 0, 0}, Vec3{30, 45, 0}, Vec3{-20, 200, 10}}) {
        Scene scene;
        scene.m_aspect = 1.6;
        scene.m_min = {-500, 0, 200};
        scene.m_max = {3500, 6000, 1400};
        scene.m_rotation = rotation;
        ASSERT_TRUE(FitCamera(scene));
        EXPECT_EQ(scene.m_rotation, rotation) << "the direction is kept";
        double widest = 0;
        for (int corner = 0; corner < 8; ++corner) {
            const Vec3 p = Eye(scene, {corner & 1 ? scene.m_max.x : scene.m_min.x,
                                       corner & 2 ? scene.m_max.y : scene.m_min.y,
                                       corner & 4 ? scene.m_max.z : scene.m_min.z});
            ASSERT_LT(p.z, 0) << "in front of the camera";
            const double nx = p.x / (-p.z * tanV * 1.6), ny = p.y / (-p.z * tanV);
            EXPECT_LE(std::abs(nx), 1.0);
            EXPECT_LE(std::abs(ny), 1.0);
            widest = std::max({widest, std::abs(nx), std::abs(ny)});
        }
        EXPECT_GT(widest, 0.85) << "the scene fills the view";
    }
    Scene empty;
    const Vec3 before = empty.m_translation;
    EXPECT_FALSE(FitCamera(empty));
    EXPECT_EQ(empty.m_translation, before);
}

} // namespace
} // namespace ventrel
