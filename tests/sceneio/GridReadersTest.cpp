// The text mesh, footprint and terrain grid readers.
#include "platform/HeadlessUi.h"
#include "render/Scene.h"
#include "sceneio/V_Lib.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

struct Reading {
    HeadlessUi ui;
    Scene scene{&ui};
    V_Lib lib{&ui};
    explicit Reading(const std::string &text) { lib.SetText(text, "grid.txt"); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto &m : ui.Messages())
            texts.push_back(m.text);
        return texts;
    }
};

TEST(MeshReader, PointsFacesAndTextureCoordinatesOfEveryMesh) {
    Reading r(
        "xof 0302txt 0064\n"
        "template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD nVertices; }\n"
        "Mesh {\n 4;\n 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;\n 2;\n 3;0,1,2;, 3;0,2,3;;\n"
        " MeshMaterialList { 1; 2; 0, 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; "
        "TextureFilename { \"wall.jpg\"; } } }\n"
        " MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0;1;; }\n}\n"
        "Mesh Second {\n 3;\n 5;5;5;, 6;5;5;, 6;6;5;;\n 1;\n 4;0,1,9,9223372036854775807;;\n}\n");
    r.scene.AddObject(std::make_unique<CObject3D>())->m_name = "organ";
    EXPECT_EQ(r.lib.ReadMeshScene(r.scene), 1);
    ASSERT_EQ(r.scene.m_nbobject, 2); // appended: the organ stays
    EXPECT_EQ(r.scene.Object(0)->m_name, "organ");
    const CObject3D &mesh = *r.scene.Object(1);
    EXPECT_EQ(mesh.nbpts, 7);
    // The second mesh's faces address its own points; the corners it does not have are left out.
    EXPECT_EQ(mesh.m_index, (std::vector<int>{0, 1, 2, -1, 0, 2, 3, -1, 4, 5, -1}));
    EXPECT_EQ(mesh.nbface, 3);
    EXPECT_EQ(mesh.m_textureFile, "wall.jpg");
    ASSERT_EQ(mesh.nbtexvertex, 7); // padded for the mesh without coordinates
    EXPECT_EQ(mesh.m_texvertex[2].y, 1.0f);
    EXPECT_EQ(mesh.m_texindex, mesh.m_index);
}

TEST(MeshReader, CountsBeyondTheTextEndTheReading) {
    Reading r("Mesh { 2000000000; 1;2;3;; 2000000000; 3;0;0;0;; ");
    EXPECT_EQ(r.lib.ReadMeshScene(r.scene), 1);
    EXPECT_EQ(r.scene.Object(0)->nbpts, 2); // (1, 2, 3) and (2000000000, 3, 0)
}

TEST(FootprintReader, BuildingsWoodsAndTheirWalls) {
    Reading r("BAT. 0 0 0, 10 0 0, 10 10 0, 0 10 0\n"
              "BOIS 20 0 0 30 0 0 30 10 0\n"
              "BAT. 40 0 0 41 0 0 41 1 0 \n");
    EXPECT_EQ(r.lib.ReadFootprintScene(r.scene), 2);
    const CObject3D &ign = *r.scene.Object(0);
    EXPECT_EQ(ign.m_name, "IGN");
    EXPECT_EQ(ign.nbpts, 10);
    EXPECT_EQ(ign.m_index, (std::vector<int>{0, 1, 2, 3, -1, 4, 5, 6, -1, 7, 8, 9, -1}));
    EXPECT_EQ(ign.m_faceMaterial, (std::vector<int>{0, 1, 0}));
    ASSERT_EQ(ign.T_diffuseColor.size(), 5u);
    EXPECT_EQ(ign.T_diffuseColor[0].x, 100.0f);
    EXPECT_EQ(ign.T_diffuseColor[1].y, 100.0f);
    EXPECT_TRUE(ign.m_normales.empty());
    const CObject3D &walls = *r.scene.Object(1);
    EXPECT_EQ(walls.nbpts, 20);
    EXPECT_EQ(walls.nbface, 10); // one quadrilateral per footprint point
    EXPECT_EQ(walls.m_vertices[10].z, 30.0f);
    EXPECT_EQ(walls.T_diffuseColor[0].x, 100.0f);
}

