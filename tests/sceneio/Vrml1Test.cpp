// The VRML 1.0 object reader: objects from DEF names and markers, fields, lights, textures.
#include "SceneText.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::SceneText;

TEST(Vrml1, NamedGroupsOpenObjectsAndGeometryBelongsToThem) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "DEF Tree Separator {\n"
              "  Coordinate3 { point [ 0 0 0, 1 0 0, 1 1 0, 0 1 0 ] }\n"
              "  DEF faces IndexedFaceSet { coordIndex [ 0, 1, 2, -1, 0, 2, 3, -1 ] }\n"
              "}\n"
              "DEF House Separator {\n"
              "  Coordinate3 { point [ 5 5 5 ] }\n"
              "}\n");
    ASSERT_EQ(text.Names(), (std::vector<std::string>{"Tree", "House"}));
    const CObject3D &tree = text.Object(0);
    EXPECT_EQ(tree.nbpts, 4);
    EXPECT_EQ(tree.nbindex, 8);
    EXPECT_EQ(tree.nbface, 2);
    EXPECT_EQ(tree.m_index.capacity(), 8u); // each list at its exact size
    EXPECT_EQ(text.Object(1).nbpts, 1);
    EXPECT_EQ(text.Object(1).m_vertices[0].z, 5.0f);
}

TEST(Vrml1, TransformNodes) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "Rotation { rotation 0 0 1 1.5707963 }\n"
              "Translation { translation 1 2 3 }\n"
              "Scale { scaleFactor 2 2 2 }\n"
              "MatrixTransform { matrix 1 0 0 0 0 1 0 0 0 0 1 0 4 5 6 1 }\n"
              "MatrixTransform { matrix 1 0 0 0 0 1 0 0 0 0 1 0 4 5 6 }\n");
    const CObject3D &o = text.Object(0);
    EXPECT_EQ(o.rotation.z, 1.0f);
    EXPECT_NEAR(o.angle, 90.0f, 1e-4);
    EXPECT_EQ(o.translation.y, 2.0f);
    EXPECT_EQ(o.echelle.x, 2.0f);
    EXPECT_TRUE(o.m_hasMatrix);
    EXPECT_EQ(o.m_matrix[12], 4.0f);
}

TEST(Vrml1, MaterialsOnlyForNamedObjectsWithIndexesCheckedAgainstTheColours) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "Material { diffuseColor 1 0 0 }\n" // not named yet: ignored
              "DEF Box Separator {\n"
              "  Material { # the box\n"
              "    diffuseColor [ 1 0 0, 0 1 0 ] ambientColor 0.1 0.2 0.3 shininess [ 0.5 0.25 ]\n"
              "  }\n"
              "  Coordinate3 { point [ 0 0 0, 1 0 0, 1 1 0 ] }\n"
              "  IndexedFaceSet { coordIndex [ 0 1 2 -1 0 1 2 -1 0 1 2 -1 ]\n"
              "    materialIndex [ 0 5 1 7 ] }\n"
              "}\n");
    ASSERT_EQ(text.scene.m_nbobject, 1);
    const CObject3D &box = text.Object(0);
    ASSERT_EQ(box.T_diffuseColor.size(), 2u);
    EXPECT_EQ(box.T_diffuseColor[1].y, 1.0f);
    ASSERT_EQ(box.T_ambientColor.size(), 1u);
    EXPECT_FLOAT_EQ(box.T_ambientColor[0].z, 0.3f);
    EXPECT_EQ(box.T_shininess, (std::vector<float>{0.5f, 0.25f}));
    // Compared with the count of the last colour list (1 ambient colour): 5 and 1 become 0; the
    // fourth value finds no face.
    EXPECT_EQ(box.m_faceMaterial, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(box.nbmaterial, 2);
}

TEST(Vrml1, MaterialIndexAgainstTwoDiffuseColours) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n# Object \"m\"\n"
              "Material { diffuseColor [ 1 0 0, 0 1 0 ] }\n"
              "coordIndex [ 0 1 2 -1 0 1 2 -1 0 1 2 -1 ]\nmaterialIndex [ 0 5 1 ]\n");
    EXPECT_EQ(text.Object(0).m_faceMaterial, (std::vector<int>{0, 0, 1}));
}

TEST(Vrml1, ASecondCoordinateListEndsTheFile) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "Coordinate3 { point [ 0 0 0 ] }\nCoordinate3 { point [ 1 1 1 ] }\n"
              "DEF Later Separator { }\n");
    ASSERT_EQ(text.scene.m_nbobject, 1);
    EXPECT_EQ(text.Object(0).nbpts, 1);
}

TEST(Vrml1, NormalsTextureCoordinatesAndTheirIndexes) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "coordIndex [ 0 1 2 -1 ]\n"
              "Normal { vector [ 0 0 1, 0 0 1 ] }\n"
              "normalIndex [ 0 1 0 -1 9 9 ]\n"
              "TextureCoordinate2 { point [ 0 0, 1 0, 1 1 ] }\n"
              "textureCoordIndex [ 0 1 2 -1 ]\n");
    const CObject3D &o = text.Object(0);
    EXPECT_EQ(o.nbnormal, 2);
    EXPECT_EQ(o.m_normalindex, (std::vector<int>{0, 1, 0, -1}));
    EXPECT_EQ(o.nbtexvertex, 3);
    EXPECT_EQ(o.m_texindex, (std::vector<int>{0, 1, 2, -1}));
}

TEST(Vrml1, LightsGoToTheScene) {
    SceneText text;
    text.Read("#VRML V1.0 ascii\n"
              "PointLight { intensity 0.5 color 1 0 0 location 1 2 3 on TRUE }\n"
              "SpotLight { direction 0 -1 0 }\nDirectionalLight x\n");
    ASSERT_EQ(text.scene.m_lights.size(), 2u);
    const CSceneLight &point = text.scene.m_lights[0];
    EXPECT_EQ(point.type, 1);
    EXPECT_EQ(point.intensity, 0.5f);
    EXPECT_EQ(point.location.z, 3.0f);
    EXPECT_EQ(point.on, 0); // TRUE read as an integer
    EXPECT_EQ(text.scene.m_lights[1].type, 3);
    EXPECT_EQ(text.scene.m_lights[1].direction.y, -1.0f);
}

TEST(Vrml1, TransparencyGivesTheTextureItsAlpha) {
    SceneText text;
    std::vector<std::string> asked;
    text.scene.m_readTexture = [&asked](const std::string &name, SceneTexture &out) {
        asked.push_back(name);
        out.width = out.height = 1;
        out.depth = 24;
        out.pixels = {1, 2, 3};
        return true;
    };
    text.Read(
        "#VRML V1.0 ascii\n"
        "DEF Clear Separator { Material { transparency 0 } Texture2 { filename \"a.jpg\" } }\n"
        "DEF Glass Separator { Material { transparency 0.3 }\n"
        "  Texture2 { filename \"b.jpg\" } }\n");
    ASSERT_EQ(text.scene.m_nbobject, 2);
    EXPECT_FALSE(text.Object(0).m_texAlpha);
    EXPECT_TRUE(text.Object(1).m_texAlpha);
    EXPECT_EQ(asked, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    ASSERT_EQ(text.scene.m_textures.size(), 2u);
    EXPECT_EQ(text.scene.m_textures[0]->depth, 24);
    EXPECT_EQ(text.scene.m_textures[1]->pixels[3], 76);
    EXPECT_EQ(text.Object(1).m_textureMode, 1);
    EXPECT_EQ(text.Object(1).m_textureSlot, 1);
}

} // namespace
} // namespace ventrel
