// The generic shape builders of the scene: a textured quad, a grid of quads, an extrusion.
#include "render/CObject3D.h"
#include "render/Scene.h"

#include <algorithm>

namespace ventrel {

void CObject3D::ClearGeometry() {
    m_vertices.clear();
    m_index.clear();
    m_texvertex.clear();
    m_texindex.clear();
    m_normales.clear();
    m_normalindex.clear();
    m_normalesPerVertex.clear();
    m_vertexnormalindex.clear();
    m_faceMaterial.clear();
    nbpts = nbindex = nbface = nbnormal = nbtexvertex = 0;
    m_dirty = 1;
}

void CObject3D::AttachTexture(Scene &scene) {
    if (m_textureFile.empty())
        return;
    scene.LoadTexture(m_textureFile, m_textureSlot, m_transparency, m_texAlpha);
    if (m_textureSlot >= 0)
        m_textureMode = 1;
}

void CObject3D::MakeQuad(Scene &scene, const std::string &name, Vec3 origin, Vec2 size,
                         const std::string &texture) {
    ClearGeometry();
    static constexpr Vec2 kCorners[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const Vec2 &c : kCorners)
        m_vertices.push_back({c.x * size.x + origin.x, c.y * size.y + origin.y, origin.z});
    m_index = {0, 1, 2, 3, -1};
    m_texvertex = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    m_texindex = m_index;
    nbpts = 4;
    nbindex = 5;
    nbface = 1;
    nbtexvertex = 4;
    m_name = name;
    m_textureFile = texture;
    AttachTexture(scene);
}

void CObject3D::MakeGrid(float du, float dv, int nu, int nv, int orientation) {
    ClearGeometry();
    nu = std::max(nu, 0);
    nv = std::max(nv, 0);
    nbpts = nu * nv;
    m_vertices.reserve(nbpts);
    for (int j = 0; j < nv; ++j)
        for (int i = 0; i < nu; ++i)
            m_vertices.push_back({static_cast<float>(i) * du, 0.0f, static_cast<float>(j) * dv});
    nbface = nu > 1 && nv > 1 ? (nu - 1) * (nv - 1) : 0;
    m_index.reserve(static_cast<size_t>(nbface) * 5);
    for (int k = 0; k < nbpts - nu - 1; ++k) {
        if ((k + 1) % nu == 0)
            continue;
        if (orientation == 1)
            m_index.insert(m_index.end(), {k, k + 1, k + 1 + nu, k + nu, -1});
        else
            m_index.insert(m_index.end(), {k, k + nu, k + nu + 1, k + 1, -1});
    }
    nbindex = static_cast<int>(m_index.size());
}

void CObject3D::MakeExtrusion(const CObject3D &profile, Vec3 offset) {
    // Copy first: the profile may be this very object.
    const int n = profile.PointCount();
    const std::vector<Vec3> points(profile.m_vertices.begin(), profile.m_vertices.begin() + n);
    const std::vector<int> faces(profile.m_index.begin(),
                                 profile.m_index.begin() + profile.IndexCount());
    ClearGeometry();
    m_vertices = points;
    for (int i = 0; i < n; ++i)
        m_vertices.push_back(
            {points[i].x + offset.x, points[i].y + offset.y, points[i].z + offset.z});
    nbpts = 2 * n;
    // One side quad per corner, from the corner's point to the next corner's point of the same face
    // (the last corner closes the ring back to the first). Corners naming no point are skipped.
    size_t faceStart = 0;
    for (size_t c = 0; c < faces.size(); ++c) {
        if (faces[c] != -1)
            continue;
        for (size_t k = faceStart; k < c; ++k) {
            const int a = faces[k];
            const int b = k + 1 < c ? faces[k + 1] : faces[faceStart];
            if (a < 0 || a >= n || b < 0 || b >= n)
                continue;
            m_index.insert(m_index.end(), {a, b, b + n, a + n, -1});
        }
        faceStart = c + 1;
    }
    nbindex = static_cast<int>(m_index.size());
    nbface = nbindex / 5;
}

} // namespace ventrel
