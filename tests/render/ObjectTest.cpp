// Object geometry: the quad, grid and extrusion builders, point transforms and material colours.
#include "math/CMatrix.h"
#include "render/CObject3D.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

TEST(CObject3D, QuadHasFourCornersOneFaceAndSwappedTextureCoordinates) {
    Scene scene;
    CObject3D quad;
    quad.MakeQuad(scene, "LOFT", {10, 20, 5}, {100, 50}, "");
    ASSERT_EQ(quad.nbpts, 4);
    EXPECT_EQ(quad.nbindex, 5);
    EXPECT_EQ(quad.m_index, (std::vector<int>{0, 1, 2, 3, -1}));
    EXPECT_EQ(quad.m_vertices[2], (Vec3{110, 70, 5}));
    EXPECT_EQ(quad.m_texvertex[1], (Vec2{0, 1}));
    EXPECT_EQ(quad.m_texindex, quad.m_index);
    EXPECT_EQ(quad.m_textureMode, -1) << "no texture asked, none attached";
}

TEST(CObject3D, GridPointsAndQuadWindings) {
    CObject3D grid;
    grid.MakeGrid(10, 20, 3, 2, 1);
    ASSERT_EQ(grid.nbpts, 6);
    EXPECT_EQ(grid.m_vertices[4], (Vec3{10, 0, 20})) << "point (i, j) = j * nu + i";
    EXPECT_EQ(grid.nbface, 2);
    EXPECT_EQ(grid.m_index, (std::vector<int>{0, 1, 4, 3, -1, 1, 2, 5, 4, -1}));
    grid.MakeGrid(10, 20, 3, 2, 0);
    EXPECT_EQ(grid.m_index, (std::vector<int>{0, 3, 4, 1, -1, 1, 4, 5, 2, -1}));
    grid.MakeGrid(10, 10, 1, 5, 1);
    EXPECT_EQ(grid.nbface, 0);
    EXPECT_TRUE(grid.m_index.empty());
    grid.MakeGrid(10, 10, -3, 5, 1);
    EXPECT_EQ(grid.nbpts, 0);
}

TEST(CObject3D, ExtrusionOfATriangleClosesItsRing) {
    CObject3D triangle;
    triangle.m_vertices = {{0, 0, 0}, {10, 0, 0}, {0, 0, 10}};
    triangle.m_index = {0, 1, 2, -1};
    triangle.nbpts = 3;
    triangle.nbindex = 4;
    triangle.nbface = 1;
    CObject3D walls;
    walls.MakeExtrusion(triangle, {0, 10, 0});
    ASSERT_EQ(walls.nbpts, 6);
    EXPECT_EQ(walls.m_vertices[4], (Vec3{10, 10, 0}));
    EXPECT_EQ(walls.nbface, 3);
    EXPECT_EQ(walls.nbindex, 15);
    EXPECT_EQ(walls.m_index, (std::vector<int>{0, 1, 4, 3, -1, 1, 2, 5, 4, -1, 2, 0, 3, 5, -1}));
}

TEST(CObject3D, ExtrusionOfSharedPointsStaysInsideThePointTable) {
    // Two triangles sharing an edge: five corners... six corners over four points.
    CObject3D profile;
    profile.m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}};
    profile.m_index = {0, 1, 2, -1, 0, 2, 3, -1, 7, 1, -1};
    profile.nbpts = 4;
    profile.nbindex = 11;
    CObject3D walls;
    walls.MakeExtrusion(profile, {0, 5, 0});
    ASSERT_EQ(walls.nbpts, 8);
    for (int i : walls.m_index)
        EXPECT_LT(i, walls.nbpts);
    EXPECT_EQ(walls.nbface, 6) << "the corner naming point 7 gives no wall";
    EXPECT_EQ(std::vector<int>(walls.m_index.begin() + 15, walls.m_index.begin() + 20),
              (std::vector<int>{0, 2, 6, 4, -1}));
}

TEST(CObject3D, ScaleTranslateAndTransform) {
    CObject3D object;
    object.m_vertices = {{1, 2, 3}};
    object.nbpts = 1;
    object.Scale({2, 3, 4});
    object.Translate({1, 1, 1});
    EXPECT_EQ(object.m_vertices[0], (Vec3{3, 7, 13}));
    CMatrix swapYZ(3, 3);
    swapYZ.Set(0, 0, 1);
    swapYZ.Set(1, 2, 1);
    swapYZ.Set(2, 1, 1);
    object.Transform(swapYZ);
    EXPECT_EQ(object.m_vertices[0], (Vec3{3, 13, 7}));
    object.Transform(CMatrix(2, 2));
    EXPECT_EQ(object.m_vertices[0], (Vec3{3, 13, 7})) << "a matrix too small is ignored";
}

TEST(CObject3D, ColoursFromColorRefOnlyWhereThereIsAnArray) {
    CObject3D object;
    object.SetDiffuse(0, 0x0000ff);
    EXPECT_TRUE(object.T_diffuseColor.empty());
    object.m_vertices = {{0, 0, 0}};
    object.nbpts = 1;
    object.AllocMaterials(1);
    object.m_dirty = 0;
    object.SetDiffuse(0, 0x0000ff);
    object.SetAmbient(0, 0xff8000);
    object.SetSpecular(3, 0xffffff);
    EXPECT_EQ(object.T_diffuseColor[0], (Vec3{1, 0, 0}));
    EXPECT_FLOAT_EQ(object.T_ambientColor[0].y, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(object.T_ambientColor[0].z, 1.0f);
    EXPECT_EQ(object.m_dirty, 1);
}

TEST(CObject3D, TextureNameCountsUsesOfSharedTextures) {
    CObject3D object;
    EXPECT_EQ(object.TextureName(), -1);
    object.m_textureSlot = 3;
    object.m_textureMode = 1;
    EXPECT_EQ(object.TextureName(), 3);
    EXPECT_EQ(object.m_textureUses, 0);
    object.m_textureMode = 2;
    object.TextureName();
    EXPECT_EQ(object.TextureName(), 3);
    EXPECT_EQ(object.m_textureUses, 2);
}

} // namespace
} // namespace ventrel
