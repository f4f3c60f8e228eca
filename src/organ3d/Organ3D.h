// Building the organ into the 3D scene: chests, free bars and pipes, background and bar.
#pragma once

#include "math/Vec.h"

#include <string>

namespace ventrel {

class CObject3D;
class CWindchest;
class Scene;
class Ui;
struct ChestTable;
struct OrganFile;

// The number of sides of a pipe of diameter d: 8 up to 18 mm, one more per further 13 1/3 mm.
int PipeSides(int diameter);

// How many objects Build3D adds for this chest.
int ObjectCount3D(const CWindchest &chest);

// One windchest at its position: a body and a foot per pipe (none for an absent pipe), mixture
// tubes, turrets, then the false chest and the two chest boxes.
void Build3D(const CWindchest &chest, Scene &scene);

// A unit box scaled by (a, c, b) and placed at (d, f, e): length a, depth b, height c at X d,
// depth e, height f. Returns the object, or nullptr when the scene is full.
CObject3D *AddBox(Scene &scene, const std::string &name, float a, float b, float c, float d,
                  float e, float f, const std::string &texture);

// A bar of the organ file: a wooden box of size (p, q, r) at (x, y, z), named "BARRE_%d".
CObject3D *AddOrganBar(Scene &scene, Vec3 size, Vec3 position);
// A free pipe of the organ file, named "TUYAU%d": a tin cylinder of diameter p (radius p/2 along
// X, q/2 across) and length r, laid horizontally along X by the X/Z exchange, its mouth end at
// (x, y, z).
CObject3D *AddOrganPipe(Scene &scene, Vec3 size, Vec3 position);

// Every object of an organ, in the order of the organ file: its bars and pipes as they come, then
// every chest of the table in order. An organ that would not fit in the scene is refused with a
// message before anything is added; false then.
bool BuildOrgan3D(Scene &scene, const OrganFile &organ, ChestTable &chests, Ui *ui);
// The chests of the table only (after "Open Chest" or "Add Chest"); refused as above.
bool BuildChests3D(Scene &scene, ChestTable &chests, Ui *ui);

// "Create Background": the textured panoramic cylinder around the organ, radius and height 10000.
CObject3D *AddBackground(Scene &scene);
// "Bar": a wooden bar 1000 x 100 x 100 at the origin, named "BARRE_%d".
CObject3D *AddBar(Scene &scene);

} // namespace ventrel
