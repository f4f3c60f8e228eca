// An object's placement as one matrix: points and normals carried as OpenGL carries them.
#include "render/Placement.h"
#include "render/CObject3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventrel {
namespace {

void ExpectNear(Vec3 actual, Vec3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4);
    EXPECT_NEAR(actual.y, expected.y, 1e-4);
    EXPECT_NEAR(actual.z, expected.z, 1e-4);
}

TEST(Placement, TranslationTurnAndScaleApplyInTheListsOrder) {
    CObject3D object;
    object.translation = {100, 0, 0};
    object.angle = 90;
    object.rotation = {0, 0, 1};
    object.echelle = {2, 3, 1};
    const Placement placement = Placement::Of(object);
    // Scaled first (the last operation is nearest the point), then turned, then moved.
    ExpectNear(placement.Point({1, 0, 0}), {100, 2, 0});
    ExpectNear(placement.Point({0, 1, 0}), {97, 0, 0});
    ExpectNear(placement.Point({0, 0, 5}), {100, 0, 5});
}

TEST(Placement, NormalsFollowTheInverseTransposeWithoutNormalising) {
    CObject3D object;
    object.echelle = {2, 1, 1};
    object.translation = {7, 8, 9};
    const Placement placement = Placement::Of(object);
    // A 45-degree face stretched along x leans towards y: its normal shrinks along x.
    ExpectNear(placement.Normal({1, 1, 0}), {0.5f, 1, 0});
    ExpectNear(placement.Normal({0, 0, 1}), {0, 0, 1});
}

TEST(Placement, DegenerateTurnsAndFlatScalesStayFinite) {
    CObject3D object;
    object.angle = 30;
    object.rotation = {0, 0, 0}; // no axis: no turn, as in OpenGL
    object.m_scaleAngle = 45;
    object.m_scaleAxis = {0, 0, 1};
    object.echelle = {1, 1, 0}; // flattened: the determinant is 0
    const Placement placement = Placement::Of(object);
    ExpectNear(placement.Point({1, 0, 4}), {1, 0, 0});
    const Vec3 n = placement.Normal({0, 0, 1});
    EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.z));
}

} // namespace
} // namespace ventrel
