// The organ's 3D builders checked by numbers: primitives, pipes, chest boxes, lofts, organ totals.
#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "organ3d/AxisMatrices.h"
#include "organ3d/Organ3D.h"
#include "organ3d/Primitives.h"
#include "platform/HeadlessUi.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ventrel {
namespace {

constexpr float kTol = 1e-3f;

// Lowest and highest coordinates of an object's points.
struct Box {
    Vec3 lo{1e30f, 1e30f, 1e30f}, hi{-1e30f, -1e30f, -1e30f};
};
Box Extent(const CObject3D &o, int from = 0, int to = -1) {
    Box b;
    if (to < 0)
        to = static_cast<int>(o.m_vertices.size());
    for (int i = from; i < to; ++i) {
        const Vec3 &p = o.m_vertices[i];
        b.lo = {std::min(b.lo.x, p.x), std::min(b.lo.y, p.y), std::min(b.lo.z, p.z)};
        b.hi = {std::max(b.hi.x, p.x), std::max(b.hi.y, p.y), std::max(b.hi.z, p.z)};
    }
    return b;
}

// A chest of one stop, its pipes given as (x, y, diameter, hole, foot, length).
void OneStop(CWindchest &chest, bool square, std::initializer_list<std::array<int, 6>> pipes) {
    chest.m_stop_count = 1;
    CStop &stop = chest.Stop(0);
    stop.m_square = square;
    stop.m_pipe_count = 0;
    for (const auto &p : pipes) {
        const int i = stop.m_pipe_count++;
        stop.m_x[i] = p[0];
        stop.m_y[i] = p[1];
        stop.m_diameter[i] = p[2];
        stop.m_hole[i] = p[3];
        stop.m_foot[i] = p[4];
        stop.m_length[i] = p[5];
    }
    chest.m_plate = {0, 800, 0, 300};
}

TEST(Pipes, SidesGrowWithTheDiameter) {
    EXPECT_EQ(PipeSides(18), 8);
    EXPECT_EQ(PipeSides(19), 9);
    EXPECT_EQ(PipeSides(100), 15);
    EXPECT_EQ(PipeSides(5), 8);
    EXPECT_EQ(PipeSides(0), 8) << "truncation toward zero";
}

TEST(Pipes, ATinPipeHasItsConicalFootUnderItsBody) {
    CWindchest chest;
    OneStop(chest, false, {{0, 0, 40, 10, 30, 1000}});
    Scene scene;
    Build3D(chest, scene);
    ASSERT_EQ(scene.m_nbobject, 5); // body, foot, three boxes
    const CObject3D &body = *scene.Object(0);
    const CObject3D &foot = *scene.Object(1);
    EXPECT_EQ(body.m_name, "Tuyau : 1");
    EXPECT_EQ(foot.m_name, "Pieds Tuyaux :1");
    const int n = PipeSides(40);
    ASSERT_EQ(body.nbpts, 2 * n);
    EXPECT_EQ(body.nbface, n);
    EXPECT_EQ(body.nbindex, 5 * n);
    EXPECT_EQ(body.m_normalMode, 1);
    EXPECT_EQ(body.T_diffuseColor[0], (Vec3{1, 1, 1}));
    EXPECT_EQ(body.T_ambientColor[0], (Vec3{1, 1, 1}));
    for (int i = 0; i < n; ++i) {
        const Vec3 bottom = body.m_vertices[i], top = body.m_vertices[n + i];
        EXPECT_NEAR(std::hypot(bottom.x, bottom.z), 20, kTol);
        EXPECT_NEAR(bottom.y, 300, kTol);
        EXPECT_NEAR(top.y, 1300, kTol);
        const Vec3 low = foot.m_vertices[i], high = foot.m_vertices[n + i];
        EXPECT_NEAR(std::hypot(low.x, low.z), 5, kTol);
        EXPECT_NEAR(low.y, 0, kTol);
        EXPECT_NEAR(std::hypot(high.x, high.z), 20, kTol);
        EXPECT_NEAR(high.y, 300, kTol);
    }
    // Cylinder and cone wind their quads in opposite senses, and the last quad closes the ring.
    EXPECT_EQ(std::vector<int>(body.m_index.begin(), body.m_index.begin() + 5),
              (std::vector<int>{0, n, n + 1, 1, -1}));
    EXPECT_EQ(std::vector<int>(foot.m_index.end() - 5, foot.m_index.end()),
              (std::vector<int>{n - 1, 0, n, 2 * n - 1, -1}));
    EXPECT_EQ(body.m_texvertex[n + 2], (Vec2{2.0f / n, 1}));
    EXPECT_TRUE(foot.m_texvertex.empty());
}

TEST(Pipes, PipesStandAtTheChestPosition) {
    CWindchest chest;
    OneStop(chest, false, {{100, 50, 40, 10, 30, 1000}});
    chest.m_position[0] = 1200;
    chest.m_position[1] = 400;
    chest.m_position[2] = 300;
    Scene scene;
    Build3D(chest, scene);
    const Box body = Extent(*scene.Object(0));
    EXPECT_NEAR((body.lo.x + body.hi.x) / 2, 1300, 0.5);
    EXPECT_NEAR((body.lo.z + body.hi.z) / 2, 450, 0.5) << "the chest's Y is the scene's depth";
    EXPECT_NEAR(body.lo.y, 600, kTol);
    const Box foot = Extent(*scene.Object(1));
    EXPECT_NEAR(foot.lo.y, 300, kTol);
    EXPECT_NEAR(foot.hi.y, 600, kTol);
    EXPECT_NEAR((foot.lo.x + foot.hi.x) / 2, 1300, 0.5);
}

TEST(Pipes, AWoodenPipeIsASquareBoxOnAnEightSidedFoot) {
    CWindchest chest;
    OneStop(chest, true, {{200, 100, 50, 20, 16, 700}});
    Scene scene;
    Build3D(chest, scene);
    const CObject3D &body = *scene.Object(0);
    const CObject3D &foot = *scene.Object(1);
    EXPECT_EQ(body.m_name, "TUYAUBOIS :1");
    EXPECT_EQ(foot.m_name, "Pieds Tuyau:1");
    const Box b = Extent(body);
    EXPECT_EQ(b.lo, (Vec3{0, 0, 0}));
    EXPECT_EQ(b.hi, (Vec3{50, 700, 50}));
    EXPECT_EQ(body.translation, (Vec3{175, 120, 75}));
    EXPECT_EQ(body.m_normalMode, 0);
    EXPECT_EQ(body.m_textureFile, "wood.jpg");
    EXPECT_EQ(foot.nbface, 8);
    const Box f = Extent(foot);
    EXPECT_NEAR(f.lo.y, 0, kTol);
    EXPECT_NEAR(f.hi.y, 120, kTol);
    EXPECT_NEAR(f.hi.x, 208, kTol);
}

TEST(Pipes, AbsentPipesAndEmptyChests) {
    CWindchest empty;
    Scene scene;
    Build3D(empty, scene);
    ASSERT_EQ(scene.m_nbobject, 3);
    EXPECT_EQ(scene.Object(0)->m_name, "FAUX_SOMMIER");
    EXPECT_EQ(scene.Object(1)->m_name, "SOMMIER");
    EXPECT_EQ(scene.Object(2)->m_name, "SOMMIER");

    CWindchest chest;
    OneStop(chest, false, {{0, 0, 40, 0, 30, 1000}, {60, 0, 40, 10, 30, 1000}});
    Scene second;
    Build3D(chest, second);
    EXPECT_EQ(second.m_nbobject, 5);
    EXPECT_EQ(second.Object(0)->m_name, "Tuyau : 2") << "names keep the pipe's number";
    EXPECT_EQ(ObjectCount3D(chest), 5);
}

TEST(Chest, BoxesSpanThePlateAboveAndBelowTheChestTop) {
    CWindchest chest;
    chest.m_plate = {0, 800, 0, 300};
    chest.m_position[0] = 10;
    chest.m_position[1] = 20;
    chest.m_position[2] = 500;
    Scene scene;
    Build3D(chest, scene);
    const CObject3D &falseChest = *scene.Object(0);
    EXPECT_EQ(Extent(falseChest).hi, (Vec3{800, 10, 300}));
    EXPECT_EQ(falseChest.translation, (Vec3{10, 620, 20}));
    const CObject3D &body = *scene.Object(1);
    EXPECT_EQ(Extent(body).hi, (Vec3{800, 120, 300}));
    EXPECT_EQ(body.translation, (Vec3{10, 380, 20}));
    const CObject3D &plate = *scene.Object(2);
    EXPECT_EQ(Extent(plate).hi, (Vec3{800, 22, 300}));
    EXPECT_EQ(plate.translation, (Vec3{10, 478, 20}));
    EXPECT_FLOAT_EQ(scene.m_rotateStep, 0.5f);
}

TEST(Chest, OnlyTheFirstMixtureStopGetsTubes) {
    CWindchest chest;
    OneStop(chest, false, {{100, 0, 30, 8, 8, 200}});
    chest.m_stop_count = 2;
    chest.Stop(1) = chest.Stop(0);
    chest.Stop(0).m_mixture = chest.Stop(1).m_mixture = true;
    chest.m_mixture_first = 0;
    Scene scene;
    Build3D(chest, scene);
    ASSERT_EQ(scene.m_nbobject, 3 + 2 + 3);
    EXPECT_EQ(ObjectCount3D(chest), scene.m_nbobject);
    const CObject3D &tube = *scene.Object(2);
    EXPECT_EQ(tube.m_name, "Tuyau : 1");
    const Box t = Extent(tube);
    EXPECT_NEAR(t.lo.z, 0, kTol);
    EXPECT_NEAR(t.hi.z, 305, kTol);
    EXPECT_NEAR(t.lo.y, -16,
                0.1); // nine sides: the lowest corner is just above the circle's bottom
    EXPECT_NEAR(t.hi.x, 105, kTol);

    // Under a chest placed in the organ the tubes move with it, instead of staying at the origin.
    chest.m_position[0] = 1000;
    chest.m_position[1] = 400;
    chest.m_position[2] = 2000;
    Scene placed;
    Build3D(chest, placed);
    const Box moved = Extent(*placed.Object(2));
    EXPECT_NEAR(moved.lo.z, 400, kTol);
    EXPECT_NEAR(moved.hi.z, 705, kTol);
    EXPECT_NEAR(moved.hi.y, 2000 - 6, 0.1);
    EXPECT_NEAR(moved.hi.x, 1105, kTol);
}

TEST(Chest, TurretsAreSweptAndTurnedOnlyAtExactly90) {
    CWindchest chest;
    chest.m_stop_count = 1;
    for (int t = 0; t < 2; ++t) {
        CLoft &turret = chest.Stop(0).Turret(t);
        turret.m_couple.m_points = {{0, 0}, {10, 0}, {10, 50}};
        turret.m_forme.m_points = {{0, 0}, {100, 0}};
        turret.m_offset = {1, 2, 3};
        turret.m_rotation = {t == 0 ? 90.0f : 89.9f, 0, 0};
    }
    chest.Stop(0).m_turret_count = 2;
    Scene scene;
    Build3D(chest, scene);
    ASSERT_EQ(scene.m_nbobject, 5);
    const CObject3D &turned = *scene.Object(0);
    const CObject3D &straight = *scene.Object(1);
    EXPECT_EQ(turned.m_name, "TURRET");
    EXPECT_EQ(straight.m_vertices[3], (Vec3{100, 0, 10}));
    EXPECT_EQ(turned.m_vertices[3], (Vec3{100, 10, 0}));
    EXPECT_EQ(straight.m_normalMode, 1);
    EXPECT_EQ(straight.translation, (Vec3{1, 122, 3}));
}

TEST(Loft, PointsAndTextureCoordinatesOfAStraightPath) {
    Scene scene;
    CObject3D loft;
    MakeLoft(loft, scene, "loft1", {{0, 0}, {10, 0}, {10, 50}}, {{0, 0}, {100, 0}}, 3, 2, 1, "");
    ASSERT_EQ(loft.nbpts, 6);
    EXPECT_EQ(loft.nbface, 2);
    EXPECT_EQ(loft.m_vertices[1 * 2 + 1], (Vec3{100, 0, 10}));
    EXPECT_EQ(loft.m_vertices[2 * 2 + 0], (Vec3{0, 50, 10}));
    EXPECT_EQ(loft.m_texindex, loft.m_index);
    EXPECT_FLOAT_EQ(loft.m_texvertex[3].x, (100.0f + 10) * 0.02f);
    EXPECT_FLOAT_EQ(loft.m_texvertex[3].y, 10 * 0.02f);
    EXPECT_EQ(loft.m_normalMode, 0);

    CObject3D bend;
    MakeLoft(bend, scene, "", {{10, 0}}, {{0, 0}, {30, 0}, {30, 40}}, 1, 3, 1, "");
    // The middle tangent averages (30, 0) and (0, 40): the side vector is (-0.8, 0, 0.6).
    EXPECT_NEAR(bend.m_vertices[1].x, 30 - 8, kTol);
    EXPECT_NEAR(bend.m_vertices[1].z, 6, kTol);
    EXPECT_NEAR(bend.m_texvertex[1].x, (22.0f + 10) * 0.02f, kTol);
}

TEST(Loft, DegeneratePathsCollapseWithoutFaultsOrFaces) {
    Scene scene;
    CObject3D single;
    MakeLoft(single, scene, "", {{0, 0}, {10, 0}}, {{5, 5}}, 2, 1, 1, "");
    EXPECT_EQ(single.nbface, 0);
    EXPECT_EQ(single.m_vertices[1], (Vec3{5, 0, 5})) << "zero tangent: the profile collapses";
    CObject3D repeated;
    MakeLoft(repeated, scene, "", {{0, 0}, {10, 20}}, {{0, 0}, {0, 0}, {50, 0}}, 2, 3, 1, "");
    EXPECT_EQ(repeated.m_vertices[3], (Vec3{0, 20, 0}));
    CObject3D empty;
    MakeLoft(empty, scene, "", {}, {}, 5, 7, 1, "");
    EXPECT_EQ(empty.nbpts, 0);
    EXPECT_TRUE(empty.m_index.empty());
}

TEST(Organ, BarsPipesAndChestsInFileOrder) {
    ChestTable chests;
    chests.count = 1;
    OneStop(chests[0], false, {{0, 0, 40, 10, 30, 1000}});
    OrganFile organ;
    organ.items.push_back({OrganFile::Kind::Chest, "a.dat", {}, {}});
    organ.items.push_back({OrganFile::Kind::Bar, "", {1000, 50, 60}, {1, 2, 3}});
    organ.items.push_back({OrganFile::Kind::Pipe, "", {40, 40, 500}, {0, 900, 0}});
    Scene scene;
    HeadlessUi ui;
    ASSERT_TRUE(BuildOrgan3D(scene, organ, chests, &ui));
    ASSERT_EQ(scene.m_nbobject, 2 + 5);
    EXPECT_EQ(scene.Object(0)->m_name, "BARRE_0");
    EXPECT_EQ(Extent(*scene.Object(0)).hi, (Vec3{1000, 50, 60}));
    EXPECT_EQ(scene.Object(0)->translation, (Vec3{1, 2, 3}));
    EXPECT_EQ(scene.Object(1)->m_name, "TUYAU1");
    const Box pipe = Extent(*scene.Object(1));
    EXPECT_NEAR(pipe.hi.x, 500, kTol) << "a free pipe lies along X";
    EXPECT_NEAR(pipe.hi.z, 20, kTol);
    EXPECT_EQ(scene.Object(2)->m_name, "Tuyau : 1");
}

TEST(Organ, AnOrganPastTheSceneIsRefusedBeforeAnythingIsAdded) {
    ChestTable chests;
    chests.count = 30;
    for (int c = 0; c < 30; ++c) {
        chests[c].m_stop_count = 5;
        for (int s = 0; s < 5; ++s) {
            CStop &stop = chests[c].Stop(s);
            stop.m_pipe_count = 80;
            for (int i = 0; i < 80; ++i) {
                stop.m_diameter[i] = 20;
                stop.m_hole[i] = 5;
                stop.m_length[i] = 100;
            }
        }
    }
    // 30 chests x (5 x 80 x 2 + 3) = 24090 objects.
    Scene scene;
    HeadlessUi ui;
    EXPECT_FALSE(BuildChests3D(scene, chests, &ui));
    EXPECT_EQ(scene.m_nbobject, 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].text.find("24090"), std::string::npos);

