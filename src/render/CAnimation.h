// Key-framed motion of one object, as scene files describe it.
#pragma once

#include "math/Vec.h"

#include <vector>

namespace ventrel {

struct CAnimation {
    bool active = false;
    float cycle_interval = 0;
    std::vector<float> position_keys;
    std::vector<Vec3> positions;
    std::vector<float> orientation_keys;
    std::vector<Vec3> orientations;
};

} // namespace ventrel
