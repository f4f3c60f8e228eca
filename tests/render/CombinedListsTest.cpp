// The scene's combined display lists against each object's own list: the same picture, the same
// picks, and a changed object drawn as it is now.
#include "GlRequirement.h"

#include "platform/egl/EglContext.h"
#include "render/FaceSender.h"
#include "render/Placement.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace ventrel {
namespace {

constexpr int kSize = 128;

class CombinedLists : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        context = EglContext::Create(kSize, kSize, &error);
        if (!context)
            VENTREL_WITHOUT_GL(error);
        scene = std::make_unique<Scene>();
        scene->InitGl();
        scene->Reshape(kSize, kSize);
        scene->m_display3D = true;
    }
    void TearDown() override { scene.reset(); }

    // Every texture file reads as a 16 x 16 pattern of stripes.
    void UsePatternTextures() {
        scene->m_readTexture = [](const std::string &, SceneTexture &out) {
            out.width = out.height = 16;
            out.depth = 24;
            out.pixels.resize(16 * 16 * 3);
            for (size_t i = 0; i < out.pixels.size(); ++i)
                out.pixels[i] = static_cast<std::uint8_t>(i * 7);
            return true;
        };
    }
    CObject3D *AddWall(const std::string &name, Vec3 corner, float size) {
        auto wall = std::make_unique<CObject3D>();
        wall->MakeQuad(*scene, name, corner, {size, size}, "");
        return scene->AddObject(std::move(wall));
    }
    // A field of small walls, each placed its own way, three of them textured, a third of them red.
    void AddField() {
        UsePatternTextures();
        for (int i = 0; i < 60; ++i) {
            CObject3D *wall = AddWall(
                "w", {-700.0f + (i % 10) * 140, -500.0f + (i / 10) * 160, -40.0f * (i % 3)}, 100);
            wall->translation = {10.0f * (i % 4), -5.0f * (i % 5), 0};
            wall->angle = 12.0f * (i % 7);
            wall->rotation = {i % 2 ? 1.0f : 0.0f, 1, 0.5f};
            wall->echelle = {1 + 0.1f * (i % 3), 1 - 0.05f * (i % 4), 1};
            if (i % 9 == 0) {
                wall->m_scaleAngle = 30;
                wall->m_scaleAxis = {0, 0, 1};
            }
            if (i % 25 == 0) {
                wall->m_textureFile = "panel.bmp";
                wall->AttachTexture(*scene);
            }
            if (i % 3 == 0) {
                wall->AllocMaterials(1);
                wall->SetDiffuse(0, 0x0000ff);
            }
        }
    }
    std::vector<std::uint8_t> Frame(bool combined) {
        scene->m_combineLists = combined;
        scene->PaintFrame({0, 0, 0}, context.get());
        return context->ReadRgba();
    }
    static int Differing(const std::vector<std::uint8_t> &a, const std::vector<std::uint8_t> &b) {
        int count = 0;
        for (size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4)
            for (size_t c = 0; c < 3; ++c)
                if (std::abs(a[i + c] - b[i + c]) > 8) {
                    ++count;
                    break;
                }
        return count;
    }
    static int Lit(const std::vector<std::uint8_t> &rgba) {
        int count = 0;
        for (size_t i = 0; i + 3 < rgba.size(); i += 4)
            count += rgba[i] + rgba[i + 1] + rgba[i + 2] > 0;
        return count;
    }

    // The frame drawn through the combined lists against the one drawn through each object's own
    // list, filled and then outlined: at most `differing` pixels apart.
    void ExpectTheOwnListsPicture(int differing) {
        const auto combined = Frame(true);
        const auto own = Frame(false);
        EXPECT_GT(Lit(own), kSize * kSize / 10);
        EXPECT_LE(Differing(combined, own), differing);

        scene->ToggleVectorMode();
        const auto combinedLines = Frame(true);
        const auto ownLines = Frame(false);
        EXPECT_LT(Lit(ownLines), Lit(own) / 2) << "outlines only";
        EXPECT_LE(Differing(combinedLines, ownLines), differing)
            << "faces cut into triangles show no diagonals";
        scene->ToggleVectorMode();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    std::unique_ptr<EglContext> context;
    std::unique_ptr<Scene> scene;
};

