// The organ as a whole in 3D: free bars and pipes of the organ file, every chest, background, bar.
#include "chest/CWindchest.h"
#include "chest/OrganFile.h"
#include "organ3d/AxisMatrices.h"
#include "organ3d/Organ3D.h"
#include "organ3d/Primitives.h"
#include "platform/Ui.h"
#include "render/Scene.h"

#include <memory>
#include <numbers>

namespace ventrel {

namespace {

const std::string kWood = "wood.jpg";

bool Refuse(const Scene &scene, int needed, Ui *ui) {
    if (scene.HasRoom(needed))
        return true;
    if (ui)
        ui->MessageBox(Format("The organ needs %d 3D objects but the scene holds %d at most "
                              "(%d already there): nothing was built.",
                              needed, scene.m_capacity, scene.m_nbobject),
                       "3D");
    return false;
}

int ChestObjects(const ChestTable &chests) {
    int count = 0;
    for (int c = 0; c < std::clamp(chests.count, 0, ChestTable::kMaxChests); ++c)
        count += ObjectCount3D(chests[c]);
    return count;
}

} // namespace

CObject3D *AddOrganBar(Scene &scene, Vec3 size, Vec3 position) {
    auto bar = std::make_unique<CObject3D>();
    MakeBox(*bar, scene, Format("BARRE_%d", scene.m_nbobject), kWood);
    bar->Scale(size);
    bar->translation = position;
    bar->m_size = size;
    return scene.AddObject(std::move(bar));
}

CObject3D *AddOrganPipe(Scene &scene, Vec3 size, Vec3 position) {
    auto pipe = std::make_unique<CObject3D>();
    MakeCylinder(*pipe, scene, Format("TUYAU%d", scene.m_nbobject),
                 PipeSides(static_cast<int>(size.x)), {0, 0, 0}, {size.x / 2, size.y / 2, size.z},
                 scene.m_pipeTexture);
    pipe->m_normalMode = 1;
    pipe->SetDiffuse(0, 0xFFFFFF);
    pipe->SetAmbient(0, 0xFFFFFF);
    pipe->SetSpecular(0, 0xFFFFFF);
    pipe->Transform(L_SwapXZ());
    pipe->translation = position;
    pipe->m_size = size;
    return scene.AddObject(std::move(pipe));
}

bool BuildChests3D(Scene &scene, ChestTable &chests, Ui *ui) {
    if (!Refuse(scene, ChestObjects(chests), ui))
        return false;
    for (int c = 0; c < std::clamp(chests.count, 0, ChestTable::kMaxChests); ++c)
        Build3D(chests[c], scene);
    return true;
}

bool BuildOrgan3D(Scene &scene, const OrganFile &organ, ChestTable &chests, Ui *ui) {
    int needed = ChestObjects(chests);
    for (const OrganFile::Item &item : organ.items)
        if (item.kind != OrganFile::Kind::Chest)
            ++needed;
    if (!Refuse(scene, needed, ui))
        return false;
    for (const OrganFile::Item &item : organ.items) {
        const Vec3 size{static_cast<float>(item.size[0]), static_cast<float>(item.size[1]),
                        static_cast<float>(item.size[2])};
        const Vec3 position{static_cast<float>(item.position[0]),
                            static_cast<float>(item.position[1]),
                            static_cast<float>(item.position[2])};
        if (item.kind == OrganFile::Kind::Bar)
            AddOrganBar(scene, size, position);
        else if (item.kind == OrganFile::Kind::Pipe)
            AddOrganPipe(scene, size, position);
    }
    return BuildChests3D(scene, chests, ui);
}

CObject3D *AddBackground(Scene &scene) {
    auto background = std::make_unique<CObject3D>();
    MakeCylinder(*background, scene, Format("BACKGROUND %d", scene.m_nbobject), 30, {0, 0, 0},
                 {100, 100, 100}, "mont_eglise_renverse.jpg");
    // A quarter turn back about X, (x, y, z) -> (x, z, -y): the axis stands vertical.
    CMatrix turn(3, 3);
    turn.Set(0, 0, 1);
    turn.Set(1, 2, 1);
    turn.Set(2, 1, -1);
    background->Transform(turn);
    background->Scale({100, 100, 100});
    CObject3D *added = scene.AddObject(std::move(background));
    scene.m_translateStep = 30.0f;
    scene.m_display3D = true;
    return added;
}

CObject3D *AddBar(Scene &scene) {
    auto bar = std::make_unique<CObject3D>();
    MakeBox(*bar, scene, Format("BARRE_%d", scene.m_nbobject), kWood);
    bar->Scale({1000, 100, 100});
    CObject3D *added = scene.AddObject(std::move(bar));
    scene.m_display3D = true;
    return added;
}

} // namespace ventrel
