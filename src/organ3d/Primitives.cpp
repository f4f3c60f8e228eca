// The primitive meshes of the organ: the unit box, the open cylinder, the open truncated cone, the
// loft.
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

void CObject3D::MakeBox(Scene &scene, const std::string &name, const std::string &texture) {
    ClearGeometry();
    m_vertices = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                  {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    m_index = {0, 1, 5, 4, -1, 1, 2, 6, 5, -1, 3, 7, 6, 2, -1,
               0, 4, 7, 3, -1, 0, 3, 2, 1, -1, 4, 5, 6, 7, -1};
    m_texvertex = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    m_texindex = {0, 1, 2, 3, -1, 1, 0, 3, 2, -1, 0, 3, 2, 1, -1,
                  0, 1, 2, 3, -1, 0, 1, 2, 3, -1, 0, 1, 2, 3, -1};
    nbpts = 8;
    nbface = 6;
    nbindex = 30;
    nbtexvertex = 4;
    m_name = name;
    m_textureFile = texture;
    AttachTexture(scene);
}

void CObject3D::MakeCylinder(Scene &scene, const std::string &name, int n, Vec3 centre, Vec3 radii,
                             const std::string &texture) {
    ClearGeometry();
    n = SideCount(n);
    m_vertices.resize(2 * static_cast<size_t>(n));
    m_texvertex.resize(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = kTwoPi * i / n;
        const float x = centre.x + static_cast<float>(radii.x * std::cos(a));
        const float y = centre.y + static_cast<float>(radii.y * std::sin(a));
        m_vertices[i] = {x, y, centre.z};
        m_vertices[n + i] = {x, y, centre.z + radii.z};
        const float u = static_cast<float>(i) / static_cast<float>(n);
        m_texvertex[i] = {u, 0};
        m_texvertex[n + i] = {u, 1};
    }
    m_index.reserve(5 * static_cast<size_t>(n));
    for (int i = 0; i < n - 1; ++i)
        m_index.insert(m_index.end(), {i, i + n, i + n + 1, i + 1, -1});
    m_index.insert(m_index.end(), {n - 1, 2 * n - 1, n, 0, -1});
    m_texindex = m_index;
    nbpts = 2 * n;
    nbtexvertex = 2 * n;
    nbface = n;
    nbindex = 5 * n;
    // One material, so that the builders can colour it.
    AllocMaterials(1);
    m_name = name;
    m_textureFile = texture;
    AttachTexture(scene);
}

void CObject3D::MakeCone(Scene & /*scene*/, const std::string &name, int n, float r0, float r1,
                         float h, const std::string & /*texture*/) {
    ClearGeometry();
    n = SideCount(n);
    m_vertices.resize(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = kTwoPi * i / n;
        const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
        m_vertices[i] = {r0 * c, r0 * s, 0};
        m_vertices[n + i] = {r1 * c, r1 * s, h};
    }
    m_index.reserve(5 * static_cast<size_t>(n));
    for (int i = 0; i < n - 1; ++i)
        m_index.insert(m_index.end(), {i, i + 1, i + n + 1, i + n, -1});
    m_index.insert(m_index.end(), {n - 1, 0, n, 2 * n - 1, -1});
    nbpts = 2 * n;
    nbface = n;
    nbindex = 5 * n;
    m_name = name;
}

void CObject3D::MakeLoft(Scene &scene, const std::string &name, const std::vector<Vec2> &couple,
                         const std::vector<Vec2> &forme, int nc, int nf, int mode,
                         const std::string &texture) {
    // Counts beyond the outlines given are cut to what they hold.
    nc = std::clamp(nc, 0, static_cast<int>(couple.size()));
    nf = std::clamp(nf, 0, static_cast<int>(forme.size()));
    MakeGrid(10, 10, nf, nc, mode);
    m_loftProfileCount = nc;
    m_loftPathCount = nf;
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
            m_vertices[static_cast<size_t>(s) * nf + j] = {
                static_cast<float>(sx * couple[s].x + forme[j].x), couple[s].y,
                static_cast<float>(sz * couple[s].x + forme[j].y)};
    }
    m_texvertex.resize(m_vertices.size());
    for (size_t i = 0; i < m_vertices.size(); ++i)
        m_texvertex[i] = {(m_vertices[i].x + 10.0f) * 0.02f, m_vertices[i].z * 0.02f};
    nbtexvertex = static_cast<int>(m_texvertex.size());
    m_texindex = m_index;
    m_name = name;
    m_textureFile = texture;
    AttachTexture(scene);
    m_normalMode = 0;
    m_dirty = 1;
}

} // namespace ventrel
