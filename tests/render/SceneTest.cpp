// The scene's object table, texture sharing and bounds.
#include "render/Scene.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

namespace ventrel {
namespace {

std::unique_ptr<CObject3D> Named(const std::string &name) {
    auto object = std::make_unique<CObject3D>();
    object->m_name = name;
    return object;
}

TEST(Scene, TheTableRefusesObjectsPastItsCapacityWithOneMessage) {
    HeadlessUi ui;
    Scene scene(&ui);
    for (int i = 0; i < Scene::kCapacity; ++i)
        ASSERT_NE(scene.AddObject(std::make_unique<CObject3D>()), nullptr);
    EXPECT_FALSE(scene.HasRoom(1));
    EXPECT_TRUE(scene.HasRoom(0));
    EXPECT_EQ(scene.AddObject(Named("extra")), nullptr);
    EXPECT_EQ(scene.AddObject(Named("more")), nullptr);
    EXPECT_EQ(scene.m_nbobject, Scene::kCapacity);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].text.find("20000"), std::string::npos);
    scene.DeleteObjects();
    EXPECT_EQ(scene.m_nbobject, 0);
    EXPECT_NE(scene.AddObject(Named("again")), nullptr);
    EXPECT_EQ(scene.Object(1), nullptr);
    EXPECT_EQ(scene.Object(-1), nullptr);
}

TEST(Scene, TextureThatFailedIsNotReadAgainForEveryObject) {
    Scene scene;
    int reads = 0;
    scene.m_readTexture = [&](const std::string &, SceneTexture &) {
        ++reads;
        return false;
    };
    for (int i = 0; i < 50; ++i) {
        int slot = -1;
        EXPECT_EQ(scene.LoadTexture("tin.jpg", slot, 0, false), 0);
    }
    EXPECT_EQ(reads, 1);
}

TEST(Scene, UploadSidesArePowersOfTwoWithinTheContextAndTheLargestSide) {
    EXPECT_EQ(TextureUploadSide(100, 16384), 128);
    EXPECT_EQ(TextureUploadSide(60, 16384), 64);
    EXPECT_EQ(TextureUploadSide(1, 16384), 2);
    EXPECT_EQ(TextureUploadSide(4096, 16384), 4096);
    EXPECT_EQ(TextureUploadSide(9000, 16384), 4096) << "scaled down, never up to 16384";
    EXPECT_EQ(TextureUploadSide(3000, 2048), 2048) << "the context's own limit";
    EXPECT_EQ(TextureUploadSide(3000, 3000), 2048);
    EXPECT_EQ(TextureUploadSide(2147483647, 0), 2);
}

TEST(Scene, TexturesAreSharedByExactNameAndFailuresLeaveTheSlot) {
    Scene scene;
    int reads = 0;
    scene.m_readTexture = [&](const std::string &name, SceneTexture &out) {
        ++reads;
        if (name == "missing.jpg")
            return false;
        out.width = 2;
        out.height = 2;
        out.depth = 24;
        out.pixels.assign(12, 200);
        return true;
    };
    int a = -1, b = -1, c = -1, d = 7;
    EXPECT_EQ(scene.LoadTexture("wood.jpg", a, 0, false), 1);
    EXPECT_EQ(scene.LoadTexture("wood.jpg", b, 0, false), 0);
    EXPECT_EQ(scene.LoadTexture("Wood.jpg", c, 0.5f, true), 1);
    EXPECT_EQ(scene.LoadTexture("missing.jpg", d, 0, false), 0);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(reads, 3);
    ASSERT_EQ(scene.m_textures.size(), 2u);
    EXPECT_EQ(scene.m_textures[1]->depth, 32);
    EXPECT_EQ(scene.m_textures[1]->pixels[7], 127) << "alpha = transparency x 255, truncated";

    CObject3D object;
    object.MakeQuad(scene, "q", {}, {1, 1}, "missing.jpg");
    EXPECT_EQ(object.m_textureMode, -1);
    object.MakeQuad(scene, "q", {}, {1, 1}, "wood.jpg");
    EXPECT_EQ(object.m_textureMode, 1);
    EXPECT_EQ(object.TextureName(), 0);
}

TEST(Scene, DeletingAnEmptySceneKeepsItsTexturesAndLights) {
    Scene scene;
    scene.m_textures.push_back(std::make_unique<SceneTexture>());
    scene.AddLight({});
    scene.DeleteObjects();
    EXPECT_EQ(scene.m_textures.size(), 1u);
    EXPECT_EQ(scene.m_lights.size(), 1u);
    scene.AddObject(Named("x"));
    scene.DeleteObjects();
    EXPECT_TRUE(scene.m_textures.empty());
    EXPECT_TRUE(scene.m_lights.empty());
}

TEST(Scene, BoundsCoverPlacedObjectsWithFaces) {
    Scene scene;
    auto a = std::make_unique<CObject3D>();
    a->MakeGrid(10, 10, 2, 2, 1);
    a->translation = {100, 0, 0};
    a->ComputeLocalBounds();
    auto empty = std::make_unique<CObject3D>();
    empty->m_vertices = {{-500, -500, -500}};
    empty->nbpts = 1;
    empty->ComputeLocalBounds();
    scene.AddObject(std::move(a));
    scene.AddObject(std::move(empty));
    scene.ComputeBounds();
    EXPECT_EQ(scene.m_min, (Vec3{100, 0, 0}));
    EXPECT_EQ(scene.m_max, (Vec3{110, 0, 10}));
    EXPECT_EQ(scene.m_centre, (Vec3{105, 0, 5}));
    EXPECT_EQ(scene.FaceTotal(), 1);
}

} // namespace
} // namespace ventrel
