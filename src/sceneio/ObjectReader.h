// The field readers that the VRML 1.0 and 2.0 object readers share, with one object's state.
#pragma once

#include "render/CObject3D.h"
#include "sceneio/V_Lib.h"

#include <string_view>
#include <vector>

namespace ventrel {

class Scene;

// Reads the fields of one object from the words of a V_Lib. Each field reader takes the words
// after its keyword; a word out of order ends its step quietly. Those that can end the file's
// reading return false ("stop reading").
class ObjectReader {
public:
    ObjectReader(Scene &into, V_Lib &reading, CObject3D &filled)
        : scene(into), lib(reading), object(filled) {}

    Scene &scene;
    V_Lib &lib;
    CObject3D &object;
    bool named = false;
    bool pointsRead = false;
    bool indexesRead = false;
    bool shape = false;
    // Colours in the last colour list read (materialIndex compares against it).
    int colourCount = 0;
    // Set when a DEF step of this call returned 1: a stop then lets reading go on.
    bool defGaveOne = false;

    std::string_view Next() { return lib.Next(); }
    bool Expect(std::string_view word) { return Next() == word; }
    float Number() {
        float value;
        return lib.NextFloat(value) ? value : V_Lib::ToFloat(Next());
    }
    Vec3 Triple();
    void SetName(std::string_view name);

    // The lights: returns true when word names one (it is then read into the scene).
    bool LightCheck(std::string_view word);
    // "Material": the fields up to "}" (ambientIntensity only in VRML 2.0).
    void ReadMaterial(bool vrml2);
    // Points after "Coordinate3" / "Coordinate"; false when points were already read.
    bool ReadCoordinate();
    // After "coordIndex"; false when indexes were already read.
    bool ReadCoordIndex();
    // After "Normal"; false when the words are not "{ vector [".
    bool ReadNormal();
    // After "normalIndex"; false without "[".
    bool ReadNormalIndex();
    // After "materialIndex"; VRML 1.0 replaces values not below the colour count by 0.
    void ReadMaterialIndex(bool clampToColours);
    // After "Texture2".
    void ReadTexture2();
    // Texture coordinate pairs after "TextureCoordinate2" and the like.
    void ReadTexCoords();
    // After "textureCoordIndex".
    void ReadTexCoordIndex();
    // Loads the texture named by a (quoted) word.
    void LoadTexture(std::string_view quoted);
    // The VRML 1.0 transform nodes after their keyword.
    void ReadMatrixTransform();
    void ReadTranslation();
    void ReadRotation();
    void ReadScale();

private:
    // Numbers until "]" (or the end of the text) into the number scratch, grouped by `group`;
    // returns the number of whole groups kept.
    int ReadNumbers(int group, int limitGroups, const char *what);
    // Integers until "]" into the index scratch; returns how many.
    int ReadIntegers(const char *what);
    // Integers until "]" or until `list` is full.
    void ReadIntegersInto(std::vector<int> &list);
    void ReadColourList(std::vector<Vec3> &attribute);
    void ReadNumberList(std::vector<float> &attribute);
    void Overflow(const char *what, int limit);
};

// Triples of the number scratch as points.
std::vector<Vec3> TriplesOf(const std::vector<float> &numbers, int count);

} // namespace ventrel
