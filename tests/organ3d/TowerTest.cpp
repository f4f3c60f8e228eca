// The sample tower: outline point counts and shapes, the four files, the swept loft.
#include "organ3d/Tower.h"
#include "platform/HeadlessUi.h"
#include "platform/WorkFolder.h"
#include "render/Scene.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(Tower, OutlinesHaveTheirPointCountsAndEnds) {
    CTower tower;
    BuildTowerOutlines(tower);
    const L_2D_Drawing &couple = tower.m_loft.m_couple;
    const L_2D_Drawing &forme = tower.m_loft.m_forme;
    ASSERT_EQ(couple.PointCount(), 82);
    ASSERT_EQ(forme.PointCount(), 23);
    EXPECT_EQ(forme.m_points[0], (Vec2{0, 0}));
    EXPECT_EQ(forme.m_points[1], (Vec2{0, -500}));
    EXPECT_NEAR(forme.m_points[11].x, -500, 1e-3) << "the arc's tenth point";
    EXPECT_NEAR(forme.m_points[11].y, -1000, 1e-3);
    EXPECT_NEAR(forme.m_points[21].x, -1000, 1e-3);
    EXPECT_NEAR(forme.m_points[21].y, -500, 1e-3);
    EXPECT_NEAR(forme.m_points[22].x, -1000, 1e-3);
    EXPECT_NEAR(forme.m_points[22].y, 0, 1e-3);
    // The profile rises by two quarters of 50, a step of 50, and so on: 300 in all.
    EXPECT_NEAR(couple.m_points[81].y, 300, 1e-3);
    EXPECT_NEAR(couple.m_points[19].y, 50, 1e-3);
    EXPECT_NEAR(couple.m_points[20].y, 100, 1e-3);

    BuildTowerOutlines(tower);
    EXPECT_EQ(tower.m_loft.m_couple.PointCount(), 82) << "built again from scratch";
}

TEST(Tower, CommandWritesFourFilesAndAppendsTheLoft) {
    test::TestFolder folder;
    HeadlessUi ui;
    Scene scene(&ui);
    CTower tower;
    ASSERT_TRUE(BuildTower(tower, scene, WorkFolder::Both(folder.Path()), ui));
    EXPECT_TRUE(tower.m_outlines);
    const std::string forme = folder.Read("orgext_tourelle_forme.poly");
    EXPECT_EQ(forme.substr(0, 10), "        23");
    EXPECT_EQ(forme.size(), 10u + 23 * 33);
    EXPECT_EQ(folder.Read("orgext_tourelle_couple.poly").substr(0, 10), "        82");
    const std::string dxf = folder.Read("orgext_tourelle_forme.dxf");
    size_t lines = 0;
    for (size_t at = dxf.find("\nLINE\n"); at != std::string::npos;
         at = dxf.find("\nLINE\n", at + 1))
        ++lines;
    EXPECT_EQ(lines, 22u);
    EXPECT_FALSE(folder.Read("orgext_tourelle_couple.dxf").empty());

    ASSERT_EQ(scene.m_nbobject, 1);
    const CObject3D &loft = *scene.Object(0);
    EXPECT_EQ(loft.m_name, "");
    EXPECT_EQ(loft.nbpts, 82 * 23);
    EXPECT_EQ(loft.nbface, 81 * 22);
    EXPECT_EQ(loft.m_textureFile, "wood.jpg");
    // Upright: the profile's height is the scene's Y, the path lies in the floor plane.
    float top = 0;
    for (const Vec3 &p : loft.m_vertices)
        top = std::max(top, p.y);
    EXPECT_NEAR(top, 300, 1e-3);
}

} // namespace
} // namespace ventrel