TEST(FootprintReader, OneSquare) {
    Reading r("BAT. 0 0 0 1 0 0 1 1 0 0 1 0 ");
    r.lib.ReadFootprintScene(r.scene);
    const CObject3D &ign = *r.scene.Object(0);
    EXPECT_EQ(ign.nbpts, 4);
    EXPECT_EQ(ign.nbindex, 5);
    EXPECT_EQ(ign.nbface, 1);
    EXPECT_EQ(ign.m_faceMaterial, (std::vector<int>{0}));
}

std::string Grid(const std::vector<int> &columns, int code = 0) {
    std::string text;
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (int row = 0; row < columns[c]; ++row)
            text += std::to_string(100 + c) + " " + std::to_string(200 + row) + " " +
                    std::to_string(row + c) + " " + std::to_string(code) + " x\n";
    return text;
}

TEST(TerrainReader, GridOfQuadrilateralsRelativeToTheFirstPoint) {
    Reading r(Grid({4, 4, 4}, 6));
    EXPECT_EQ(r.lib.ReadTerrainScene(r.scene), 1);
    const CObject3D &ground = *r.scene.Object(0);
    EXPECT_EQ(ground.nbpts, 12);
    EXPECT_EQ(ground.nbface, 6);
    EXPECT_EQ(ground.nbindex, 30);
    EXPECT_EQ(std::vector<int>(ground.m_index.begin(), ground.m_index.begin() + 5),
              (std::vector<int>{0, 1, 5, 4, -1}));
    // The file's height is the scene's y, its y the scene's z.
    EXPECT_EQ(ground.m_vertices[5].x, 1.0f);
    EXPECT_EQ(ground.m_vertices[5].y, 2.0f);
    EXPECT_EQ(ground.m_vertices[5].z, 1.0f);
    EXPECT_EQ(ground.nbmaterial, 7);
    ASSERT_EQ(ground.T_diffuseColor.size(), 7u);
    EXPECT_EQ(ground.T_diffuseColor[2].z, 100.0f);
    EXPECT_EQ(ground.T_ambientColor.size(), 7u);
    EXPECT_TRUE(r.Messages().empty());
    // Fewer codes than five: the colour list is still five long.
    Reading few(Grid({2, 2}));
    few.lib.ReadTerrainScene(few.scene);
    EXPECT_EQ(few.scene.Object(0)->T_diffuseColor.size(), 5u);
}

TEST(TerrainReader, UnevenColumnsAreReported) {
    Reading r(Grid({4, 4, 3}));
    r.lib.ReadTerrainScene(r.scene);
    EXPECT_EQ(r.Messages(), (std::vector<std::string>{"fichier inhomogene en x"}));
    Reading y(Grid({3, 4, 4, 4}));
    y.lib.ReadTerrainScene(y.scene);
    EXPECT_EQ(y.Messages(),
              (std::vector<std::string>{"fichier inhomogene en x", "fichier inhomogene en y"}));
    // Every face stays within the points.
    for (const Reading *reading : {&r, &y}) {
        const CObject3D &ground = *reading->scene.Object(0);
        for (int index : ground.m_index)
            EXPECT_LT(index, ground.nbpts);
    }
}

TEST(TerrainReader, MaterialCodesOutOfRangeAreRefused) {
    Reading r(Grid({2, 2}, 2000000000));
    r.lib.ReadTerrainScene(r.scene);
    EXPECT_EQ(r.scene.Object(0)->T_diffuseColor.size(), 5u);
    EXPECT_EQ(r.Messages().size(), 1u);
}

} // namespace
} // namespace ventrel
