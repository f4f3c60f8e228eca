// "Extrude": an outline of the horizontal plane swept straight up into walls.
#pragma once

namespace ventrel {

class CObject3D;
class L_2D_Drawing;
class Scene;

// The outline's points (x, y) become the floor ring (x, 0, y), closed back to its first point;
// the walls of that ring swept by (0, height, 0) are appended to the scene as "EXTRUSION".
// nullptr (nothing added) for an outline of fewer than two points or a full scene.
CObject3D *AddOutlineExtrusion(Scene &scene, const L_2D_Drawing &outline, float height);

} // namespace ventrel
