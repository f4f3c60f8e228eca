// The primitive meshes of the organ: the unit box, the open cylinder, the open truncated cone, the
// loft.
#include "Primitives.h"

#include "render/CObject3D.h"
#include "render/Scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventrel {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Side counts below 3 make no surface; above this they only cost memory.
int SideCount(int n) {
    return std::clamp(n, 3, 1000);
}

} // namespace

void MakeBox(CObject3D &object, Scene &scene, const std::string &name, const std::string &texture) {
    object.ClearGeometry();
    object.m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                         {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    object.m_index = {0, 1, 5, 4, -1, 1, 2, 6, 5, -1, 3, 7, 6, 2, -1,
                      0, 4, 7, 3, -1, 0, 3, 2, 1, -1, 4, 5, 6, 7, -1};
    object.m_texvertex = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    object.m_texindex = {0, 1, 2, 3, -1, 1, 0, 3, 2, -1, 0, 3, 2, 1, -1,
                         0, 1, 2, 3, -1, 0, 1, 2, 3, -1, 0, 1, 2, 3, -1};
    object.nbpts = 8;
    object.nbface = 6;
    object.nbindex = 30;
    object.nbtexvertex = 4;
    object.m_name = name;
    object.m_textureFile = texture;
    object.AttachTexture(scene);
}

void MakeCylinder(CObject3D &object, Scene &scene, const std::string &name, int n, Vec3 centre,
                  Vec3 radii, const std::string &texture) {
    object.ClearGeometry();
    n = SideCount(n);
    object.m_vertices.resize(2 * static_cast<size_t>(n));
    object.m_texvertex.resize(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = kTwoPi * i / n;
        const float x = centre.x + static_cast<float>(radii.x * std::cos(a));
        const float y = centre.y + static_cast<float>(radii.y * std::sin(a));
        object.m_vertices[i] = {x, y, centre.z};
        object.m_vertices[n + i] = {x, y, centre.z + radii.z};
        const float u = static_cast<float>(i) / static_cast<float>(n);
        object.m_texvertex[i] = {u, 0};
        object.m_texvertex[n + i] = {u, 1};
    }
    object.m_index.reserve(5 * static_cast<size_t>(n));
    for (int i = 0; i < n - 1; ++i)
        object.m_index.insert(object.m_index.end(), {i, i + n, i + n + 1, i + 1, -1});
    object.m_index.insert(object.m_index.end(), {n - 1, 2 * n - 1, n, 0, -1});
    object.m_texindex = object.m_index;
    object.nbpts = 2 * n;
    object.nbtexvertex = 2 * n;
    object.nbface = n;
    object.nbindex = 5 * n;
    // One material, so that the builders can colour it.
    object.AllocMaterials(1);
    object.m_name = name;
    object.m_textureFile = texture;
    object.AttachTexture(scene);
}

void MakeCone(CObject3D &object, const std::string &name, int n, float r0, float r1, float h) {
    object.ClearGeometry();
    n = SideCount(n);
    object.m_vertices.resize(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = kTwoPi * i / n;
        const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
        object.m_vertices[i] = {r0 * c, r0 * s, 0};
        object.m_vertices[n + i] = {r1 * c, r1 * s, h};
    }
    object.m_index.reserve(5 * static_cast<size_t>(n));
    for (int i = 0; i < n - 1; ++i)
        object.m_index.insert(object.m_index.end(), {i, i + 1, i + n + 1, i + n, -1});
    object.m_index.insert(object.m_index.end(), {n - 1, 0, n, 2 * n - 1, -1});
    object.nbpts = 2 * n;
    object.nbface = n;
    object.nbindex = 5 * n;
    object.m_name = name;
}

void MakeLoft(CObject3D &object, Scene &scene, const std::string &name,
              const std::vector<Vec2> &couple, const std::vector<Vec2> &forme, int nc, int nf,
              int mode, const std::string &texture) {
    // Counts beyond the outlines given are cut to what they hold.
    nc = std::clamp(nc, 0, static_cast<int>(couple.size()));
    nf = std::clamp(nf, 0, static_cast<int>(forme.size()));
    object.MakeGrid(10, 10, nf, nc, mode);
    object.m_loftProfileCount = nc;
    object.m_loftPathCount = nf;
    for (int j = 0; j < nf; ++j) {
        Vec2 t{0, 0};
        if (nf > 1) {
            if (j == 0)
                t = {forme[1].x - forme[0].x, forme[1].y - forme[0].y};
            else if (j == nf - 1)
                t = {forme[j].x - forme[j - 1].x, forme[j].y - forme[j - 1].y};
            else
                t = {((forme[j + 1].x - forme[j].x) + (forme[j].x - forme[j - 1].x)) / 2,
                     ((forme[j + 1].y - forme[j].y) + (forme[j].y - forme[j - 1].y)) / 2};
        }
        // Side vector = tangent x up, in the horizontal plane: (-t.z, 0, t.x), unit or zero.
        double sx = -t.y, sz = t.x;
        const double length = std::sqrt(sx * sx + sz * sz);
        if (length > 0) {
            sx /= length;
            sz /= length;
        } else {
            sx = sz = 0;
        }
        for (int s = 0; s < nc; ++s)
            object.m_vertices[static_cast<size_t>(s) * nf + j] = {
                static_cast<float>(sx * couple[s].x + forme[j].x), couple[s].y,
                static_cast<float>(sz * couple[s].x + forme[j].y)};
    }
    object.m_texvertex.resize(object.m_vertices.size());
    for (size_t i = 0; i < object.m_vertices.size(); ++i)
        object.m_texvertex[i] = {(object.m_vertices[i].x + 10.0f) * 0.02f,
                                 object.m_vertices[i].z * 0.02f};
    object.nbtexvertex = static_cast<int>(object.m_texvertex.size());
    object.m_texindex = object.m_index;
    object.m_name = name;
    object.m_textureFile = texture;
    object.AttachTexture(scene);
    object.m_normalMode = 0;
    object.m_dirty = 1;
}

} // namespace ventrel
