// The scene drawn through OpenGL in an offscreen context: picking, textures, order, vector mode.
#include "GlRequirement.h"

#include "platform/egl/EglContext.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

namespace ventrel {
namespace {

class GlRender : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        context = EglContext::Create(64, 64, &error);
        if (!context)
            VENTREL_WITHOUT_GL(error);
        scene = std::make_unique<Scene>();
        scene->InitGl();
        scene->Reshape(64, 64);
        scene->m_display3D = true;
    }
    void TearDown() override { scene.reset(); }

    // A square of 2000 units facing the camera at depth z, covering the whole view at z = 0.
    CObject3D *AddWall(const std::string &name, float z, float size = 2000) {
        auto wall = std::make_unique<CObject3D>();
        wall->MakeQuad(*scene, name, {-size / 2, -size / 2, z}, {size, size}, "");
        return scene->AddObject(std::move(wall));
    }
    std::array<std::uint8_t, 4> Centre() {
        const auto rgba = context->ReadRgba();
        const size_t at = (32 * 64 + 32) * 4;
        return {rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
    }

    std::unique_ptr<EglContext> context;
    std::unique_ptr<Scene> scene;
};

TEST_F(GlRender, PickingAddressesObjectsPastTheFirst256) {
    for (int i = 0; i < 300; ++i)
        AddWall("far", -20000.0f + i, 10); // small and far away: nowhere near the centre
    scene->Object(257)->m_vertices = {
        {-1000, -1000, 0}, {1000, -1000, 0}, {1000, 1000, 0}, {-1000, 1000, 0}};
    scene->Object(257)->m_name = "near";
    scene->BuildAll();
    EXPECT_EQ(scene->Pick({32, 32}), -1) << "picking is off until enabled";
    scene->m_pickEnabled = 1;
    EXPECT_EQ(scene->Pick({32, 32}), 257);
    EXPECT_EQ(scene->m_picked, 257);
    EXPECT_EQ(scene->Pick({-1, 32}), -1);
    EXPECT_EQ(scene->Pick({0, 64}), -1);
    EXPECT_GE(scene->Pick({0, 0}), 0) << "the top-left pixel is inside the view";
    EXPECT_EQ(scene->RightUp({32, 32}), 257);
}

TEST_F(GlRender, ABackgroundClickPicksNothing) {
    AddWall("small", 0, 100);
    scene->BuildAll();
    scene->m_pickEnabled = 1;
    EXPECT_EQ(scene->Pick({32, 32}), 0);
    EXPECT_EQ(scene->Pick({2, 2}), -1) << "not object 0: the background is nobody";
}

TEST_F(GlRender, TransparentObjectsAreDrawnAfterOpaqueOnes) {
    AddWall("glass1", 0)->m_transparency = 0.5f;
    AddWall("wall", -10);
    AddWall("glass2", 5)->m_transparency = 0.2f;
    scene->BuildAll();
    EXPECT_EQ(scene->Object(0)->m_name, "wall");
    EXPECT_EQ(scene->Object(1)->m_name, "glass2");
    EXPECT_EQ(scene->Object(2)->m_name, "glass1");
    EXPECT_EQ(scene->Object(2)->m_pickName, 2);
}

TEST_F(GlRender, VectorModeDrawsOutlinesWithoutRecompiling) {
    AddWall("wall", 0);
    scene->BuildAll();
    const unsigned list = scene->Object(0)->m_list;
    scene->PaintFrame({0, 0, 0}, context.get());
    const auto filled = Centre();
    EXPECT_GT(filled[0] + filled[1] + filled[2], 60);
    scene->ToggleVectorMode();
    scene->PaintFrame({0, 0, 0}, context.get());
    const auto lines = Centre();
    EXPECT_EQ(lines[0] + lines[1] + lines[2], 0) << "the middle of an outlined wall is empty";
    EXPECT_EQ(scene->Object(0)->m_list, list);
}

TEST_F(GlRender, TexturesAreRescaledToPowersOfTwo) {
    scene->m_readTexture = [](const std::string &, SceneTexture &out) {
        out.width = 100;
        out.height = 60;
        out.depth = 24;
        out.pixels.assign(100 * 60 * 3, 90);
        return true;
    };
    AddWall("wall", 0);
    scene->Object(0)->m_textureFile = "panel.jpg";
    scene->Object(0)->AttachTexture(*scene);
    scene->BuildAll();
    ASSERT_EQ(scene->m_textures.size(), 1u);
    EXPECT_EQ(scene->m_textures[0]->width, 128);
    EXPECT_EQ(scene->m_textures[0]->height, 64);
    glBindTexture(GL_TEXTURE_2D, scene->m_textureNames[0]);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 128);
    GLint env = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(env, GL_MODULATE) << "a scene without lights gets the default light";
    scene->PaintFrame({0, 0, 0}, context.get());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlRender, AScenesOwnLightModulatesTexturedFaces) {
    // A white texture under a grey light: pasted over the lighting it would stay white.
    scene->m_readTexture = [](const std::string &, SceneTexture &out) {
        out.width = out.height = 4;
        out.depth = 24;
        out.pixels.assign(4 * 4 * 3, 255);
        return true;
    };
    CSceneLight light;
    light.type = 1;
    light.location = {0, 0, 1};
    light.color = {0.5f, 0.5f, 0.5f};
    scene->AddLight(light);
    AddWall("wall", 0);
    scene->Object(0)->m_textureFile = "white.bmp";
    scene->Object(0)->AttachTexture(*scene);
    scene->InitGl(); // a view made for a scene that already holds its objects and lights
    scene->Reshape(64, 64);
    scene->m_display3D = true;
    GLint env = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(env, GL_MODULATE);
    scene->PaintFrame({0, 0, 0}, context.get());
    const auto centre = Centre();
    EXPECT_GT(centre[0], 40);
    EXPECT_LT(centre[0], 200) << "the light's grey, not the texture's white";
    EXPECT_EQ(centre[0], centre[2]);
}

