// One object in OpenGL: its display list, its materials, and the faces sent to the pipeline.
#include "render/CObject3D.h"
#include "render/CornerSource.h"
#include "render/FaceSender.h"
#include "render/FaceWalk.h"
#include "render/Placement.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace ventrel {

namespace {

Vec3 MaterialColour(const std::vector<Vec3> &table, int m, Vec3 absent) {
    return m < static_cast<int>(table.size()) ? table[m] : absent;
}

} // namespace

SentMaterial MaterialValues(const CObject3D &o, int m) {
    if (m < 0 || m >= o.nbmaterial)
        m = 0;
    SentMaterial material;
    material.face = o.m_face;
    material.ambient = MaterialColour(o.T_ambientColor, m, {0.2f, 0.2f, 0.2f});
    material.diffuse = MaterialColour(o.T_diffuseColor, m, {1, 1, 1});
    material.specular = MaterialColour(o.T_specularColor, m, {0.2f, 0.2f, 0.2f});
    material.shininess = m < static_cast<int>(o.T_shininess.size()) ? o.T_shininess[m] : 0.0f;
    material.valid = true;
    return material;
}

namespace {

void SendMaterialColour(GLenum face, GLenum which, Vec3 c) {
    const GLfloat value[4] = {c.x, c.y, c.z, 1.0f};
    glMaterialfv(face, which, value);
}

void SendNormal(Vec3 n, const Placement *placed) {
    if (placed)
        n = placed->Normal(n);
    glNormal3f(n.x, n.y, n.z);
}

void SendRedMaterial(GLenum face, bool green = false) {
    const GLfloat colour[4] = {green ? 0.0f : 1.0f, green ? 1.0f : 0.0f, 0.0f, 1.0f};
    glMaterialfv(face, GL_AMBIENT, colour);
}

} // namespace

void CObject3D::DeleteList() {
    if (m_list != 0)
        glDeleteLists(m_list, 1);
    m_list = 0;
    m_listBuilt = 0;
    m_listValid = 0;
}

void CObject3D::ApplyMaterial(int k) {
    ApplyMaterial(k, nullptr);
}

void CObject3D::ApplyMaterial(int k, SentMaterial *sent) {
    if (k < 0 || k >= nbface)
        return;
    int m = k < static_cast<int>(m_faceMaterial.size()) ? m_faceMaterial[k] : 0;
    if (m == m_lastMaterial)
        return;
    m_lastMaterial = m;
    if (m_useMaterials == 0)
        return;
    const SentMaterial material = MaterialValues(*this, m);
    if (sent && sent->SameAs(material))
        return;
    SendMaterial(material);
    if (sent)
        *sent = material;
}

void SendMaterial(const SentMaterial &material) {
    SendMaterialColour(material.face, GL_AMBIENT, material.ambient);
    SendMaterialColour(material.face, GL_DIFFUSE, material.diffuse);
    SendMaterialColour(material.face, GL_SPECULAR, material.specular);
    glMaterialf(material.face, GL_SHININESS, material.shininess);
}

bool SingleMaterial(const CObject3D &o, SentMaterial &out) {
    if (!(o.m_materialAlways == 1 || o.m_lit) || o.m_useMaterials == 0 || o.nbface < 1)
        return false;
    const auto resolved = [&o](int k) {
        const int m = k < static_cast<int>(o.m_faceMaterial.size()) ? o.m_faceMaterial[k] : 0;
        return m < 0 || m >= o.nbmaterial ? 0 : m;
    };
    const int first = resolved(0);
    const int listed = std::min(o.nbface, static_cast<int>(o.m_faceMaterial.size()));
    for (int k = 1; k < listed; ++k)
        if (resolved(k) != first)
            return false;
    if (o.nbface > listed && first != 0)
        return false;
    out = MaterialValues(o, first);
    return true;
}

void SendPlacement(const CObject3D &o) {
    glTranslatef(o.translation.x, o.translation.y, o.translation.z);
    if (o.angle != 0.0f)
        glRotatef(o.angle, o.rotation.x, o.rotation.y, o.rotation.z);
    // A zero angle is skipped: it changes nothing, and a zero axis would make OpenGL divide by 0.
    if (o.m_scaleAngle != 0.0f)
        glRotatef(-o.m_scaleAngle, o.m_scaleAxis.x, o.m_scaleAxis.y, o.m_scaleAxis.z);
    glScalef(o.echelle.x, o.echelle.y, o.echelle.z);
    if (o.m_scaleAngle != 0.0f)
        glRotatef(o.m_scaleAngle, o.m_scaleAxis.x, o.m_scaleAxis.y, o.m_scaleAxis.z);
}

