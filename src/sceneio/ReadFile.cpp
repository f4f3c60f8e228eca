// Reading a VRML text into objects of the scene, one object per reader call.
#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/SceneReaders.h"
#include "sceneio/V_Lib.h"

#include <algorithm>
#include <cmath>

namespace ventrel {

namespace {

// The world box (points placed by the object's scale and translation), then the box of the points
// themselves and its centre.
void FinishObject(CObject3D &object) {
    if (object.m_vertices.empty())
        return;
    object.ComputeLocalBounds();
    object.m_worldMin = object.m_o_min_xyz;
    object.m_worldMax = object.m_o_max_xyz;
    Vec3 lo = object.m_vertices.front(), hi = lo;
    for (const Vec3 &p : object.m_vertices) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    object.m_o_min_xyz = lo;
    object.m_o_max_xyz = hi;
    object.m_centre = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    const Vec3 half{(hi.x - lo.x) / 2, (hi.y - lo.y) / 2, (hi.z - lo.z) / 2};
    object.m_radius = std::sqrt(half.x * half.x + half.y * half.y + half.z * half.z);
}

} // namespace

int read_file(Scene &scene, V_Lib &lib) {
    lib.m_commentSwitch = 0;
    lib.m_braceDepth = 0;
    const std::string &text = lib.Text();
    const std::string name = lib.FileName().filename().string();
    if (text.compare(0, 7, "#VRML V") != 0) {
        lib.Message(Format("File %s is not a vrml one", name.c_str()));
        return 0;
    }
    int version = 0;
    if (text.compare(0, 10, "#VRML V1.0") == 0)
        version = 1;
    else if (text.compare(0, 10, "#VRML V2.0") == 0)
        version = 2;
    else {
        lib.Message("Invalid vrml version");
        return 0;
    }
    lib.m_useScan2 = version == 2;
    int result = 1;
    while (!lib.Word().empty() && result == 1) {
        if (!scene.HasRoom(1)) {
            lib.Message("** Scene::read_file : overflow");
            break;
        }
        auto object = std::make_unique<CObject3D>();
        const std::size_t before = lib.Position();
        result = version == 1 ? ReadVrml1Object(scene, lib, *object)
                              : ReadVrml2Object(scene, lib, *object);
        FinishObject(*object);
        // Objects of inline files read meanwhile come first; the table may be full by now.
        if (!scene.AddObject(std::move(object)))
            break;
        if (lib.Session().cancelled || (lib.Position() == before && !lib.Word().empty()))
            break;
    }
    lib.Status(Format("End Read %s", name.c_str()));
    return 1;
}

} // namespace ventrel
