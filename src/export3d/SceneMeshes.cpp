// Flattening the scene's objects into placed, triangulated meshes with one material per part.
#include "export3d/SceneMeshes.h"

#include "render/CObject3D.h"
#include "render/CornerSource.h"
#include "render/FaceSender.h"
#include "render/FaceWalk.h"
#include "render/Placement.h"
#include "render/Scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

namespace ventrel {

std::size_t MeshObject::TriangleCount() const {
    std::size_t n = 0;
    for (const MeshPart &part : parts)
        n += part.corners.size() / 3;
    return n;
}

namespace {

bool Finite(Vec3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

Vec3 Minus(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 CrossOf(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The unit vector along v; false (v unchanged) when v has no length or is not finite.
bool ToUnit(Vec3 &v) {
    const double length = std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
    if (!(length > 1e-30) || !std::isfinite(length))
        return false;
    v = {float(v.x / length), float(v.y / length), float(v.z / length)};
    return true;
}

float Clamped(float v, float low, float high) {
    return v >= low ? std::min(v, high) : low; // NaN becomes `low`
}

Vec3 Clamped(Vec3 c) {
    return {Clamped(c.x, 0, 1), Clamped(c.y, 0, 1), Clamped(c.z, 0, 1)};
}

// The view's texture matrix (translations, the scaling and the turn, in the order the scene sets
// them) as u' = a·u + b·v + c, v' = d·u + e·v + f.
struct TextureTransform {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;

    static TextureTransform Of(const CObject3D &o) {
        TextureTransform t;
        if (!o.m_texTransform)
            return t;
        if (o.m_texTranslate)
            t.Then(1, 0, o.m_texOffset.x, 0, 1, o.m_texOffset.y);
        if (o.m_texTranslate2)
            t.Then(1, 0, o.m_texOffset2.x, 0, 1, o.m_texOffset2.y);
        if (o.m_texScale) {
            // Two scalings, by (t, s) then by (s, t), as the view applies them.
            const double s = o.m_texScaleST.x, tt = o.m_texScaleST.y;
            t.Then(tt, 0, 0, 0, s, 0);
            t.Then(s, 0, 0, 0, tt, 0);
        }
        if (o.m_texRotate) {
            const double r = o.m_texAngle * 3.14159265358979323846 / 180.0;
            t.Then(std::cos(r), -std::sin(r), 0, std::sin(r), std::cos(r), 0);
        }
        return t;
    }
    // this = this × other, as each OpenGL operation multiplies on the right.
    void Then(double oa, double ob, double oc, double od, double oe, double of) {
        const TextureTransform m = *this;
        a = m.a * oa + m.b * od;
        b = m.a * ob + m.b * oe;
        c = m.a * oc + m.b * of + m.c;
        d = m.d * oa + m.e * od;
        e = m.d * ob + m.e * oe;
        f = m.d * oc + m.e * of + m.f;
    }
    Vec2 Apply(Vec2 p) const {
        return {float(a * p.x + b * p.y + c), float(d * p.x + e * p.y + f)};
    }
};

// The texture slot the view binds for the object, or -1.
int TextureSlotOf(const Scene &scene, const CObject3D &o, const CornerSource &source) {
    const int slot = o.m_textureMode == -1 ? -1 : o.m_textureSlot;
    if (slot < 0 || slot >= static_cast<int>(scene.m_textures.size()) || !source.textured)
        return -1;
    const SceneTexture *texture = scene.m_textures[slot].get();
    return texture && texture->IsValid() ? slot : -1;
}

class Collector {
public:
    explicit Collector(Scene &scene) : m_scene(scene) {}

    void Add(CObject3D &o) {
        if (o.m_lit)
            o.L_BuildNormals(m_scene.m_ui);
        const CornerSource source(o);
        const Placement placement = Placement::InScene(o);
        const int slot = TextureSlotOf(m_scene, o, source);
        const TextureTransform texture = TextureTransform::Of(o);
        const float vFactor = static_cast<float>(o.m_texVFactor);

        MeshObject mesh;
        mesh.name = o.m_name;
        m_shared.assign(source.points, {});
        std::map<int, size_t> partOfMaterial;
        std::map<int, int> materialOfIndex;
        std::vector<Vec3> placed(source.points);
        for (int p = 0; p < source.points; ++p)
            placed[p] = Scaled(placement.Point(o.m_vertices[p]));

        ForEachFace(o.m_index, source.count, [&](int first, int end, int k) {
            if (!source.Drawn(first, end))
                return;
            for (int c = first; c < end; ++c)
                if (!Finite(placed[o.m_index[c]]))
                    return;
            const Vec3 flat = FlatNormal(placed, o.m_index, first, end, placement.Mirrors());
            const Vec3 *faceNormal = source.FaceNormal(first);
            std::vector<std::uint32_t> corners;
            corners.reserve(end - first);
            for (int c = first; c < end; ++c) {
                // Where the normal comes from: a normal of the object (its kind and number), or
                // the flat normal of this face.
                const Vec3 *given = source.PerCornerNormals() ? source.Normal(c) : faceNormal;
                Vec3 normal = flat;
                int normalKey = -1 - k;
                if (given) {
                    Vec3 n = placement.Normal(*given);
                    if (ToUnit(n)) {
                        normal = n;
                        normalKey = static_cast<int>(given - NormalBase(o, source));
                    }
                }
                Vec2 uv;
                int uvKey = -1;
                if (slot >= 0)
                    if (const Vec2 *t = source.TexCoord(c)) {
                        uv = texture.Apply({t->x, vFactor * t->y});
                        if (!std::isfinite(uv.x) || !std::isfinite(uv.y))
                            uv = {};
                        uvKey = o.m_texindex[c];
                    }
                corners.push_back(
                    Corner(mesh, o.m_index[c], placed, normalKey, normal, uvKey, uv, slot >= 0));
            }
            const int m = MaterialIndexOf(o, k);
            auto [known, fresh] = materialOfIndex.emplace(m, 0);
            if (fresh)
                known->second = MaterialOf(o, m, slot);
            const int material = known->second;
            auto [found, added] = partOfMaterial.emplace(material, mesh.parts.size());
            if (added)
                mesh.parts.push_back({material, {}});
            std::vector<std::uint32_t> &triangles = mesh.parts[found->second].corners;
            // A fan from the first corner, as the view cuts a face; a mirrored placement keeps
            // the faces' sides by going round the other way.
            for (size_t c = 1; c + 1 < corners.size(); ++c) {
                triangles.push_back(corners[0]);
                triangles.push_back(corners[placement.Mirrors() ? c + 1 : c]);
                triangles.push_back(corners[placement.Mirrors() ? c : c + 1]);
            }
        });
        if (!mesh.parts.empty())
            m_meshes.objects.push_back(std::move(mesh));
    }

    SceneMeshes Take() { return std::move(m_meshes); }

private:
    // A corner already made: its normal and texture coordinate keys and its index in the mesh.
    struct Made {
        int normalKey, uvKey;
        std::uint32_t index;
    };

    static Vec3 Scaled(Vec3 v) {
        return {v.x * kMetresPerSceneUnit, v.y * kMetresPerSceneUnit, v.z * kMetresPerSceneUnit};
    }

    // The normals' array a corner's normal comes from, so that its place there tells it apart.
    static const Vec3 *NormalBase(const CObject3D &o, const CornerSource &source) {
        return source.pointNormals ? o.m_normalesPerVertex.data() : o.m_normales.data();
    }

    // The face's own normal from its placed corners (the sum of the fan's triangles), pointing
    // the way its first corners turn as the view derives it; straight up for a face of no area.
    static Vec3 FlatNormal(const std::vector<Vec3> &placed, const std::vector<int> &index,
                           int first, int end, bool mirrored) {
        Vec3 sum;
        const Vec3 origin = placed[index[first]];
        for (int c = first + 1; c + 1 < end; ++c) {
            const Vec3 n = CrossOf(Minus(placed[index[c]], origin),
                                   Minus(placed[index[c + 1]], placed[index[c]]));
            sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
        }
        if (mirrored)
            sum = {-sum.x, -sum.y, -sum.z};
        // The placed points of a mirrored object go round the other way than the view's normals
        // were derived from; turning the sum keeps it on the side those normals point to.
        return ToUnit(sum) ? sum : Vec3{0, 1, 0};
    }

    std::uint32_t Corner(MeshObject &mesh, int point, const std::vector<Vec3> &placed,
                         int normalKey, Vec3 normal, int uvKey, Vec2 uv, bool textured) {
        for (const Made &made : m_shared[point])
            if (made.normalKey == normalKey && made.uvKey == uvKey)
                return made.index;
        const auto index = static_cast<std::uint32_t>(mesh.positions.size());
        mesh.positions.push_back(placed[point]);
        mesh.normals.push_back(normal);
        if (textured)
            mesh.uvs.push_back(uv);
        m_shared[point].push_back({normalKey, uvKey, index});
        return index;
    }

    // The material face k is drawn with: -1 where the view sends none (the face keeps OpenGL's
    // default), else the object's material number, 0 for one it does not have.
    static int MaterialIndexOf(const CObject3D &o, int k) {
        if (!((o.m_materialAlways == 1 || o.m_lit) && o.m_useMaterials != 0))
            return -1;
        const int m = k < static_cast<int>(o.m_faceMaterial.size()) ? o.m_faceMaterial[k] : 0;
        return m < 0 || m >= o.nbmaterial ? 0 : m;
    }

    // The scene-wide number of the object's material m with its texture.
    int MaterialOf(const CObject3D &o, int m, int slot) {
        MeshMaterial material;
        if (m >= 0) {
            const SentMaterial sent = MaterialValues(o, m);
            material.diffuse = Clamped(sent.diffuse);
            material.ambient = Clamped(sent.ambient);
            material.specular = Clamped(sent.specular);
            material.shininess = Clamped(sent.shininess, 0, 128);
        }
        material.opacity = 1 - Clamped(o.m_transparency, 0, 1);
        if (slot >= 0) {
            const auto [found, added] =
                m_textureOfSlot.emplace(slot, static_cast<int>(m_meshes.textureSlots.size()));
            if (added)
                m_meshes.textureSlots.push_back(slot);
            material.texture = found->second;
        }
        const MaterialKey key{
            material.diffuse.x,  material.diffuse.y,  material.diffuse.z,
            material.ambient.x,  material.ambient.y,  material.ambient.z,
            material.specular.x, material.specular.y, material.specular.z,
            material.shininess,  material.opacity,    static_cast<float>(material.texture)};
        const auto [found, added] =
            m_materialOfKey.emplace(key, static_cast<int>(m_meshes.materials.size()));
        if (added)
            m_meshes.materials.push_back(material);
        return found->second;
    }

    Scene &m_scene;
    SceneMeshes m_meshes;
    std::map<int, int> m_textureOfSlot;
    using MaterialKey = std::array<float, 12>;
    std::map<MaterialKey, int> m_materialOfKey;
    std::vector<std::vector<Made>> m_shared;
};

} // namespace

SceneMeshes CollectMeshes(Scene &scene) {
    Collector collector(scene);
    const int count = std::min(scene.m_nbobject, static_cast<int>(scene.m_objects.size()));
    for (int i = 0; i < count; ++i)
        if (CObject3D *object = scene.m_objects[i].get())
            collector.Add(*object);
    return collector.Take();
}

} // namespace ventrel
