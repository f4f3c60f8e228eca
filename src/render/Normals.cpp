// Normals for lighting: one flat normal per face, and one averaged normal per point.
#include "render/CObject3D.h"
#include "render/FaceWalk.h"
#include "render/VectorOps.h"

#include "platform/Ui.h"

#include <cmath>

namespace ventrel {

bool Normalize(Vec3 &v) {
    const double length =
        std::sqrt(static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y +
                  static_cast<double>(v.z) * v.z);
    if (length == 0.0) {
        v = {0, 0, 0};
        return false;
    }
    v = {static_cast<float>(v.x / length), static_cast<float>(v.y / length),
         static_cast<float>(v.z / length)};
    return true;
}

void Cross(Vec3 &out, const Vec3 &a, const Vec3 &b) {
    out = {a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y};
}

void Sub(Vec3 &out, const Vec3 &a, const Vec3 &b) {
    out = {a.x - b.x, a.y - b.y, a.z - b.z};
}

bool CObject3D::FaceNormal(Vec3 &out, int c, Ui *ui) const {
    const int count = IndexCount();
    if (c < 0 || c + 2 >= count) {
        if (ui)
            ui->StatusMessage("Erreur débordement Index");
        return false;
    }
    const int points = PointCount();
    int p[3];
    for (int i = 0; i < 3; ++i) {
        p[i] = m_index[c + i];
        // A face of fewer than three corners, or naming a point that does not exist, is flat.
        if (p[i] < 0 || p[i] >= points) {
            out = {0, 0, 0};
            return false;
        }
    }
    Vec3 a, b;
    Sub(a, m_vertices[p[1]], m_vertices[p[0]]);
    Sub(b, m_vertices[p[2]], m_vertices[p[1]]);
    Cross(out, a, b);
    return true;
}

void CObject3D::BuildFaceNormals(Ui *ui) {
    if (!m_normales.empty())
        return;
    const int count = IndexCount();
    if (static_cast<int>(m_normalindex.size()) < count)
        m_normalindex.resize(count, -1);
    std::vector<Vec3> normals;
    normals.reserve(nbface > 0 ? nbface : 0);
    m_faceCount = ForEachFace(m_index, count, [&](int first, int end, int k) {
        Vec3 n{0, 0, 0};
        if (end - first >= 3)
            FaceNormal(n, first, ui);
        Normalize(n);
        normals.push_back(n);
        for (int c = first; c < end; ++c)
            m_normalindex[c] = k;
    });
    m_normales = std::move(normals);
    nbnormal = static_cast<int>(m_normales.size());
}

void CObject3D::L_BuildNormals(Ui *ui) {
    if (m_normales.empty())
        BuildFaceNormals(ui);
    const int points = PointCount();
    const int count = IndexCount();
    if (static_cast<int>(m_normalesPerVertex.size()) < points)
        m_normalesPerVertex.resize(points, Vec3{0, 0, 0});
    if (static_cast<int>(m_vertexnormalindex.size()) < count)
        m_vertexnormalindex.resize(count, -1);
    const int normals = std::min(nbnormal, static_cast<int>(m_normales.size()));
    bool stopped = false;
    ForEachFace(m_index, count, [&](int first, int end, int k) {
        if (stopped)
            return;
        for (int c = first; c < end; ++c) {
            const int p = m_index[c];
            // Bad data stops the sums where they are, unnormalised, as drawn so far.
            if (p < 0 || p >= points || k > nbface || m_normalindex.empty() ||
                c >= static_cast<int>(m_normalindex.size()) || m_normalindex[c] < 0 ||
                m_normalindex[c] >= normals) {
                stopped = true;
                return;
            }
            const Vec3 &n = m_normales[m_normalindex[c]];
            Vec3 &sum = m_normalesPerVertex[p];
            sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
            m_vertexnormalindex[c] = p;
        }
    });
    if (stopped)
        return;
    for (int p = 0; p < points; ++p)
        Normalize(m_normalesPerVertex[p]);
}

} // namespace ventrel
