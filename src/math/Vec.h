// Points and vectors of 32-bit floats, shared by outlines and the 3D scene.
#pragma once

namespace ventrel {

struct Vec2 {
    float x = 0, y = 0;
    friend bool operator==(const Vec2 &, const Vec2 &) = default;
};

struct Vec3 {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const Vec3 &, const Vec3 &) = default;
};

} // namespace ventrel
