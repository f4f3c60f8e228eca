// The axis-exchange matrices of the 3D builders.
#pragma once

#include "math/CMatrix.h"

namespace ventrel {

// (1,0,0 / 0,0,1 / 0,1,0): exchanges Y and Z.
const CMatrix &L_SwapYZ();
// (0,0,1 / 0,1,0 / 1,0,0): exchanges X and Z.
const CMatrix &L_SwapXZ();
// (0,1,0 / 1,0,0 / 0,0,1): exchanges X and Y.
const CMatrix &L_SwapXY();

} // namespace ventrel
