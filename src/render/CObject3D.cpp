// The 3D object record: construction, reset, materials and point transforms.
#include "render/CObject3D.h"

#include "math/CMatrix.h"
#include "render/CAnimation.h"
#include "render/CViewpoint.h"

#include <algorithm>

namespace ventrel {

CObject3D::CObject3D() {
    Reset();
}

CObject3D::~CObject3D() {
    Destroy();
}

void CObject3D::Reset() {
    m_normales.clear();
    m_normalesPerVertex.clear();
    m_normalindex.clear();
    m_outline.clear();
    nbnormal = 0;
    m_faceCount = 0;
    m_faceMaterial.clear();
    m_lastMaterial = -1;
    m_vertexnormalindex.clear();
    m_lastFaceSize = m_faceSize = 0;
    m_materialAlways = 0;
    m_useMaterials = 1;
    m_listBuilt = 0;
    m_cursor = 0;
    m_showNormals = 0;
    m_showAxes = false;
    nbmaterial = 0;
    m_texTransform = false;
    m_texRotate = false;
    m_texAngle = 0;
    m_textureSlot = -1;
    m_textureMode = -1;
    m_textureUses = 0;
    m_texTranslate = false;
    m_texOffset = {};
    m_texScale = false;
    m_texScaleST = {1, 1};
    m_texAlpha = false;
    m_texTranslate2 = false;
    m_texOffset2 = {};
    m_lit = true;
    m_normalMode = 0;
    m_vertices.clear();
    m_texvertex.clear();
    nbtexvertex = 0;
    m_texindex.clear();
    m_textureFile.clear();
    m_index.clear();
    nbindex = 0;
    m_ownTransform = false;
    m_hasMatrix = false;
    std::fill(std::begin(m_matrix), std::end(m_matrix), 0.0f);
    m_matrix[0] = m_matrix[5] = m_matrix[10] = m_matrix[15] = 1.0f;
    translation = {};
    m_position = {};
    angle = 0;
    m_scaleAngle = 0;
    rotation = {};
    m_orientation = {};
    echelle = {1, 1, 1};
    m_scaleAxis = {1, 1, 1};
    T_ambientColor.clear();
    T_diffuseColor.clear();
    T_specularColor.clear();
    T_shininess.clear();
    T_emissive.clear();
    m_transparency = 0;
    m_dirty = 1;
    m_face = 0x0408;
    m_polygonMode = 0x1B02;
    m_texVFactor = -1;
    m_name.clear();
    m_pickName = 0;
    m_list = 0;
    m_listValid = 0;
    m_compileStamp = 0;
    nbpts = 0;
    nbface = 0;
    m_o_max_xyz = {-1e10f, -1e10f, -1e10f};
    m_worldMax = {};
    m_o_min_xyz = {1e10f, 1e10f, 1e10f};
    m_worldMin = {};
    m_centre = {};
    m_radius = 0;
    m_anim.reset();
    m_viewpoint.reset();
    m_script.clear();
    m_texCentreSet = false;
    m_texCentre = {};
    T_ambientIntensity.clear();
    m_loftProfileCount = m_loftPathCount = 0;
    m_size = {};
}

void CObject3D::Destroy() {
    DeleteList();
    Reset();
}

namespace {

Vec3 FromColorRef(unsigned colour) {
    return {static_cast<float>(colour & 0xff) / 255.0f,
            static_cast<float>((colour >> 8) & 0xff) / 255.0f,
            static_cast<float>((colour >> 16) & 0xff) / 255.0f};
}

void SetColour(CObject3D &object, std::vector<Vec3> &table, int i, unsigned colour) {
    if (object.PointCount() == 0 || i < 0 || i >= static_cast<int>(table.size()))
        return;
    table[i] = FromColorRef(colour);
    object.m_dirty = 1;
}

} // namespace

void CObject3D::SetAmbient(int i, unsigned colour) {
    SetColour(*this, T_ambientColor, i, colour);
}
void CObject3D::SetDiffuse(int i, unsigned colour) {
    SetColour(*this, T_diffuseColor, i, colour);
}
void CObject3D::SetSpecular(int i, unsigned colour) {
    SetColour(*this, T_specularColor, i, colour);
}

void CObject3D::AllocMaterials(int count) {
    count = std::max(count, 0);
    nbmaterial = count;
    T_ambientColor.assign(count, {0.2f, 0.2f, 0.2f});
    T_diffuseColor.assign(count, {1, 1, 1});
    T_specularColor.assign(count, {0.2f, 0.2f, 0.2f});
    T_shininess.assign(count, 0.0f);
    T_emissive.assign(count, {0, 0, 0});
    m_dirty = 1;
}

void CObject3D::Scale(Vec3 v) {
    for (Vec3 &p : m_vertices)
        p = {p.x * v.x, p.y * v.y, p.z * v.z};
}

void CObject3D::Translate(Vec3 v) {
    for (Vec3 &p : m_vertices)
        p = {p.x + v.x, p.y + v.y, p.z + v.z};
}

void CObject3D::Transform(const CMatrix &m) {
    if (m.Rows() < 3 || m.Cols() < 3)
        return;
    CMatrix p(3, 1), q(3, 1);
    for (Vec3 &v : m_vertices) {
        p.Set(0, 0, v.x);
        p.Set(1, 0, v.y);
        p.Set(2, 0, v.z);
        q.Multiply(m, p);
        v = {static_cast<float>(q.Get(0, 0)), static_cast<float>(q.Get(1, 0)),
             static_cast<float>(q.Get(2, 0))};
    }
}

void CObject3D::SetNormalMode(int mode) {
    m_normalMode = mode;
    m_dirty = 1;
}

int CObject3D::TextureName() {
    if (m_textureMode == -1)
        return -1;
    if (m_textureMode != 1)
        ++m_textureUses;
    return m_textureSlot;
}

int CObject3D::PointCount() const {
    return std::clamp(nbpts, 0, static_cast<int>(m_vertices.size()));
}

int CObject3D::IndexCount() const {
    return std::clamp(nbindex, 0, static_cast<int>(m_index.size()));
}

void CObject3D::ComputeLocalBounds() {
    m_o_max_xyz = {-1e10f, -1e10f, -1e10f};
    m_o_min_xyz = {1e10f, 1e10f, 1e10f};
    const int n = PointCount();
    for (int i = 0; i < n; ++i) {
        const Vec3 &v = m_vertices[i];
        const Vec3 p{v.x * echelle.x + translation.x, v.y * echelle.y + translation.y,
                     v.z * echelle.z + translation.z};
        m_o_max_xyz = {std::max(m_o_max_xyz.x, p.x), std::max(m_o_max_xyz.y, p.y),
                       std::max(m_o_max_xyz.z, p.z)};
        m_o_min_xyz = {std::min(m_o_min_xyz.x, p.x), std::min(m_o_min_xyz.y, p.y),
                       std::min(m_o_min_xyz.z, p.z)};
    }
}

} // namespace ventrel
