// The VRML 1.0 object reader: a keyword scanner that fills one object per call.
#include "render/Scene.h"
#include "sceneio/ObjectReader.h"
#include "sceneio/SceneReaders.h"

namespace ventrel {

namespace {

// DEF and its name: a named group opens a new object. Returns false when the current object ends
// here (the read position is then back on the DEF, for the next object).
bool DefStep(ObjectReader &r) {
    const V_Lib::Mark mark = r.lib.MarkAt(r.lib.Word());
    const std::string name(r.Next());
    if (name.empty())
        return false;
    const std::string_view type = r.Next();
    if (type == "IndexedFaceSet" || type == "Coordinate" || type == "TextureCoordinate")
        return true;
    if (r.named) {
        r.lib.Restore(mark);
        return false;
    }
    r.SetName(name);
    ++r.lib.m_groupCount;
    return true;
}

// An inline file is read by a V_Lib of its own into the same scene, while this object is still
// being read; this object is appended after the inline file's objects.
void ReadInline(ObjectReader &r) {
    r.Next(); // {
    r.Next(); // name
    const std::string name(V_Lib::QuotedName(r.Next()));
    if (name.empty() || !r.lib.Session().readInlines)
        return;
    V_Lib inlined(r.lib.GetUi(), &r.lib.Session());
    if (inlined.ReadFileIntoMemory(r.lib.Folder() / name, r.scene))
        read_file(r.scene, inlined);
}

} // namespace

int ReadVrml1Object(Scene &scene, V_Lib &lib, CObject3D &object) {
    ObjectReader r(scene, lib, object);
    int result = 0;
    // Where a step stops the reading altogether.
    const auto stop = [&r] { return r.defGaveOne ? 1 : 0; };
    for (;;) {
        if (lib.Word().empty())
            return result;
        const std::string_view word = lib.ScanWord();
        if (word.empty())
            return result;
        if (word.front() == '#') {
            const std::string_view marker = r.Next();
            if (marker == "end") {
                r.Next();
                r.Next();
                return 1;
            }
            if (marker == "Object") {
                const std::string_view name = r.Next();
                r.SetName(name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string_view());
            }
            continue;
        }
        if (word == "WWWInline") {
            ReadInline(r);
            continue;
        }
        if (word == "DEF") {
            if (DefStep(r)) {
                r.defGaveOne = true;
                continue;
            }
            return 1;
        }
        if (r.LightCheck(word))
            continue;
        if (word == "Material") {
            if (r.named)
                r.ReadMaterial(false);
        } else if (word == "MatrixTransform") {
            r.ReadMatrixTransform();
        } else if (word == "Translation") {
            r.ReadTranslation();
        } else if (word == "Rotation") {
            r.ReadRotation();
        } else if (word == "Scale") {
            r.ReadScale();
        } else if (word == "Coordinate3") {
            if (!r.ReadCoordinate())
                return stop();
        } else if (word == "coordIndex") {
            if (!r.ReadCoordIndex())
                return stop();
        } else if (word == "Normal") {
            if (!r.ReadNormal())
                return stop();
        } else if (word == "normalIndex") {
            if (!r.ReadNormalIndex())
                return stop();
        } else if (word == "materialIndex") {
            r.ReadMaterialIndex(true);
        } else if (word == "Texture2") {
            r.ReadTexture2();
        } else if (word == "TextureCoordinate2" || word == "TextureCoordinate") {
            r.ReadTexCoords();
        } else if (word == "textureCoordIndex") {
            r.ReadTexCoordIndex();
        }
    }
}

} // namespace ventrel