TEST_F(GlRender, WideTexturesAreUploadedNoWiderThan4096) {
    scene->m_readTexture = [](const std::string &, SceneTexture &out) {
        out.width = 9000;
        out.height = 3;
        out.depth = 24;
        out.pixels.assign(9000 * 3 * 3, 90);
        return true;
    };
    AddWall("wall", 0);
    scene->Object(0)->m_textureFile = "wood.jpg";
    scene->Object(0)->AttachTexture(*scene);
    scene->BuildAll();
    ASSERT_EQ(scene->m_textures.size(), 1u);
    EXPECT_EQ(scene->m_textures[0]->width, 4096);
    EXPECT_EQ(scene->m_textures[0]->height, 4);
    glBindTexture(GL_TEXTURE_2D, scene->m_textureNames[0]);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 4096);
}

TEST_F(GlRender, FaultyObjectsCompileWithoutReadingPastTheirArrays) {
    auto object = std::make_unique<CObject3D>();
    object->m_vertices = {{0, 0, 0}, {100, 0, 0}, {0, 100, 0}};
    object->m_index = {0, -1, 1, 2, -1, 0, 1, 99, -1, 0, 1, 2, -1, 2};
    object->m_texvertex = {{0, 0}};
    object->m_texindex = {0, 0, 5};
    object->m_faceMaterial = {4, -2};
    object->nbpts = 50;
    object->nbindex = 400;
    object->nbface = 9;
    object->nbmaterial = 3;
    object->m_normalMode = 1;
    object->m_showNormals = 1;
    object->m_showAxes = true;
    object->m_outline = {{0, 0}, {10, 10}};
    scene->AddObject(std::move(object));
    scene->AddObject(std::make_unique<CObject3D>()); // no points at all
    scene->BuildAll();
    EXPECT_EQ(scene->Object(0)->m_listValid, 1);
    EXPECT_EQ(scene->Object(1)->m_listBuilt, 1);
    EXPECT_EQ(scene->Object(1)->m_listValid, 0);
    scene->PaintFrame({0, 0, 0}, context.get());
    scene->RenderImmediate();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlRender, ImmediateFramesPlaceObjectsAsTheDisplayListsDo) {
    // A small wall moved off the centre by its own placement: both ways of drawing must agree.
    CObject3D *wall = AddWall("placed", 0, 200);
    wall->m_ownTransform = 1;
    wall->m_position = {600, 0, 0};
    scene->BuildAll();
    scene->PaintFrame({0, 0, 0}, context.get());
    const auto lists = context->ReadRgba();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene->RenderImmediate();
    EXPECT_EQ(context->ReadRgba(), lists);
    EXPECT_EQ(Centre()[0], 0) << "the wall is not at the centre";
}

} // namespace
} // namespace ventrel
