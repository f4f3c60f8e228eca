// Framing the whole scene: the camera moved back along its own direction until every corner of
// the scene's bounds is inside the view.
#include "render/FitCamera.h"
#include "render/Scene.h"

#include <algorithm>
#include <cmath>

namespace ventrel {
namespace {

// The vertical field of view of the perspective the scene is drawn with, in degrees.
constexpr double kFieldOfView = 45.0;
// Room left around the scene, as a share of the view.
constexpr double kMargin = 1.05;

struct Point {
    double x, y, z;
};

// p turned as the frame turns the scene: about Z, then Y, then X (glRotate order X, Y, Z).
Point Turn(Point p, const Vec3 &degrees) {
    const double toRadians = 3.14159265358979323846 / 180.0;
    auto turn = [](double &a, double &b, double angle) {
        const double c = std::cos(angle), s = std::sin(angle);
        const double na = c * a - s * b, nb = s * a + c * b;
        a = na;
        b = nb;
    };
    turn(p.x, p.y, degrees.z * toRadians); // about Z
    turn(p.z, p.x, degrees.y * toRadians); // about Y
    turn(p.y, p.z, degrees.x * toRadians); // about X
    return p;
}

} // namespace

bool FitCamera(Scene &scene) {
    const Vec3 &lo = scene.m_min, &hi = scene.m_max, &rotation = scene.m_rotation;
    if (lo.x > hi.x || lo.y > hi.y || lo.z > hi.z)
        return false;
    const double aspect = scene.m_aspect > 0 ? scene.m_aspect : 1.0;
    const double tanV = std::tan(kFieldOfView / 2 * 3.14159265358979323846 / 180.0);
    const double tanH = tanV * aspect;
    const Point centre =
        Turn({(lo.x + hi.x) / 2.0, (lo.y + hi.y) / 2.0, (lo.z + hi.z) / 2.0}, rotation);
    double distance = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const Point p =
            Turn({corner & 1 ? hi.x : lo.x, corner & 2 ? hi.y : lo.y, corner & 4 ? hi.z : lo.z},
                 rotation);
        const double x = (p.x - centre.x) * kMargin, y = (p.y - centre.y) * kMargin;
        const double z = p.z - centre.z;
        distance = std::max({distance, z + std::abs(x) / tanH, z + std::abs(y) / tanV});
    }
    distance = std::max(distance, 1.0);
    scene.m_translation = {static_cast<float>(-centre.x), static_cast<float>(-centre.y),
                           static_cast<float>(-centre.z - distance)};
    return true;
}

} // namespace ventrel
