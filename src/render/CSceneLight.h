// One light of the scene, as read from scene files.
#pragma once

#include "math/Vec.h"

namespace ventrel {

struct CSceneLight {
    int type = 1; // 1 point, 2 directional, 3 spot
    float intensity = 1;
    Vec3 color{1, 1, 1};
    Vec3 location;
    Vec3 direction{0, 0, -1};
    int on = 1;
};

} // namespace ventrel
