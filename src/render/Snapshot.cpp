// Fitting the camera to the scene and drawing one still picture of it.
#include "render/Snapshot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventrel {

namespace {

// Rotates p as the frame does: about X, then Y, then Z, applied to the point in reverse order.
Vec3 Rotate(Vec3 p, Vec3 degrees) {
    const double k = std::numbers::pi / 180.0;
    const double cz = std::cos(degrees.z * k), sz = std::sin(degrees.z * k);
    Vec3 q{static_cast<float>(cz * p.x - sz * p.y), static_cast<float>(sz * p.x + cz * p.y), p.z};
    const double cy = std::cos(degrees.y * k), sy = std::sin(degrees.y * k);
    q = {static_cast<float>(cy * q.x + sy * q.z), q.y, static_cast<float>(-sy * q.x + cy * q.z)};
    const double cx = std::cos(degrees.x * k), sx = std::sin(degrees.x * k);
    return {q.x, static_cast<float>(cx * q.y - sx * q.z), static_cast<float>(sx * q.y + cx * q.z)};
}

} // namespace

void FitCamera(Scene &scene, StandardView view) {
    scene.SetView(view);
    if (scene.m_max.x < scene.m_min.x) {
        scene.m_translation = {0, 0, -1000};
        return;
    }
    const Vec3 size{scene.m_max.x - scene.m_min.x, scene.m_max.y - scene.m_min.y,
                    scene.m_max.z - scene.m_min.z};
    const double radius = std::max(1.0, 0.5 * std::sqrt(static_cast<double>(size.x) * size.x +
                                                        static_cast<double>(size.y) * size.y +
                                                        static_cast<double>(size.z) * size.z));
    const double halfField = 22.5 * std::numbers::pi / 180.0;
    const double aspect = scene.m_aspect > 0 ? std::min(scene.m_aspect, 1.0) : 1.0;
    const double distance = radius / std::sin(std::atan(std::tan(halfField) * aspect));
    const Vec3 centre = Rotate(scene.m_centre, scene.m_rotation);
    scene.m_translation = {-centre.x, -centre.y, static_cast<float>(-centre.z - distance)};
}

void PaintSnapshot(Scene &scene, int width, int height, StandardView view, bool vectorMode,
                   Vec3 background) {
    scene.InitGl();
    scene.Reshape(width, height);
    FitCamera(scene, view);
    scene.m_display3D = true;
    scene.m_vectorMode = vectorMode;
    scene.PaintFrame(background);
}

} // namespace ventrel