namespace {

using Triple = std::array<double, 3>;

Triple Of(const Vec3 &v) {
    return {v.x, v.y, v.z};
}

Triple Of(const Vec2 &v) {
    return {v.x, v.y, 0};
}

// Whether a + c and b + d are the same point, to a hundred-thousandth of the diagonals' length.
bool Parallelogram(const Triple &a, const Triple &b, const Triple &c, const Triple &d) {
    const auto length = [](const Triple &v) {
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    };
    Triple gap, ac, bd;
    for (int i = 0; i < 3; ++i) {
        gap[i] = a[i] + c[i] - b[i] - d[i];
        ac[i] = c[i] - a[i];
        bd[i] = d[i] - b[i];
    }
    return length(gap) <= 1e-5 * (length(ac) + length(bd));
}

bool Same(const Vec3 &a, const Vec3 &b) {
    return std::abs(a.x - b.x) <= 1e-6f && std::abs(a.y - b.y) <= 1e-6f &&
           std::abs(a.z - b.z) <= 1e-6f;
}

// Whether a quad may be left to the driver, which cuts it along either diagonal: a parallelogram
// whose texture coordinates vary evenly over it and whose normals are equal along two opposite
// sides (one normal, or the two of a cylinder's side) gives the same picture both ways. A corner
// without values of its own keeps the quad as it is.
bool EitherDiagonal(const CornerSource &source, int first) {
    const CObject3D &o = source.o;
    const auto point = [&](int c) { return o.m_vertices[o.m_index[first + c]]; };
    if (!Parallelogram(Of(point(0)), Of(point(1)), Of(point(2)), Of(point(3))))
        return false;
    if (source.PerCornerNormals()) {
        const Vec3 *n[4];
        for (int c = 0; c < 4; ++c)
            if (!(n[c] = source.Normal(first + c)))
                return true;
        if (!((Same(*n[0], *n[1]) && Same(*n[2], *n[3])) ||
              (Same(*n[0], *n[3]) && Same(*n[1], *n[2]))))
            return false;
    }
    if (source.textured) {
        const Vec2 *t[4];
        for (int c = 0; c < 4; ++c)
            if (!(t[c] = source.TexCoord(first + c)))
                return true;
        if (!Parallelogram(Of(*t[0]), Of(*t[1]), Of(*t[2]), Of(*t[3])))
            return false;
    }
    return true;
}

} // namespace

bool SendsEveryCorner(const CObject3D &o, bool textured) {
    const CornerSource source(o);
    if (!source.PerCornerNormals() && !source.onePerFace)
        return false;
    if (textured && !source.textured)
        return false;
    bool every = true;
    ForEachFace(o.m_index, source.count, [&](int first, int end, int) {
        if (!every || !source.Drawn(first, end))
            return;
        if (!source.PerCornerNormals() && !source.FaceNormal(first))
            every = false;
        for (int c = first; c < end && every; ++c)
            every = (!source.PerCornerNormals() || source.Normal(c)) &&
                    (!textured || source.TexCoord(c));
    });
    return every;
}

void SendFaces(CObject3D &o, const Placement *placed, SentMaterial *sent, FaceStream stream) {
    const bool inTriangles = stream == FaceStream::InOpenTriangles;
    o.m_lastMaterial = -1;
    const CornerSource source(o);
    const float vFactor = static_cast<float>(o.m_texVFactor);

    auto sendCorner = [&](int c) {
        if (const Vec3 *n = source.Normal(c))
            SendNormal(*n, placed);
        if (const Vec2 *t = source.TexCoord(c))
            glTexCoord2f(t->x, vFactor * t->y);
        const Vec3 &point = o.m_vertices[o.m_index[c]];
        const Vec3 v = placed ? placed->Point(point) : point;
        glVertex3f(v.x, v.y, v.z);
    };

    // Runs of triangles or quads share one primitive (colours, normals and materials may change
    // between glBegin and glEnd); a polygon of more corners has one of its own.
    GLenum open = GL_NONE;
    auto close = [&open] {
        if (open != GL_NONE)
            glEnd();
        open = GL_NONE;
    };
    ForEachFace(o.m_index, source.count, [&](int first, int end, int k) {
        // The identification colour: the object index over red and green, the face over blue.
        glColor3ub(static_cast<GLubyte>(o.m_pickName & 0xff),
                   static_cast<GLubyte>((o.m_pickName >> 8) & 0xff),
                   static_cast<GLubyte>(k & 0xff));
        if (o.m_materialAlways == 1 || o.m_lit)
            o.ApplyMaterial(k, sent);
        // A face naming a point that does not exist is left out whole.
        if (!source.Drawn(first, end))
            return;
        const int corners = end - first;
        o.m_faceSize = corners;
        // A quad whose two diagonals give different pictures (out of its plane, or with normals
        // or texture coordinates that vary unevenly over it) is cut here, the same way in every
        // list, rather than by the driver.
        const bool fan = inTriangles || (corners == 4 && !EitherDiagonal(source, first));
        if (!inTriangles) {
            const GLenum primitive = corners == 3 || fan ? GL_TRIANGLES
                                     : corners == 4      ? GL_QUADS
                                                         : GL_POLYGON;
            if (primitive != open || primitive == GL_POLYGON) {
                close();
                glBegin(primitive);
                open = primitive;
            }
        }
        if (const Vec3 *n = source.FaceNormal(first))
            SendNormal(*n, placed);
        if (fan) {
            // A fan from the first corner; the diagonals are flagged as inner edges so that
            // outlines in vector mode show the face's own sides only.
            for (int c = first + 1; c + 1 < end; ++c) {
                glEdgeFlag(c == first + 1);
                sendCorner(first);
                glEdgeFlag(GL_TRUE);
                sendCorner(c);
                glEdgeFlag(c + 2 == end);
                sendCorner(c + 1);
            }
        } else {
            for (int c = first; c < end; ++c)
                sendCorner(c);
        }
        if (open == GL_POLYGON)
            close();
        o.m_lastFaceSize = corners;
    });
    close();
}

