// The primitive meshes of the organ: the unit box, the open cylinder, the open truncated cone, the
// loft. Each replaces the object's geometry and names it.
#pragma once

#include "math/Vec.h"

#include <string>
#include <vector>

namespace ventrel {

class CObject3D;
class Scene;

void MakeBox(CObject3D &object, Scene &scene, const std::string &name, const std::string &texture);
void MakeCylinder(CObject3D &object, Scene &scene, const std::string &name, int n, Vec3 centre,
                  Vec3 radii, const std::string &texture);
void MakeCone(CObject3D &object, const std::string &name, int n, float r0, float r1, float h);
// The profile `couple` swept along the path `forme` (nc and nf points of them).
void MakeLoft(CObject3D &object, Scene &scene, const std::string &name,
              const std::vector<Vec2> &couple, const std::vector<Vec2> &forme, int nc, int nf,
              int mode, const std::string &texture);

} // namespace ventrel
