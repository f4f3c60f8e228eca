// The loft editor's preview in the scene: its two outlines in slots 0 and 1, the loft in slot 2.
#include "organ3d/LoftPreview.h"

#include "organ3d/Primitives.h"
#include "outline/L_2D_Drawing.h"
#include "render/Scene.h"

#include <memory>

namespace ventrel {
namespace {

// Puts the object in the slot, the scene's object count growing to take it in.
CObject3D *PutInSlot(Scene &scene, int slot, std::unique_ptr<CObject3D> object) {
    if (slot < 0 || slot >= static_cast<int>(scene.m_objects.size()))
        return nullptr;
    if (slot >= scene.m_nbobject) {
        for (int i = scene.m_nbobject; i < slot; ++i)
            scene.m_objects[static_cast<size_t>(i)].reset();
        scene.m_nbobject = slot + 1;
    }
    scene.m_objects[static_cast<size_t>(slot)] = std::move(object);
    return scene.m_objects[static_cast<size_t>(slot)].get();
}

} // namespace

void BeginLoftPreview(Scene &scene) {
    scene.DeleteObjects();
    PutInSlot(scene, 0, std::make_unique<CObject3D>());
    PutInSlot(scene, 1, std::make_unique<CObject3D>());
    scene.m_objects[2].reset();
    scene.m_nbobject = kLoftPreviewSlots;
}

CObject3D *ShowLoftOutline(Scene &scene, int slot, const L_2D_Drawing &outline) {
    if (slot != 0 && slot != 1)
        return nullptr;
    auto quad = std::make_unique<CObject3D>();
    quad->MakeQuad(scene, "LOFT", {0, 0, 0}, {100, 100}, "motif.jpg");
    quad->m_outline = outline.m_points;
    quad->ComputeLocalBounds();
    return PutInSlot(scene, slot, std::move(quad));
}

CObject3D *ShowLoft(Scene &scene, const L_2D_Drawing &couple, const L_2D_Drawing &forme) {
    auto loft = std::make_unique<CObject3D>();
    MakeLoft(*loft, scene, "loft1", couple.m_points, forme.m_points, couple.PointCount(),
             forme.PointCount(), 1, "motif.jpg");
    loft->ComputeLocalBounds();
    return PutInSlot(scene, 2, std::move(loft));
}

void EndLoftPreview(Scene &scene) {
    scene.DeleteObjects();
    scene.m_nbobject = 0;
}

} // namespace ventrel
