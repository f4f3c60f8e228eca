// One windchest in 3D: a body and a foot per pipe, mixture tubes, turrets and the three chest
// boxes.
#include "chest/CWindchest.h"
#include "organ3d/AxisMatrices.h"
#include "organ3d/Organ3D.h"
#include "organ3d/Primitives.h"
#include "platform/Ui.h"
#include "render/Scene.h"

#include <algorithm>
#include <memory>

namespace ventrel {

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
const std::string kWood = "wood.jpg";

void White(CObject3D &object) {
    object.SetDiffuse(0, kWhite);
    object.SetAmbient(0, kWhite);
    object.SetSpecular(0, kWhite);
}

bool HasMixtureTubes(const CWindchest &chest, int s) {
    return chest.Stop(s).m_mixture && s == chest.m_mixture_first;
}

} // namespace

int PipeSides(int diameter) {
    return ((diameter - 5) * 15) / 200 + 8;
}

int ObjectCount3D(const CWindchest &chest) {
    int count = 3;
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        const int perPipe = HasMixtureTubes(chest, s) ? 3 : 2;
        for (int i = 0; i < stop.PipeSlots(); ++i)
            if (stop.m_hole[i] != 0)
                count += perPipe;
        count += std::clamp(stop.m_turret_count, 0, CStop::kMaxTurrets);
    }
    return count;
}

CObject3D *AddBox(Scene &scene, const std::string &name, float a, float b, float c, float d,
                  float e, float f, const std::string &texture) {
    auto box = std::make_unique<CObject3D>();
    MakeBox(*box, scene, name, texture);
    box->Scale({a, c, b});
    box->translation = {d, f, e};
    box->m_normalMode = 0;
    scene.m_rotateStep = 0.5f;
    return scene.AddObject(std::move(box));
}

void Build3D(const CWindchest &chest, Scene &scene) {
    const float X = static_cast<float>(chest.m_position[0]);
    const float Y = static_cast<float>(chest.m_position[1]);
    const float Z = static_cast<float>(chest.m_position[2]);
    const float H = static_cast<float>(chest.m_chest_height);
    const float K = static_cast<float>(chest.m_cone_height);
    const float T = static_cast<float>(chest.m_plate_thickness);
    const float halfT = static_cast<float>(chest.m_plate_thickness / 2);
    const float length = static_cast<float>(chest.m_plate.x2);
    const float width = static_cast<float>(chest.m_plate.y2);
    const std::string &tin = scene.m_pipeTexture;

    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        for (int i = 0; i < stop.PipeSlots(); ++i) {
            if (stop.m_hole[i] == 0)
                continue;
            const float x = static_cast<float>(stop.m_x[i]);
            const float y = static_cast<float>(stop.m_y[i]);
            const float d = static_cast<float>(stop.m_diameter[i]);
            const float L = static_cast<float>(stop.m_length[i]);
            const float hole = static_cast<float>(stop.m_hole[i]);
            const float foot = static_cast<float>(stop.m_foot[i]);
            const int k = i + 1;
            const int n = PipeSides(stop.m_diameter[i]);
            if (!stop.m_square) {
                auto body = std::make_unique<CObject3D>();
                MakeCylinder(*body, scene, Format("Tuyau : %d", k), n, {x + X, y + Y, Z + K},
                             {d / 2, d / 2, L}, tin);
                body->m_normalMode = 1;
                White(*body);
                body->Transform(L_SwapYZ());
                scene.AddObject(std::move(body));

                auto cone = std::make_unique<CObject3D>();
                MakeCone(*cone, Format("Pieds Tuyaux :%d", k), n, hole / 2, d / 2, K);
                cone->Transform(L_SwapYZ());
                cone->Translate({x + X, Z, y + Y});
                cone->m_normalMode = 1;
                scene.AddObject(std::move(cone));
            } else {
                auto body = std::make_unique<CObject3D>();
                MakeBox(*body, scene, Format("TUYAUBOIS :%d", k), kWood);
                body->Scale({d, L, d});
                body->translation = {x + X - d / 2, Z + H, y + Y - d / 2};
                body->m_normalMode = 0;
                scene.AddObject(std::move(body));

                auto footObject = std::make_unique<CObject3D>();
                MakeCylinder(*footObject, scene, Format("Pieds Tuyau:%d", k), 8, {x + X, y + Y, Z},
                             {foot / 2, foot / 2, H}, kWood);
                footObject->m_normalMode = 1;
                footObject->Transform(L_SwapYZ());
                scene.AddObject(std::move(footObject));
            }
            if (HasMixtureTubes(chest, s)) {
                auto tube = std::make_unique<CObject3D>();
                MakeCylinder(*tube, scene, Format("Tuyau : %d", k), n, {x, -halfT, 0},
                             {5, 5, width + 5}, tin);
                tube->m_normalMode = 1;
                White(*tube);
                // The tube lies under this chest's plate wherever the chest stands.
                tube->Translate({X, Z, Y});
                scene.AddObject(std::move(tube));
            }
        }
        for (int t = 0; t < std::clamp(stop.m_turret_count, 0, CStop::kMaxTurrets); ++t) {
            const CLoft *turret = stop.TurretOrNull(t);
            if (!turret)
                continue;
            auto loft = std::make_unique<CObject3D>();
            MakeLoft(*loft, scene, "TURRET", turret->m_couple.m_points, turret->m_forme.m_points,
                     turret->m_couple.PointCount(), turret->m_forme.PointCount(), 1, kWood);
            if (turret->m_rotation.x == 90.0f)
                loft->Transform(L_SwapYZ());
            loft->m_normalMode = 1;
            loft->translation = {X + turret->m_offset.x, Z + H + turret->m_offset.y,
                                 Y + turret->m_offset.z};
            scene.AddObject(std::move(loft));
        }
    }

    auto falseChest = std::make_unique<CObject3D>();
    MakeBox(*falseChest, scene, "FAUX_SOMMIER", kWood);
    falseChest->Scale({length, 10, width});
    falseChest->translation = {X, Z + H, Y};
    falseChest->m_normalMode = 0;
    scene.AddObject(std::move(falseChest));
    AddBox(scene, "SOMMIER", length, width, H, X, Y, Z - H, kWood);
    AddBox(scene, "SOMMIER", length, width, T, X, Y, Z - T, kWood);
}

} // namespace ventrel
