// Small vector operations of the normal builder.
#pragma once

#include "math/Vec.h"

namespace ventrel {

// Divides v by its length; a zero vector stays zero and gives false.
bool Normalize(Vec3 &v);
void Cross(Vec3 &out, const Vec3 &a, const Vec3 &b);
void Sub(Vec3 &out, const Vec3 &a, const Vec3 &b);

} // namespace ventrel
