// The footprint reader: building ("BAT.") and wood ("BOIS") outlines, and their walls.
#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/ObjectReader.h"
#include "sceneio/SceneLimits.h"
#include "sceneio/V_Lib.h"

#include <cctype>

namespace ventrel {

namespace {

bool StartsWithLetter(std::string_view word) {
    return !word.empty() && std::isalpha(static_cast<unsigned char>(word.front()));
}

const Vec3 kFootprintColours[5] = {{100, 0, 0}, {0, 100, 0}, {0, 0, 1}, {0, 1, 1}, {1, 1, 0}};

} // namespace

int V_Lib::ReadFootprintScene(Scene &scene) {
    if (!StartReading(scene, 2))
        return 0;
    std::vector<float> &numbers = Session().numbers;
    std::vector<int> &indexes = Session().indexes;
    std::vector<int> kinds;
    std::string_view word = ScanWord2();
    while (!word.empty()) {
        const bool wood = word == "BOIS";
        if (!wood && word != "BAT.") {
            word = ScanWord2();
            continue;
        }
        // The polygon: numbers in threes up to the next word that begins with a letter.
        const std::size_t first = numbers.size() / 3;
        float p[3];
        int n = 0;
        bool full = false;
        for (word = ScanWord2(); !word.empty() && !StartsWithLetter(word); word = ScanWord2()) {
            p[n++] = ToFloat(word);
            if (n < 3)
                continue;
            n = 0;
            if (full)
                continue;
            if (numbers.size() >= static_cast<std::size_t>(kScenePointScratch) * 3) {
                Session().ReportOnce("vertex", "***Débordement table Vertex dans parse_ign");
                full = true;
                continue;
            }
            numbers.insert(numbers.end(), p, p + 3);
        }
        const std::size_t last = numbers.size() / 3;
        kinds.push_back(wood ? 1 : 0);
        if (indexes.size() + (last - first) < static_cast<std::size_t>(kSceneIndexScratch)) {
            for (std::size_t i = first; i < last; ++i)
                indexes.push_back(static_cast<int>(i));
        } else {
            Session().ReportOnce("index", "***Débordement table Index coord dans parse_ign");
        }
        indexes.push_back(-1);
    }
    auto footprints = std::make_unique<CObject3D>();
    CObject3D &o = *footprints;
    o.nbpts = static_cast<int>(numbers.size() / 3);
    o.m_vertices = TriplesOf(numbers, o.nbpts);
    o.m_index.assign(indexes.begin(), indexes.end());
    o.nbindex = static_cast<int>(o.m_index.size());
    o.nbface = static_cast<int>(kinds.size());
    o.m_faceMaterial = std::move(kinds);
    o.T_diffuseColor.assign(std::begin(kFootprintColours), std::end(kFootprintColours));
    o.nbmaterial = 5;
    o.m_name = "IGN";
    o.ComputeLocalBounds();

    auto walls = std::make_unique<CObject3D>();
    walls->MakeExtrusion(o, {0, 0, 30});
    walls->T_diffuseColor.assign(5, Vec3{});
    walls->T_diffuseColor[0] = {100, 0, 0};
    walls->nbmaterial = 5;
    walls->ComputeLocalBounds();
    int added = 0;
    added += scene.AddObject(std::move(footprints)) ? 1 : 0;
    added += scene.AddObject(std::move(walls)) ? 1 : 0;
    return added;
}

} // namespace ventrel
