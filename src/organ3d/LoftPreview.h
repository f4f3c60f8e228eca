// The loft editor's preview in the scene: its two outlines in slots 0 and 1, the loft in slot 2.
#pragma once

namespace ventrel {

class CObject3D;
class L_2D_Drawing;
class Scene;

inline constexpr int kLoftPreviewSlots = 3;

// Empties the scene, puts a new empty object in slots 0 and 1 and leaves slot 2 empty.
void BeginLoftPreview(Scene &scene);
// Slot 0 (COUPLE) or 1 (FORME) becomes a 100 x 100 square "LOFT" textured "motif.jpg" carrying a
// copy of the outline's points.
CObject3D *ShowLoftOutline(Scene &scene, int slot, const L_2D_Drawing &outline);
// Slot 2 becomes the loft "loft1" of the COUPLE swept along the FORME (winding 1, "motif.jpg").
CObject3D *ShowLoft(Scene &scene, const L_2D_Drawing &couple, const L_2D_Drawing &forme);
// Deletes every object of the scene (the three previews and anything added since): the organ's
// 3D view is empty until it is built again. A current context is needed when the scene has been
// drawn.
void EndLoftPreview(Scene &scene);

} // namespace ventrel
