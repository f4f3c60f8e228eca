// Face and point normals, and what they do with faulty faces.
#include "platform/HeadlessUi.h"
#include "render/CObject3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventrel {
namespace {

void MakeUnitCube(CObject3D &cube) {
    cube.m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                       {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    cube.m_index = {0, 1, 5, 4, -1, 1, 2, 6, 5, -1, 3, 7, 6, 2, -1,
                    0, 4, 7, 3, -1, 0, 3, 2, 1, -1, 4, 5, 6, 7, -1};
    cube.nbpts = 8;
    cube.nbindex = 30;
    cube.nbface = 6;
}

// The box winding of the organ builders turns every face towards the inside of the box.
TEST(Normals, UnitCubeFacesAreAxisAlignedAndCornersDiagonal) {
    CObject3D cube;
    MakeUnitCube(cube);
    cube.L_BuildNormals();
    ASSERT_EQ(cube.nbnormal, 6);
    const Vec3 expected[6] = {{0, 0, 1}, {-1, 0, 0}, {0, 0, -1}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_FLOAT_EQ(cube.m_normales[k].x, expected[k].x) << k;
        EXPECT_FLOAT_EQ(cube.m_normales[k].y, expected[k].y) << k;
        EXPECT_FLOAT_EQ(cube.m_normales[k].z, expected[k].z) << k;
    }
    EXPECT_EQ(cube.m_normalindex[6], 1);
    EXPECT_EQ(cube.m_normalindex[9], -1) << "terminators stay -1";
    const float d = 1.0f / std::sqrt(3.0f);
    for (int p = 0; p < 8; ++p) {
        const Vec3 n = cube.m_normalesPerVertex[p];
        const Vec3 v = cube.m_vertices[p];
        EXPECT_NEAR(n.x, v.x == 0 ? d : -d, 1e-6) << p;
        EXPECT_NEAR(n.y, v.y == 0 ? d : -d, 1e-6) << p;
        EXPECT_NEAR(n.z, v.z == 0 ? d : -d, 1e-6) << p;
    }
    EXPECT_EQ(cube.m_vertexnormalindex,
              (std::vector<int>{0, 1, 5, 4, -1, 1, 2, 6, 5, -1, 3, 7, 6, 2, -1,
                                0, 4, 7, 3, -1, 0, 3, 2, 1, -1, 4, 5, 6, 7, -1}));
}

TEST(Normals, NormalsFromAFileAreKept) {
    CObject3D cube;
    MakeUnitCube(cube);
    cube.m_normales = std::vector<Vec3>(6, Vec3{0, 0, 2});
    cube.nbnormal = 6;
    cube.m_normalindex = std::vector<int>(30, 0);
    cube.L_BuildNormals();
    EXPECT_EQ(cube.m_normales[3], (Vec3{0, 0, 2}));
    EXPECT_EQ(cube.m_normalesPerVertex[0], (Vec3{0, 0, 1}));
}

TEST(Normals, FaultyFacesNeverReadOutsideTheTables) {
    CObject3D object;
    object.m_vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    // A one-corner face, a two-corner face, a face naming points 7 and -5, then a good triangle,
    // and an unterminated run at the end.
    object.m_index = {0, -1, 1, 2, -1, 0, 7, -5, -1, 0, 1, 2, -1, 2, 1};
    object.nbpts = 3;
    object.nbindex = static_cast<int>(object.m_index.size());
    object.nbface = 5;
    HeadlessUi ui;
    object.L_BuildNormals(&ui);
    ASSERT_EQ(object.nbnormal, 5);
    EXPECT_EQ(object.m_normales[0], (Vec3{0, 0, 0}));
    EXPECT_EQ(object.m_normales[2], (Vec3{0, 0, 0}));
    EXPECT_EQ(object.m_normales[3], (Vec3{0, 0, 1}));
    Vec3 out{9, 9, 9};
    EXPECT_FALSE(object.FaceNormal(out, 14, &ui));
    EXPECT_EQ(out, (Vec3{9, 9, 9})) << "past the index list the output is untouched";
    EXPECT_EQ(ui.LastStatus(), "Erreur débordement Index");
}

TEST(Normals, CountsLargerThanTheArraysAreClipped) {
    CObject3D object;
    object.m_vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    object.m_index = {0, 1, 2, -1};
    object.nbpts = 300;
    object.nbindex = 4000;
    object.nbface = 1;
    object.L_BuildNormals();
    EXPECT_EQ(object.nbnormal, 1);
    EXPECT_EQ(object.m_normalesPerVertex.size(), 3u);
}

} // namespace
} // namespace ventrel
