// The sample organ-case tower: a rounded profile swept along a U-shaped path.
#pragma once

#include "outline/CLoft.h"

namespace ventrel {

class CObject3D;
class Scene;
class Ui;
struct WorkFolder;

// The tower's outlines: the COUPLE profile and the FORME path in one loft record, and whether
// they have been built.
struct CTower {
    CLoft m_loft;
    bool m_outlines = false;
};

// Builds both outlines afresh (82 and 23 points).
void BuildTowerOutlines(CTower &tower);
// Writes "orgext_tourelle_couple.poly/.dxf" and "orgext_tourelle_forme.poly/.dxf" into
// folder.output; false (with a message) when one of them cannot be written.
bool WriteTowerFiles(const CTower &tower, const WorkFolder &folder, Ui &ui);
// The swept surface appended to the scene (nullptr when the scene is full).
CObject3D *AddTowerLoft(Scene &scene, const CTower &tower);
// The "TOWER" command: outlines, their four files, the loft; the outlines flag is set.
bool BuildTower(CTower &tower, Scene &scene, const WorkFolder &folder, Ui &ui);

} // namespace ventrel
