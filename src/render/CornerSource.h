// Where the normal and the texture coordinate of each corner of an object come from, as the
// view sends them to OpenGL.
#pragma once

#include "render/CObject3D.h"

namespace ventrel {

struct CornerSource {
    const CObject3D &o;
    int points, count, normals, vertexNormals, texCoords;
    bool faceNormalsPerCorner, pointNormals, textured, onePerFace;

    explicit CornerSource(const CObject3D &object)
        : o(object), points(object.PointCount()), count(object.IndexCount()),
          normals(static_cast<int>(object.m_normales.size())),
          vertexNormals(static_cast<int>(object.m_normalesPerVertex.size())),
          texCoords(static_cast<int>(object.m_texvertex.size())) {
        faceNormalsPerCorner =
            o.m_lit && o.m_normalMode == 0 && static_cast<int>(o.m_normalindex.size()) >= count;
        pointNormals = o.m_lit && o.m_normalMode == 1 && vertexNormals > 0 &&
                       static_cast<int>(o.m_vertexnormalindex.size()) >= count;
        textured = o.m_lit && static_cast<int>(o.m_texindex.size()) >= count && texCoords > 0;
        onePerFace = o.m_lit && o.m_normalindex.empty() && normals > 0 && o.nbnormal == o.nbpts;
    }
    // A face is drawn when it has three corners or more and every point it names exists.
    bool Drawn(int first, int end) const {
        if (end - first < 3)
            return false;
        for (int c = first; c < end; ++c)
            if (o.m_index[c] < 0 || o.m_index[c] >= points)
                return false;
        return true;
    }
    // The normal sent once before the corners of a face, or none.
    const Vec3 *FaceNormal(int first) const {
        if (!onePerFace)
            return nullptr;
        const int p = o.m_index[first];
        return p >= 0 && p < normals ? &o.m_normales[p] : nullptr;
    }
    bool PerCornerNormals() const { return faceNormalsPerCorner || pointNormals; }
    const Vec3 *Normal(int c) const {
        if (faceNormalsPerCorner) {
            const int n = o.m_normalindex[c];
            return n >= 0 && n < normals ? &o.m_normales[n] : nullptr;
        }
        if (pointNormals) {
            const int n = o.m_vertexnormalindex[c];
            return n >= 0 && n < vertexNormals ? &o.m_normalesPerVertex[n] : nullptr;
        }
        return nullptr;
    }
    const Vec2 *TexCoord(int c) const {
        if (!textured)
            return nullptr;
        const int t = o.m_texindex[c];
        return t >= 0 && t < texCoords ? &o.m_texvertex[t] : nullptr;
    }
};

} // namespace ventrel
