// Importing a scene file: its kind, a reading into a scene of its own, and the append.
#include "sceneio/SceneImport.h"

#include "platform/LowerCase.h"
#include "platform/Ui.h"
#include "render/Scene.h"
#include "sceneio/V_Lib.h"

#include <algorithm>

namespace ventrel {

namespace {

// A .x file that is not text (binary or compressed) cannot be read by the text mesh reader.
bool IsTextX(std::string_view text) {
    return text.size() >= 12 && text.compare(8, 4, "txt ") == 0;
}

} // namespace

std::optional<SceneKind> SceneKindFromName(std::string_view name) {
    if (name == "vrml")
        return SceneKind::Vrml;
    if (name == "mesh")
        return SceneKind::Mesh;
    if (name == "footprint")
        return SceneKind::Footprint;
    if (name == "terrain")
        return SceneKind::Terrain;
    return std::nullopt;
}

const char *SceneKindName(SceneKind kind) {
    switch (kind) {
    case SceneKind::Vrml:
        return "vrml";
    case SceneKind::Mesh:
        return "mesh";
    case SceneKind::Footprint:
        return "footprint";
    case SceneKind::Terrain:
        return "terrain";
    }
    return "vrml";
}

SceneKind GuessSceneKind(const std::filesystem::path &file, std::string_view head) {
    if (head.substr(0, 5) == "#VRML")
        return SceneKind::Vrml;
    if (head.substr(0, 4) == "xof ")
        return SceneKind::Mesh;
    const std::string extension = LowerExtension(file);
    if (extension == ".wrl")
        return SceneKind::Vrml;
    if (extension == ".x")
        return SceneKind::Mesh;
    const std::string_view start = head.substr(0, 4096);
    if (start.find("BAT.") != std::string_view::npos ||
        start.find("BOIS") != std::string_view::npos)
        return SceneKind::Footprint;
    if (extension == ".txt")
        return SceneKind::Terrain;
    return SceneKind::Vrml;
}

void AppendScene(Scene &into, Scene &from) {
    // Textures: shared by name with those already there, else moved over.
    std::vector<int> slots(from.m_textures.size(), -1);
    for (std::size_t i = 0; i < from.m_textures.size(); ++i) {
        for (std::size_t j = 0; j < into.m_textures.size(); ++j)
            if (into.m_textures[j]->fileName == from.m_textures[i]->fileName)
                slots[i] = static_cast<int>(j);
        if (slots[i] < 0) {
            into.m_textures.push_back(std::move(from.m_textures[i]));
            slots[i] = static_cast<int>(into.m_textures.size()) - 1;
            into.m_texturesLoaded = 0;
        }
    }
    from.m_textures.clear();
    for (int i = 0; i < from.m_nbobject; ++i) {
        std::unique_ptr<CObject3D> &object = from.m_objects[i];
        if (!object)
            continue;
        if (object->m_textureSlot >= 0 && object->m_textureSlot < static_cast<int>(slots.size()))
            object->m_textureSlot = slots[object->m_textureSlot];
        object->m_dirty = 1;
        if (!into.AddObject(std::move(object)))
            break;
    }
    for (int i = 0; i < from.m_nbobject; ++i)
        from.m_objects[i].reset();
    from.m_nbobject = 0;
    into.m_lights.insert(into.m_lights.end(), from.m_lights.begin(), from.m_lights.end());
    from.m_lights.clear();
    if (!from.m_script.empty())
        into.m_script = std::move(from.m_script);
}

SceneImportResult ImportScene(Scene &scene, const std::filesystem::path &file, Ui *ui,
                              const SceneImportOptions &options) {
    SceneImportResult result;
    Scene staging(ui);
    staging.m_readTexture = scene.m_readTexture;
    staging.m_capacity =
        std::max(0, std::min(scene.m_capacity, Scene::kCapacity) - scene.m_nbobject);
    staging.m_script = scene.m_script;
    V_Lib lib(ui);
    lib.Session().progress = options.progress;
    if (!lib.ReadFileIntoMemory(file, staging)) {
        if (ui)
            ui->MessageBox(Format("Cannot open the scene file %s", file.string().c_str()));
        return result;
    }
    const std::string &text = lib.Text();
    const SceneKind kind = options.kind ? *options.kind : GuessSceneKind(file, text);
    const std::string name = file.filename().string();
    if (kind == SceneKind::Mesh && text.empty()) {
        if (ui)
            ui->MessageBox(Format("File %s is empty", name.c_str()));
        return result;
    }
    if (kind == SceneKind::Mesh && text.compare(0, 4, "xof ") == 0 && !IsTextX(text)) {
        if (ui)
            ui->MessageBox(Format("File %s is a binary or compressed mesh; only text meshes are "
                                  "read",
                                  name.c_str()));
        return result;
    }
    switch (kind) {
    case SceneKind::Vrml:
        result.read = read_file(staging, lib) == 1;
        break;
    case SceneKind::Mesh:
        lib.ReadMeshScene(staging);
        result.read = true;
        break;
    case SceneKind::Footprint:
        lib.ReadFootprintScene(staging);
        result.read = true;
        break;
    case SceneKind::Terrain:
        lib.ReadTerrainScene(staging);
        result.read = true;
        break;
    }
    result.cancelled = lib.Session().cancelled;
    if (!result.read || result.cancelled) {
        result.read = false;
        return result;
    }
    result.first = scene.m_nbobject;
    AppendScene(scene, staging);
    result.added = scene.m_nbobject - result.first;
    return result;
}

} // namespace ventrel