namespace {

// The normals, axes and outline an object may show over its faces.
void SendOverlays(CObject3D &o) {
    const int points = o.PointCount();
    const int count = o.IndexCount();
    const int normals = static_cast<int>(o.m_normales.size());
    if (o.m_showNormals) {
        SendRedMaterial(o.m_face);
        glBegin(GL_LINES);
        for (int c = 0; c < count; ++c) {
            const int p = o.m_index[c];
            if (p < 0 || p >= points || c >= static_cast<int>(o.m_normalindex.size()))
                continue;
            const int n = o.m_normalindex[c];
            if (n < 0 || n >= normals)
                continue;
            const Vec3 &v = o.m_vertices[p];
            const Vec3 &d = o.m_normales[n];
            glVertex3f(v.x, v.y, v.z);
            glVertex3f(v.x + d.x, v.y + d.y, v.z + d.z);
        }
        glEnd();
    }
    if (o.m_showAxes) {
        SendRedMaterial(o.m_face, true);
        glBegin(GL_LINES);
        glColor3f(1, 0, 0);
        glVertex3f(0, 0, 0);
        glVertex3f(500, 0, 0);
        glColor3f(0, 1, 0);
        glVertex3f(0, 0, 0);
        glVertex3f(0, 500, 0);
        glColor3f(0, 0, 1);
        glVertex3f(0, 0, 0);
        glVertex3f(0, 0, 500);
        glEnd();
    }
    if (o.m_outline.size() > 1) {
        SendRedMaterial(o.m_face);
        glColor3f(1, 0, 0);
        glBegin(GL_LINE_STRIP);
        for (const Vec2 &q : o.m_outline)
            glVertex3f(q.x, q.y, 0);
        glEnd();
    }
}

} // namespace

// Everything a display list of the object holds: placement, faces with normals, texture
// coordinates and identification colours, and the optional normals, axes and outline.
static void SendObject(CObject3D &o, Ui *ui, bool buildNormals) {
    glPushMatrix();
    SendPlacement(o);
    if (o.m_lit && buildNormals)
        o.L_BuildNormals(ui);
    SendFaces(o, nullptr, nullptr, FaceStream::OwnPrimitives);
    SendOverlays(o);
    glPopMatrix();
}

bool CObject3D::Compile(Ui *ui) {
    DeleteList();
    ComputeLocalBounds();
    if (PointCount() == 0 && m_outline.empty()) {
        m_listBuilt = 1;
        m_dirty = 0;
        return true;
    }
    const GLuint list = glGenLists(1);
    if (list == 0)
        return false;
    m_list = list;
    glNewList(list, GL_COMPILE);
    SendObject(*this, ui, true);
    glEndList();
    static unsigned long compiles = 0;
    m_compileStamp = ++compiles;
    m_listBuilt = 1;
    m_dirty = 0;
    m_listValid = 1;
    return true;
}

void CObject3D::DrawImmediate() {
    glPolygonMode(m_face, m_polygonMode);
    if (PointCount() == 0 && m_outline.empty())
        return;
    // The normals of the last compile (or none): immediate frames send, they do not derive.
    SendObject(*this, nullptr, false);
}

void CObject3D::Draw(bool full, Ui *ui) {
    glPolygonMode(m_face, m_polygonMode);
    if (full && (!m_listBuilt || m_dirty))
        Compile(ui);
    if (full && !m_listValid)
        return;
    if (!m_listBuilt || m_list == 0)
        return;
    if (!full) {
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
    }
    glCallList(m_list);
}

} // namespace ventrel
