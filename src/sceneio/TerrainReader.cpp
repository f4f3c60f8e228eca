// The terrain grid reader: surveyed points column by column, made into a grid of quadrilaterals.
#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/ObjectReader.h"
#include "sceneio/SceneLimits.h"
#include "sceneio/V_Lib.h"

#include <algorithm>

namespace ventrel {

namespace {

// Material codes beyond this are refused (each one costs a colour in three lists).
constexpr long kTerrainMaterials = 1000;

const Vec3 kTerrainColours[5] = {{100, 0, 0}, {0, 100, 0}, {0, 0, 100}, {0, 100, 1}, {100, 100, 0}};

} // namespace

int V_Lib::ReadTerrainScene(Scene &scene) {
    if (!StartReading(scene, 1))
        return 0;
    std::vector<float> &numbers = Session().numbers;
    const std::string fileName = m_fileName.filename().string();
    Vec3 origin;
    float previousX = 0;
    long columns = 0, rows = 0, previousRows = -1;
    long highest = 0;
    for (;;) {
        std::string_view word = ScanWord2();
        if (word.empty())
            break;
        const float x = ToFloat(word);
        const float y = ToFloat(ScanWord2());
        const float z = ToFloat(ScanWord2());
        const long code = ToLong(ScanWord2());
        ScanWord2(); // not used
        if (Word().empty())
            break; // a record cut short by the end of the text
        const std::size_t points = numbers.size() / 3;
        if (points >= static_cast<std::size_t>(kScenePointScratch)) {
            Session().ReportOnce("points", Format("The terrain file %s holds more than %d points; "
                                                  "the rest of them is left out.",
                                                  fileName.c_str(), kScenePointScratch));
            break;
        }
        if (points == 0)
            origin = {x, y, z};
        if (points == 0 || x != previousX) {
            // A new column.
            if (columns >= 2 && rows != previousRows)
                Message("fichier inhomogene en x");
            previousRows = rows;
            rows = 0;
            ++columns;
            if (columns % 10 == 0)
                Status(Format("%ld", static_cast<long>(points)));
        }
        previousX = x;
        ++rows;
        if (code >= kTerrainMaterials || code < 0)
            Session().ReportOnce("code", Format("The terrain file %s gives material codes outside "
                                                "0 to %ld; material 0 is used for them.",
                                                fileName.c_str(), kTerrainMaterials - 1));
        else
            highest = std::max(highest, code);
        // The file's height (z) is the scene's y.
        const float p[3] = {x - origin.x, z - origin.z, y - origin.y};
        numbers.insert(numbers.end(), p, p + 3);
    }
    auto object = std::make_unique<CObject3D>();
    CObject3D &o = *object;
    const int points = static_cast<int>(numbers.size() / 3);
    o.nbpts = points;
    o.m_vertices = TriplesOf(numbers, points);
    // The last column is held to the same rule as those before it.
    if (columns >= 2 && rows != previousRows)
        Message("fichier inhomogene en x");
    if (points > 0 && points / columns != rows)
        Message("fichier inhomogene en y");
    std::vector<int> &index = o.m_index;
    if (rows > 0)
        for (long r = 0; r < points - rows - 1; ++r) {
            if ((r + 1) % rows == 0)
                continue;
            const int k = static_cast<int>(r), n = static_cast<int>(rows);
            index.insert(index.end(), {k, k + 1, k + n + 1, k + n, -1});
        }
    index.shrink_to_fit();
    o.nbindex = static_cast<int>(index.size());
    o.nbface = o.nbindex / 5;
    const int materials = static_cast<int>(highest) + 1;
    const std::size_t colours = static_cast<std::size_t>(std::max(materials, 5));
    o.T_ambientColor.assign(colours, Vec3{});
    o.T_specularColor.assign(colours, Vec3{});
    o.T_diffuseColor.assign(colours, Vec3{});
    std::copy(std::begin(kTerrainColours), std::end(kTerrainColours), o.T_diffuseColor.begin());
    o.nbmaterial = materials;
    o.ComputeLocalBounds();
    return scene.AddObject(std::move(object)) ? 1 : 0;
}

} // namespace ventrel
