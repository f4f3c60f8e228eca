// The text mesh reader (DirectX-style text files): points, faces, texture name and coordinates.
#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/ObjectReader.h"
#include "sceneio/SceneLimits.h"
#include "sceneio/V_Lib.h"

#include <algorithm>

namespace ventrel {

namespace {

int ToCount(std::string_view word) {
    return static_cast<int>(std::clamp<long>(V_Lib::ToLong(word), 0, 2147483647L));
}

} // namespace

int V_Lib::ReadMeshScene(Scene &scene) {
    if (!StartReading(scene, 1))
        return 0;
    auto object = std::make_unique<CObject3D>();
    std::vector<float> &numbers = Session().numbers; // x, y, z per point
    std::vector<Vec2> &pairs = Session().pairs;
    std::vector<int> &indexes = Session().indexes;
    const std::string fileName = m_fileName.filename().string();
    bool pointsFull = false, indexesFull = false;
    const auto overflow = [&](const char *what, int limit) {
        bool &full = what[0] == 'p' ? pointsFull : indexesFull;
        if (full)
            return;
        full = true;
        Session().ReportOnce(what, Format("The scene file %s holds more than %d %s in one object; "
                                          "the rest of them is left out.",
                                          fileName.c_str(), limit, what));
    };
    std::size_t lastBase = 0;
    // Several meshes in one file go into the one object, each keeping its own points.
    for (;;) {
        std::string_view word = ScanWord2();
        if (word.empty())
            break;
        if (word == "Mesh") {
            // A mesh may be named before its brace.
            if (ScanWord2() != "{" && !Word().empty())
                ScanWord2();
            const int count = ToCount(ScanWord2());
            const int base = static_cast<int>(numbers.size() / 3);
            lastBase = static_cast<std::size_t>(base);
            for (int i = 0; i < count && !Word().empty(); ++i) {
                float p[3];
                for (float &value : p)
                    if (!NextFloat(value))
                        value = ToFloat(ScanWord2());
                if (Word().empty())
                    break;
                if (numbers.size() < static_cast<std::size_t>(kScenePointScratch) * 3)
                    numbers.insert(numbers.end(), p, p + 3);
                else
                    overflow("points", kScenePointScratch);
            }
            const int points = static_cast<int>(numbers.size() / 3);
            const int faces = ToCount(ScanWord2());
            for (int f = 0; f < faces && !Word().empty(); ++f) {
                const int corners = ToCount(ScanWord2());
                if (Word().empty())
                    break;
                if (indexes.size() + corners + 1 > static_cast<std::size_t>(kSceneIndexScratch)) {
                    overflow("face index entries", kSceneIndexScratch);
                    for (int k = 0; k < corners; ++k)
                        if (ScanWord2().empty())
                            break;
                    continue;
                }
                for (int k = 0; k < corners && !Word().empty(); ++k) {
                    long corner = 0;
                    if (!NextLong(corner))
                        corner = ToLong(ScanWord2());
                    // A corner outside this mesh's points is left out (compared before the
                    // base is added, which a huge number would overflow).
                    if (corner >= 0 && corner < points - base)
                        indexes.push_back(static_cast<int>(corner + base));
                }
                indexes.push_back(-1);
            }
        } else if (word == "TextureFilename") {
            ScanWord2();
            const std::string_view name = QuotedName(ScanWord2());
            if (!name.empty()) {
                object->m_textureFile = Resolve(name);
                object->AttachTexture(scene);
            }
        } else if (word == "MeshTextureCoords") {
            ScanWord2();
            const int count = ToCount(ScanWord2());
            // The coordinates belong to the points of the mesh read last.
            pairs.resize(lastBase, Vec2{});
            for (int i = 0; i < count && !Word().empty(); ++i) {
                const float u = ToFloat(ScanWord2());
                const float v = ToFloat(ScanWord2());
                if (Word().empty())
                    break;
                if (pairs.size() < static_cast<std::size_t>(kScenePairScratch))
                    pairs.push_back({u, v});
            }
        }
    }
    CObject3D &o = *object;
    o.nbpts = static_cast<int>(numbers.size() / 3);
    o.m_vertices = TriplesOf(numbers, o.nbpts);
    o.m_index.assign(indexes.begin(), indexes.end());
    o.nbindex = static_cast<int>(o.m_index.size());
    o.nbface = static_cast<int>(std::count(o.m_index.begin(), o.m_index.end(), -1));
    if (!pairs.empty()) {
        pairs.resize(o.nbpts, Vec2{});
        o.m_texvertex.assign(pairs.begin(), pairs.end());
        o.nbtexvertex = o.nbpts;
        o.m_texindex = o.m_index;
    }
    o.ComputeLocalBounds();
    return scene.AddObject(std::move(object)) ? 1 : 0;
}

} // namespace ventrel
