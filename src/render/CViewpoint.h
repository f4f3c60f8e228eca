// A viewpoint kept with an object, as scene files describe it.
#pragma once

#include "math/Vec.h"

namespace ventrel {

struct CViewpoint {
    Vec3 position;
    // The rotation axis of the view's orientation (the angle is not kept).
    Vec3 orientation;
};

} // namespace ventrel