TEST_F(CombinedLists, DrawTheSamePictureAsEachObjectsOwnList) {
    AddField();
    scene->BuildAll();
    // Untextured white or red, textured white; the one textured red wall, alone of its kind,
    // keeps its own list.
    EXPECT_EQ(scene->Batch().ObjectCount(), 59);
    EXPECT_EQ(scene->Batch().ListCount(), 3);
    EXPECT_FALSE(scene->Batch().Covers(0));
    ExpectTheOwnListsPicture(kSize * kSize / 200);
}

TEST_F(CombinedLists, PicksNameTheSameObjectsAsTheOwnLists) {
    AddField();
    scene->BuildAll();
    scene->m_pickEnabled = 1;
    int found = 0;
    for (int y = 4; y < kSize; y += 9)
        for (int x = 4; x < kSize; x += 9) {
            scene->m_combineLists = true;
            const int combined = scene->Pick({x, y});
            scene->m_combineLists = false;
            const int own = scene->Pick({x, y});
            if (combined == own && own >= 0)
                ++found;
            EXPECT_EQ(combined, own) << "at " << x << ", " << y;
        }
    EXPECT_GT(found, 20);
}

TEST_F(CombinedLists, AChangedObjectIsDrawnAsItIsNow) {
    CObject3D *wall = AddWall("wall", {-1000, -1000, 0}, 2000);
    AddWall("far", {0, 0, -40000}, 10);
    scene->BuildAll();
    ASSERT_TRUE(scene->Batch().IsCurrent(scene->m_objects, scene->m_nbobject));
    EXPECT_GT(Lit(Frame(true)), kSize * kSize / 2);

    wall->translation = {5000, 0, 0};
    wall->m_dirty = 1;
    EXPECT_EQ(Lit(Frame(true)), 0) << "moved out of sight, not drawn where it was compiled";
    EXPECT_FALSE(scene->Batch().IsCurrent(scene->m_objects, scene->m_nbobject));

    scene->BuildAll();
    EXPECT_TRUE(scene->Batch().IsCurrent(scene->m_objects, scene->m_nbobject));
    EXPECT_EQ(Lit(Frame(true)), 0);
}

TEST_F(CombinedLists, ObjectsNeedingStateOfTheirOwnKeepTheirOwnList) {
    AddWall("plain", {0, 0, 0}, 10);
    AddWall("plain too", {0, 0, 0}, 10);
    AddWall("glass", {0, 0, 0}, 10)->m_transparency = 0.5f;
    AddWall("own placement", {0, 0, 0}, 10)->m_ownTransform = true;
    AddWall("matrix", {0, 0, 0}, 10)->m_hasMatrix = true;
    AddWall("moved texture", {0, 0, 0}, 10)->m_texTransform = true;
    AddWall("axes", {0, 0, 0}, 10)->m_showAxes = true;
    AddWall("no material of its own", {0, 0, 0}, 10)->m_useMaterials = 0;
    auto twoMaterials = std::make_unique<CObject3D>();
    twoMaterials->m_name = "a material per face";
    twoMaterials->m_vertices = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}};
    twoMaterials->m_index = {0, 1, 2, -1, 1, 3, 2, -1};
    twoMaterials->nbpts = 4;
    twoMaterials->nbindex = 8;
    twoMaterials->nbface = 2;
    twoMaterials->AllocMaterials(2);
    twoMaterials->m_faceMaterial = {0, 1};
    scene->AddObject(std::move(twoMaterials));
    scene->BuildAll();
    EXPECT_EQ(scene->Batch().ObjectCount(), 2);
    EXPECT_TRUE(scene->Batch().Covers(0));
    EXPECT_TRUE(scene->Batch().Covers(1));
    for (int i = 2; i < 9; ++i)
        EXPECT_FALSE(scene->Batch().Covers(i)) << scene->Object(i)->m_name;
    scene->PaintFrame({0, 0, 0}, context.get());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(CombinedLists, ObjectsShareARunOnlyWithTheirOwnMaterial) {
    // 300 walls in 150 colours, each colour twice, then 50 walls of colours of their own.
    for (int i = 0; i < 350; ++i) {
        CObject3D *wall = AddWall("w", {0, 0, 0}, 10);
        wall->AllocMaterials(1);
        wall->SetDiffuse(0, static_cast<unsigned>(i < 300 ? i / 2 : 1000 + i));
    }
    scene->BuildAll();
    EXPECT_EQ(scene->Batch().ListCount(), 150);
    EXPECT_EQ(scene->Batch().ObjectCount(), 300);
    EXPECT_TRUE(scene->Batch().Covers(299));
    EXPECT_FALSE(scene->Batch().Covers(300));
}

