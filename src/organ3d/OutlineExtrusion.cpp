// "Extrude": an outline of the horizontal plane swept straight up into walls.
#include "organ3d/OutlineExtrusion.h"

#include "outline/L_2D_Drawing.h"
#include "render/Scene.h"

#include <memory>

namespace ventrel {

CObject3D *AddOutlineExtrusion(Scene &scene, const L_2D_Drawing &outline, float height) {
    const int n = outline.PointCount();
    if (n < 2 || !scene.HasRoom(1))
        return nullptr;
    // The floor ring as one face of the outline's points, which the extrusion sweeps.
    CObject3D ring;
    for (int i = 0; i < n; ++i) {
        const Vec2 p = outline.Point(i);
        ring.m_vertices.push_back({p.x, 0, p.y});
        ring.m_index.push_back(i);
    }
    ring.m_index.push_back(-1);
    ring.nbpts = n;
    ring.nbindex = n + 1;
    ring.nbface = 1;
    auto walls = std::make_unique<CObject3D>();
    walls->MakeExtrusion(ring, {0, height, 0});
    walls->m_name = "EXTRUSION";
    walls->ComputeLocalBounds();
    return scene.AddObject(std::move(walls));
}

} // namespace ventrel
