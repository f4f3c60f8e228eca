// A turret or loft: a cross-section outline swept along a path outline, with an offset and a
// rotation.
#pragma once

#include "L_2D_Drawing.h"
#include "math/Vec.h"

#include <string>

namespace ventrel {

struct CLoft {
    static constexpr size_t kNameLength = 63;

    std::string m_couple_name; // .poly file of the cross-section profile
    std::string m_forme_name;  // .poly file of the path
    L_2D_Drawing m_couple;
    L_2D_Drawing m_forme;
    Vec3 m_offset;   // X, height, depth added to the placement
    Vec3 m_rotation; // degrees; only x is used: exactly 90 exchanges Y and Z of the mesh
};

} // namespace ventrel