// Objects that leave a corner without a normal or a texture coordinate, each after a neighbour
// whose own values differ from those of the object before it in its run, and a twisted quad.
TEST_F(CombinedLists, ObjectsLeavingCornersToOpenGlDrawAsWithTheirOwnList) {
    UsePatternTextures();
    const auto tilted = [&](Vec3 corner) {
        CObject3D *wall = AddWall("tilted", {0, 0, 0}, 80);
        wall->translation = corner;
        wall->angle = 60;
        wall->rotation = {0, 1, 0};
        return wall;
    };
    const auto textured = [&](Vec3 corner) {
        CObject3D *wall = AddWall("textured", corner, 80);
        wall->m_textureFile = "panel.bmp";
        wall->AttachTexture(*scene);
        return wall;
    };
    std::vector<std::string> faulty;
    // Lighting off, materials on: no normal at all.
    tilted({-400, 250, 0});
    CObject3D *unlit = AddWall("unlit", {-300, 250, 0}, 80);
    unlit->m_lit = 0;
    unlit->m_materialAlways = 1;
    faulty.push_back(unlit->m_name);
    // Normals without an index, fewer than the points: none is sent.
    tilted({-200, 250, 0});
    CObject3D *unindexed = AddWall("normals without index", {-100, 250, 0}, 80);
    unindexed->m_normales = {{0, 0, 1}, {0, 0, 1}};
    unindexed->nbnormal = 2;
    faulty.push_back(unindexed->m_name);
    // Normals with an index that misses corners.
    tilted({0, 250, 0});
    CObject3D *holes = AddWall("index with holes", {100, 250, 0}, 80);
    holes->m_normales = {{0, 0, 1}};
    holes->nbnormal = 1;
    holes->m_normalindex = {0, -1, 0, 7, -1};
    faulty.push_back(holes->m_name);
    // A texture without texture-coordinate indexes, after a textured neighbour of its run whose
    // coordinates differ from those of the plain wall between them.
    textured({-400, 100, 0})->m_texvertex = {
        {0.31f, 0.77f}, {0.4f, 0.2f}, {0.9f, 0.6f}, {0.13f, 0.52f}};
    AddWall("plain", {-300, 100, 0}, 80);
    CObject3D *noCoordinates = textured({-200, 100, 0});
    noCoordinates->m_name = "texture without coordinates";
    noCoordinates->m_texindex.clear();
    faulty.push_back(noCoordinates->m_name);
    textured({-100, 100, 0});
    // A loft quad out of its plane, with one normal per point, among plain walls.
    auto twisted = std::make_unique<CObject3D>();
    twisted->m_name = "twisted";
    twisted->m_vertices = {{-300, -350, 150}, {0, -350, -150}, {0, -50, 150}, {-300, -50, -150}};
    twisted->m_index = {0, 1, 2, 3, -1};
    twisted->nbpts = 4;
    twisted->nbindex = 5;
    twisted->nbface = 1;
    twisted->m_normalMode = 1;
    scene->AddObject(std::move(twisted));
    AddWall("plain", {100, 100, 0}, 80);
    for (int i = 0; i < 3; ++i)
        tilted({100.0f + 100 * i, -300, 0});

    scene->BuildAll();
    for (int i = 0; i < scene->m_nbobject; ++i) {
        const std::string &name = scene->Object(i)->m_name;
        const bool isFaulty = std::find(faulty.begin(), faulty.end(), name) != faulty.end();
        EXPECT_EQ(scene->Batch().Covers(i), !isFaulty) << name;
    }
    ExpectTheOwnListsPicture(kSize * kSize / 400);
}

TEST_F(CombinedLists, PlacementIsTheMatrixOpenGlBuilds) {
    CObject3D object;
    object.translation = {10, -20, 30};
    object.angle = 33;
    object.rotation = {1, 2, 3};
    object.echelle = {2, 0.5f, 3};
    object.m_scaleAngle = 40;
    object.m_scaleAxis = {0, 1, 1};
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    SendPlacement(object);
    GLfloat gl[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, gl);
    glPopMatrix();
    const Placement placement = Placement::Of(object);
    const double *ours = placement.Matrix();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(ours[i], gl[i], 1e-4 * (1 + std::abs(gl[i]))) << "element " << i;
}

} // namespace
} // namespace ventrel
