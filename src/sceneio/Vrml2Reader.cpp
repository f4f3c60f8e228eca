// The VRML 2.0 object reader: transforms, shapes, viewpoint, animation and script lines.
#include "platform/Ui.h"
#include "render/CAnimation.h"
#include "render/CViewpoint.h"
#include "render/Scene.h"
#include "sceneio/ObjectReader.h"
#include "sceneio/SceneLimits.h"
#include "sceneio/SceneReaders.h"

namespace ventrel {

namespace {

constexpr double kDegreesPerRadian = 180 / 3.14159265358979;

void Corrupted(ObjectReader &r, const char *what) {
    r.lib.Message(Format("corrupted VRML2 input file: %s! Line #:%ld", what, r.lib.m_line));
}

// Exactly "{ loop FALSE cycleInterval T }" makes an active animation of cycle T.
void ReadTimeSensor(ObjectReader &r) {
    if (!r.Expect("{") || !r.Expect("loop") || !r.Expect("FALSE") || !r.Expect("cycleInterval"))
        return;
    const float cycle = r.Number();
    if (!r.Expect("}"))
        return;
    r.object.m_anim->cycle_interval = cycle;
    r.object.m_anim->active = true;
}

// Numbers up to "]", `group` per value, of which the first `kept` are stored.
template <typename Store> void ReadValues(ObjectReader &r, int group, Store store) {
    float value[4] = {};
    int n = 0, values = 0;
    for (;;) {
        const std::string_view word = r.Next();
        if (word.empty() || word == "]")
            return;
        value[n++] = V_Lib::ToFloat(word);
        if (n == group) {
            n = 0;
            if (values++ < kScenePointScratch)
                store(Vec3{value[0], value[1], value[2]});
        }
    }
}

void ReadInterpolator(ObjectReader &r, bool orientation) {
    CAnimation *anim = r.object.m_anim.get();
    if (!anim)
        return;
    if (!r.Expect("{") || !r.Expect("key") || !r.Expect("["))
        return;
    std::vector<float> &keys = orientation ? anim->orientation_keys : anim->position_keys;
    std::vector<Vec3> &values = orientation ? anim->orientations : anim->positions;
    keys.clear();
    values.clear();
    for (;;) {
        const std::string_view word = r.Next();
        if (word.empty() || word == "]")
            break;
        if (keys.size() < static_cast<std::size_t>(kScenePointScratch))
            keys.push_back(V_Lib::ToFloat(word));
    }
    keys.shrink_to_fit();
    if (!r.Expect("keyValue") || !r.Expect("["))
        return;
    ReadValues(r, orientation ? 4 : 3, [&values](Vec3 v) { values.push_back(v); });
    values.shrink_to_fit();
}

void ReadViewpoint(ObjectReader &r) {
    if (!r.Expect("{"))
        return;
    r.object.m_viewpoint = std::make_unique<CViewpoint>();
    for (;;) {
        const std::string_view field = r.Next();
        if (field.empty() || field == "}")
            return;
        if (field == "position") {
            r.object.m_viewpoint->position = r.Triple();
        } else if (field == "orientation") {
            r.object.m_viewpoint->orientation = r.Triple();
            r.Next(); // the angle is not kept
        }
    }
}

// DEF, its name and its node type. 0 ends the current object.
int DefStep(ObjectReader &r) {
    const V_Lib::Mark mark = r.lib.MarkAt(r.lib.Word());
    const std::string name(r.Next());
    if (name.empty())
        return 0;
    std::string_view word = r.Next();
    if (word == "TimeSensor") {
        if (!r.object.m_anim)
            r.object.m_anim = std::make_unique<CAnimation>();
        ReadTimeSensor(r);
        return 1;
    }
    if (word == "PositionInterpolator" || word == "OrientationInterpolator") {
        ReadInterpolator(r, word == "OrientationInterpolator");
        return 1;
    }
    if (word == "IndexedFaceSet" || word == "Coordinate" || word == "TextureCoordinate")
        return 1;
    if (word == "Transform") {
        if (r.named) {
            r.lib.Restore(mark);
            return 0;
        }
        r.SetName(name);
        ++r.lib.m_groupCount;
    }
    if (word == "geometry") {
        word = r.Next();
        if (word == "DEF")
            word = r.Next();
        else
            Corrupted(r, "geometry");
    }
    if (word == "Viewpoint") {
        r.SetName(name);
        ReadViewpoint(r);
        return 0;
    }
    return 1;
}

// The script line of the object: the text after "NAME " on the script's last line for its name.
void ScriptLookup(ObjectReader &r) {
    const std::string &script = r.scene.m_script;
    const std::string &name = r.object.m_name;
    if (script.empty() || name.empty())
        return;
    std::size_t line = 0;
    while (line < script.size()) {
        std::size_t end = script.find('\n', line);
        if (end == std::string::npos)
            end = script.size();
        const std::string_view text(script.data() + line, end - line);
        const std::size_t blank = text.find(' ');
        if (blank != std::string_view::npos && text.substr(0, blank) == name) {
            std::string_view rest = text.substr(blank + 1);
            const std::size_t cr = rest.find('\r');
            if (cr != std::string_view::npos)
                rest = rest.substr(0, cr);
            r.object.m_script.assign(rest);
        }
        line = end + 1;
    }
}

void ShapeStep(ObjectReader &r) {
    if (!r.named) {
        r.shape = !r.shape;
        r.lib.m_groupCount += r.shape ? 1 : -1;
    }
    ScriptLookup(r);
}

void ReadTexture(ObjectReader &r) {
    if (!r.Expect("ImageTexture") || !r.Expect("{"))
        return;
    r.Next(); // url
    const std::string_view name = r.Next();
    if (!name.empty() && name.front() == '"')
        r.LoadTexture(name);
}

void ReadTextureTransform(ObjectReader &r) {
    CObject3D &o = r.object;
    r.Next();
    for (;;) {
        const std::string_view field = r.Next();
        if (field.empty() || field == "}")
            return;
        if (field == "center") {
            const float s = r.Number();
            o.m_texCentre = {s, r.Number()};
            o.m_texCentreSet = o.m_texTransform = true;
        } else if (field == "rotation") {
            o.m_texAngle = static_cast<float>(r.Number() / 3.14159265358979 * 180);
            o.m_texRotate = o.m_texTransform = true;
        } else if (field == "translation") {
            const float s = r.Number();
            o.m_texOffset = {s, r.Number()};
            o.m_texTranslate = o.m_texTransform = true;
        } else if (field == "scale") {
            const float s = r.Number();
            o.m_texScaleST = {s, r.Number()};
            o.m_texScale = o.m_texTransform = true;
        }
    }
}

// "coord" and "texCoord" name their node, or DEF it. Returns true when the node type follows as
// the current word; false to go on with the next word.
bool NodeField(ObjectReader &r, std::string_view type) {
    const std::string_view word = r.Next();
    if (word == "DEF") {
        r.Next();
        return false;
    }
    if (word == type)
        return true;
    Corrupted(r, "coord");
    return false;
}

} // namespace

int ReadVrml2Object(Scene &scene, V_Lib &lib, CObject3D &object) {
    ObjectReader r(scene, lib, object);
    int result = 0;
    const auto finish = [&object](int value) {
        // Texture coordinates without their own index list follow the faces.
        if (object.nbtexvertex > 0 && object.m_texindex.empty())
            object.m_texindex = object.m_index;
        return value;
    };
    for (;;) {
        std::string_view word = lib.ScanWord2();
        if (word.empty())
            return finish(result);
        if (word.front() == '#' && word != "#Shape") {
            const std::string_view marker = r.Next();
            if (marker == "end") {
                r.Next();
                r.Next();
                return finish(0);
            }
            if (marker == "Object") {
                const std::string_view name = r.Next();
                r.SetName(name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string_view());
            }
            continue;
        }
        if (word == "DEF") {
            if (DefStep(r) == 0)
                return finish(1);
            result = 1;
            r.defGaveOne = true;
            word = lib.Word();
        }
        if (word == "coord") {
            if (!NodeField(r, "Coordinate"))
                continue;
            word = lib.Word();
        } else if (word == "texCoord") {
            if (!NodeField(r, "TextureCoordinate"))
                continue;
            word = lib.Word();
        }
        if (r.LightCheck(word))
            continue;
        if (word == "Material") {
            r.ReadMaterial(true);
        } else if (word == "translation") {
            const Vec3 t = r.Triple();
            if (lib.m_braceDepth == 1) {
                object.translation = t;
                lib.m_runningTranslation = t;
            } else {
                const Vec3 &run = lib.m_runningTranslation;
                object.translation = {run.x + t.x, run.y + t.y, run.z + t.z};
            }
        } else if (word == "rotation") {
            object.rotation = r.Triple();
            object.angle = static_cast<float>(r.Number() * kDegreesPerRadian);
        } else if (word == "scale") {
            object.echelle = r.Triple();
        } else if (word == "scaleOrientation") {
            object.m_scaleAxis = r.Triple();
            object.m_scaleAngle = static_cast<float>(r.Number() * kDegreesPerRadian);
        } else if (word == "Viewpoint") {
            ReadViewpoint(r);
        } else if (word == "Coordinate") {
            if (!r.ReadCoordinate())
                return finish(result);
        } else if (word == "coordIndex") {
            if (!r.ReadCoordIndex())
                return finish(result);
        } else if (word == "Normal") {
            if (!r.ReadNormal())
                return finish(result);
        } else if (word == "normalIndex") {
            if (!r.ReadNormalIndex())
                return finish(result);
        } else if (word == "materialIndex") {
            r.ReadMaterialIndex(false);
        } else if (word == "texture") {
            ReadTexture(r);
        } else if (word == "TextureCoordinate2" || word == "TextureCoordinate" ||
                   word == "TexCoord") {
            r.ReadTexCoords();
        } else if (word == "textureCoordIndex" || word == "texCoordIndex") {
            r.ReadTexCoordIndex();
        } else if (word == "textureTransform") {
            ReadTextureTransform(r);
        } else if (word == "Shape" || word == "#Shape") {
            ShapeStep(r);
        }
    }
}

} // namespace ventrel
