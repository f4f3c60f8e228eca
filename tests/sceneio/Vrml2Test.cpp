// The VRML 2.0 object reader: transforms, animation, viewpoint, texture transform, messages.
#include "SceneText.h"
#include "render/CAnimation.h"
#include "render/CViewpoint.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

using test::SceneText;

TEST(Vrml2, TopLevelTranslationRunsIntoNestedOnes) {
    SceneText text;
    V_Lib lib(&text.ui);
    lib.SetText(
        "#VRML V2.0 utf8\n"
        "DEF Lamp Transform { translation 1 2 3\n"
        "  children [ Shape { } Transform { children [ Transform { translation 0 0 1 } ] } ]\n"
        "}\n"
        "DEF Bulb Transform { rotation 0 1 0 3.14159265358979 scale 2 3 4\n"
        "  scaleOrientation 1 0 0 1.5707963 }\n");
    read_file(text.scene, lib);
    ASSERT_EQ(text.Names(), (std::vector<std::string>{"Lamp", "Bulb"}));
    EXPECT_EQ(lib.m_runningTranslation.z, 3.0f);
    const CObject3D &lamp = text.Object(0);
    EXPECT_EQ(lamp.translation.x, 1.0f);
    EXPECT_EQ(lamp.translation.y, 2.0f);
    EXPECT_EQ(lamp.translation.z, 4.0f); // the nested 0 0 1 on top of 1 2 3
    const CObject3D &bulb = text.Object(1);
    EXPECT_NEAR(bulb.angle, 180.0f, 1e-4);
    EXPECT_EQ(bulb.echelle.z, 4.0f);
    EXPECT_NEAR(bulb.m_scaleAngle, 90.0f, 1e-4);
    EXPECT_TRUE(text.Messages().empty());
}

TEST(Vrml2, AnimationFromTimeSensorAndInterpolators) {
    SceneText text;
    text.Read("#VRML V2.0 utf8\n"
              "DEF Clock TimeSensor { loop FALSE cycleInterval 5 }\n"
              "DEF Turn OrientationInterpolator { key [ 0 1 ] keyValue [ 0 1 0 0, 0 1 0 3.14 ] }\n"
              "DEF Move PositionInterpolator { key [ 0 0.5 1 ] keyValue [ 0 0 0 1 1 1 2 2 2 ] }\n");
    const CAnimation *anim = text.Object(0).m_anim.get();
    ASSERT_NE(anim, nullptr);
    EXPECT_TRUE(anim->active);
    EXPECT_EQ(anim->cycle_interval, 5.0f);
    EXPECT_EQ(anim->orientation_keys, (std::vector<float>{0, 1}));
    ASSERT_EQ(anim->orientations.size(), 2u);
    EXPECT_EQ(anim->orientations[1].y, 1.0f); // the angle 3.14 is not kept
    EXPECT_EQ(anim->orientations[1].z, 0.0f);
    ASSERT_EQ(anim->positions.size(), 3u);
    EXPECT_EQ(anim->positions[2].x, 2.0f);

    SceneText looping;
    looping.Read("#VRML V2.0 utf8\nDEF Clock TimeSensor { loop TRUE cycleInterval 5 }\n");
    ASSERT_NE(looping.Object(0).m_anim, nullptr);
    EXPECT_FALSE(looping.Object(0).m_anim->active);

    // Without a TimeSensor before it an interpolator is skipped.
    SceneText alone;
    alone.Read("#VRML V2.0 utf8\nDEF Move PositionInterpolator { key [ 0 ] keyValue [ 1 1 1 ] }\n");
    EXPECT_EQ(alone.Object(0).m_anim, nullptr);
}

TEST(Vrml2, NamedViewpointIsAnObjectOfItsOwn) {
    SceneText text;
    text.Read("#VRML V2.0 utf8\n"
              "DEF Entry Viewpoint { position 0 1.6 10 orientation 0 1 0 0.5 fieldOfView 0.8\n"
              "  description \"door\" }\n"
              "DEF Nave Transform { }\n");
    ASSERT_EQ(text.Names(), (std::vector<std::string>{"Entry", "Nave"}));
    ASSERT_NE(text.Object(0).m_viewpoint, nullptr);
    EXPECT_EQ(text.Object(0).m_viewpoint->position.y, 1.6f);
    EXPECT_EQ(text.Object(0).m_viewpoint->orientation.y, 1.0f);
}

TEST(Vrml2, ShapeWithGeometryAppearanceAndTextureTransform) {
    SceneText text;
    text.Read("#VRML V2.0 utf8\n"
              "DEF Wall Transform { children [ Shape {\n"
              "  appearance Appearance { material Material { diffuseColor 0.5 0.5 0.5\n"
              "      ambientIntensity 0.3 transparency 0.2 } # stone\n"
              "    textureTransform TextureTransform { center 0.5 0.5 rotation 1.5707963\n"
              "      translation 1 2 scale 3 4 } }\n"
              "  geometry IndexedFaceSet {\n"
              "    coord DEF WallPoints Coordinate { point [ 0 0 0, 1 0 0, 1 1 0 ] }\n"
              "    coordIndex [ 0 1 2 -1 ]\n"
              "    texCoord TextureCoordinate { point [ 0 0, 1 0, 1 1 ] }\n"
              "    materialIndex [ 7 ]\n"
              "  } } ] }\n");
    const CObject3D &wall = text.Object(0);
    EXPECT_EQ(wall.nbpts, 3);
    EXPECT_EQ(wall.nbface, 1);
    EXPECT_EQ(wall.T_diffuseColor.size(), 1u);
    EXPECT_EQ(wall.T_ambientIntensity, (std::vector<float>{0.3f}));
    EXPECT_FLOAT_EQ(wall.m_transparency, 0.2f);
    EXPECT_TRUE(wall.m_texTransform && wall.m_texRotate && wall.m_texTranslate && wall.m_texScale &&
                wall.m_texCentreSet);
    EXPECT_NEAR(wall.m_texAngle, 90.0f, 1e-4);
    EXPECT_EQ(wall.m_texOffset.y, 2.0f);
    EXPECT_EQ(wall.m_texScaleST.x, 3.0f);
    EXPECT_EQ(wall.nbtexvertex, 3);
    EXPECT_EQ(wall.m_texindex, wall.m_index); // texture coordinates follow the faces
    EXPECT_EQ(wall.m_faceMaterial, (std::vector<int>{7}));
    EXPECT_TRUE(text.Messages().empty());
}

TEST(Vrml2, CorruptedFieldsAreReportedWithTheirLine) {
    SceneText text;
    text.Read("#VRML V2.0 utf8\n"
              "Shape {\n"
              "  geometry IndexedFaceSet {\n"
              "    coord Box { }\n"
              "    texCoord Sphere { }\n"
              "  }\n"
              "}\n");
    EXPECT_EQ(text.Messages(),
              (std::vector<std::string>{"corrupted VRML2 input file: coord! Line #:4",
                                        "corrupted VRML2 input file: coord! Line #:5"}));
}

TEST(Vrml2, EndMarkerEndsTheFile) {
    SceneText text;
    text.Read("#VRML V2.0 utf8\n# Object \"a\"\n# end of a\nDEF B Transform { }\n");
    EXPECT_EQ(text.Names(), (std::vector<std::string>{"a"}));
}

} // namespace
} // namespace ventrel