    // Built chest by chest past the limit, the table still stops at its capacity.
    for (int c = 0; c < 30; ++c)
        Build3D(chests[c], scene);
    EXPECT_EQ(scene.m_nbobject, Scene::kCapacity);
}

TEST(Scenery, BackgroundAndBars) {
    Scene scene;
    CObject3D *first = AddBar(scene);
    CObject3D *second = AddBar(scene);
    EXPECT_EQ(first->m_name, "BARRE_0");
    EXPECT_EQ(second->m_name, "BARRE_1");
    EXPECT_EQ(Extent(*first).hi, (Vec3{1000, 100, 100}));
    CObject3D *background = AddBackground(scene);
    EXPECT_EQ(background->m_name, "BACKGROUND 2");
    EXPECT_EQ(background->nbface, 30);
    EXPECT_NEAR(background->m_vertices[0].x, 10000, 0.01);
    EXPECT_NEAR(background->m_vertices[0].y, 0, 0.01);
    EXPECT_NEAR(background->m_vertices[30].y, 10000, 0.01) << "the top ring stands at 10000";
    EXPECT_FLOAT_EQ(scene.m_translateStep, 30.0f);
    EXPECT_TRUE(scene.m_display3D);
}

TEST(Scenery, AxisMatricesExchangeTwoAxes) {
    CObject3D o;
    o.m_vertices = {{1, 2, 3}};
    o.nbpts = 1;
    o.Transform(L_SwapXZ());
    EXPECT_EQ(o.m_vertices[0], (Vec3{3, 2, 1}));
    o.Transform(L_SwapXY());
    EXPECT_EQ(o.m_vertices[0], (Vec3{2, 3, 1}));
    o.Transform(L_SwapYZ());
    EXPECT_EQ(o.m_vertices[0], (Vec3{2, 1, 3}));
}

} // namespace
} // namespace ventrel
