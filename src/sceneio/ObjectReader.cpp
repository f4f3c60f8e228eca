// The field readers shared by the VRML 1.0 and 2.0 object readers.
#include "sceneio/ObjectReader.h"

#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/SceneLimits.h"

#include <algorithm>

namespace ventrel {

namespace {

constexpr double kDegreesPerRadian = 180 / 3.14159265358979;

bool IsClose(std::string_view word) {
    return word.size() == 1 && word[0] == ']';
}

} // namespace

std::vector<Vec3> TriplesOf(const std::vector<float> &numbers, int count) {
    std::vector<Vec3> points(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        points[i] = {numbers[3 * i], numbers[3 * i + 1], numbers[3 * i + 2]};
    return points;
}

Vec3 ObjectReader::Triple() {
    const float x = Number();
    const float y = Number();
    return {x, y, Number()};
}

void ObjectReader::SetName(std::string_view name) {
    object.m_name.assign(name);
    named = true;
}

void ObjectReader::Overflow(const char *what, int limit) {
    lib.Session().ReportOnce(
        what, Format("The scene file %s holds more than %d %s in one object; the rest of them is "
                     "left out.",
                     lib.FileName().filename().string().c_str(), limit, what));
}

int ObjectReader::ReadNumbers(int group, int limitGroups, const char *what) {
    std::vector<float> &numbers = lib.Session().numbers;
    numbers.clear();
    const std::size_t limit = static_cast<std::size_t>(limitGroups) * group;
    bool full = false;
    for (;;) {
        float value;
        if (!lib.NextFloat(value)) {
            const std::string_view word = Next();
            if (word.empty() || IsClose(word))
                break;
            value = V_Lib::ToFloat(word);
        }
        if (numbers.size() < limit)
            numbers.push_back(value);
        else
            full = true;
    }
    if (full)
        Overflow(what, limitGroups);
    return static_cast<int>(numbers.size()) / group;
}

int ObjectReader::ReadIntegers(const char *what) {
    std::vector<int> &indexes = lib.Session().indexes;
    indexes.clear();
    bool full = false;
    for (;;) {
        long value;
        if (!lib.NextLong(value)) {
            const std::string_view word = Next();
            if (word.empty() || IsClose(word))
                break;
            value = V_Lib::ToLong(word);
        }
        if (indexes.size() < static_cast<std::size_t>(kSceneIndexScratch))
            indexes.push_back(
                static_cast<int>(std::clamp<long>(value, -2147483647L - 1, 2147483647L)));
        else
            full = true;
    }
    if (full)
        Overflow(what, kSceneIndexScratch);
    return static_cast<int>(indexes.size());
}

void ObjectReader::ReadIntegersInto(std::vector<int> &list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        long value;
        if (!lib.NextLong(value)) {
            const std::string_view word = Next();
            if (word.empty() || IsClose(word))
                return;
            value = V_Lib::ToLong(word);
        }
        list[i] = static_cast<int>(std::clamp<long>(value, -2147483647L - 1, 2147483647L));
    }
}

void ObjectReader::ReadColourList(std::vector<Vec3> &attribute) {
    const std::string_view word = Next();
    if (word == "[") {
        const int count = ReadNumbers(3, kScenePointScratch, "colours");
        attribute = TriplesOf(lib.Session().numbers, count);
    } else {
        const float r = V_Lib::ToFloat(word);
        const float g = Number();
        attribute = {Vec3{r, g, Number()}};
    }
    colourCount = static_cast<int>(attribute.size());
    object.nbmaterial = std::max(object.nbmaterial, colourCount);
}

void ObjectReader::ReadNumberList(std::vector<float> &attribute) {
    const std::string_view word = Next();
    if (word != "[") {
        attribute = {V_Lib::ToFloat(word)};
        return;
    }
    const int count = ReadNumbers(1, kScenePointScratch, "numbers");
    const std::vector<float> &numbers = lib.Session().numbers;
    attribute.assign(numbers.begin(), numbers.begin() + count);
}

bool ObjectReader::LightCheck(std::string_view word) {
    int type = 0;
    if (word == "PointLight")
        type = 1;
    else if (word == "DirectionalLight")
        type = 2;
    else if (word == "SpotLight")
        type = 3;
    else
        return false;
    if (!Expect("{"))
        return true;
    CSceneLight light;
    light.type = type;
    for (;;) {
        const std::string_view field = Next();
        if (field.empty() || field == "}")
            break;
        if (field == "intensity")
            light.intensity = Number();
        else if (field == "color")
            light.color = Triple();
        else if (field == "location")
            light.location = Triple();
        else if (field == "direction")
            light.direction = Triple();
        else if (field == "on")
            light.on = static_cast<int>(V_Lib::ToLong(Next()));
    }
    scene.AddLight(light);
    return true;
}

void ObjectReader::ReadMaterial(bool vrml2) {
    lib.m_commentSwitch = 1;
    if (Expect("{")) {
        for (;;) {
            const std::string_view field = Next();
            if (field.empty() || field == "}")
                break;
            if (field == "ambientColor")
                ReadColourList(object.T_ambientColor);
            else if (field == "diffuseColor")
                ReadColourList(object.T_diffuseColor);
            else if (field == "specularColor")
                ReadColourList(object.T_specularColor);
            else if (field == "emissiveColor")
                ReadColourList(object.T_emissive);
            else if (field == "shininess")
                ReadNumberList(object.T_shininess);
            else if (vrml2 && field == "ambientIntensity")
                ReadNumberList(object.T_ambientIntensity);
            else if (field == "transparency") {
                object.m_transparency = Number();
                if (object.m_transparency > 0)
                    object.m_texAlpha = true;
            }
        }
    }
    lib.m_commentSwitch = 0;
}

bool ObjectReader::ReadCoordinate() {
    if (pointsRead)
        return false;
    if (!Expect("{"))
        return true;
    std::string_view word = Next();
    if (!word.empty() && word.front() == '#') {
        lib.SkipLine();
        word = Next();
    }
    if (word != "point" || !Expect("["))
        return true;
    const int count = ReadNumbers(3, kScenePointScratch, "points");
    object.m_vertices = TriplesOf(lib.Session().numbers, count);
    object.nbpts = count;
    pointsRead = true;
    return true;
}

bool ObjectReader::ReadCoordIndex() {
    if (indexesRead)
        return false;
    if (!Expect("["))
        return true;
    const int count = ReadIntegers("face index entries");
    const std::vector<int> &indexes = lib.Session().indexes;
    object.m_index.assign(indexes.begin(), indexes.begin() + count);
    object.nbindex = count;
    object.nbface = static_cast<int>(std::count(object.m_index.begin(), object.m_index.end(), -1));
    indexesRead = true;
    return true;
}

bool ObjectReader::ReadNormal() {
    if (!Expect("{") || !Expect("vector") || !Expect("["))
        return false;
    const int count = ReadNumbers(3, kScenePointScratch, "normals");
    object.m_normales = TriplesOf(lib.Session().numbers, count);
    object.nbnormal = count;
    return true;
}

bool ObjectReader::ReadNormalIndex() {
    if (!Expect("["))
        return false;
    std::vector<int> list(static_cast<std::size_t>(std::max(object.nbindex, 0)), -1);
    ReadIntegersInto(list);
    object.m_normalindex = std::move(list);
    return true;
}

void ObjectReader::ReadMaterialIndex(bool clampToColours) {
    if (!Expect("["))
        return;
    std::vector<int> list(static_cast<std::size_t>(std::max(object.nbface, 0)), 0);
    ReadIntegersInto(list);
    if (clampToColours)
        for (int &value : list)
            if (value >= colourCount)
                value = 0;
    object.m_faceMaterial = std::move(list);
}

void ObjectReader::LoadTexture(std::string_view quoted) {
    const std::string_view name = V_Lib::QuotedName(quoted);
    if (name.empty())
        return;
    object.m_textureFile = lib.Resolve(name);
    object.AttachTexture(scene);
}

void ObjectReader::ReadTexture2() {
    if (!Expect("{") || !Expect("filename"))
        return;
    LoadTexture(Next());
}

void ObjectReader::ReadTexCoords() {
    if (!Expect("{") || !Expect("point") || !Expect("["))
        return;
    const int count = ReadNumbers(2, kScenePairScratch, "texture coordinates");
    const std::vector<float> &numbers = lib.Session().numbers;
    object.m_texvertex.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        object.m_texvertex[i] = {numbers[2 * i], numbers[2 * i + 1]};
    object.m_texvertex.shrink_to_fit();
    object.nbtexvertex = count;
}

void ObjectReader::ReadTexCoordIndex() {
    if (!Expect("["))
        return;
    std::vector<int> list(static_cast<std::size_t>(std::max(object.nbindex, 0)), -1);
    ReadIntegersInto(list);
    object.m_texindex = std::move(list);
}

void ObjectReader::ReadMatrixTransform() {
    if (!Expect("{") || !Expect("matrix"))
        return;
    for (float &value : object.m_matrix)
        value = Number();
    if (Expect("}"))
        object.m_hasMatrix = true;
}

void ObjectReader::ReadTranslation() {
    if (Expect("{") && Expect("translation"))
        object.translation = Triple();
}

void ObjectReader::ReadRotation() {
    if (!Expect("{") || !Expect("rotation"))
        return;
    object.rotation = Triple();
    object.angle = static_cast<float>(Number() * kDegreesPerRadian);
}

void ObjectReader::ReadScale() {
    if (Expect("{") && Expect("scaleFactor"))
        object.echelle = Triple();
}

} // namespace ventrel
