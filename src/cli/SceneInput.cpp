// Opening the input of the 3D commands and the scenery around it.
#include "SceneInput.h"

#include "chest/CWindchest.h"
#include "render/Scene.h"
#include "render/TextureFileReader.h"
#include "sceneio/SceneImport.h"

namespace ventrel::cli {

SceneInput::SceneInput() = default;
SceneInput::~SceneInput() = default;

void SceneInput::AddTo(CLI::App &command) {
    command
        .add_option("input", path,
                    "Organ file (.org), chest file (.dat) or scene file (.wrl, .x, .txt)")
        ->required();
    command.add_option("--scene", scenery, "Scene file shown around the input");
}

bool SceneInput::Build(Scene &scene, Ui &ui) {
    const DocumentFile input = File();
    m_table = std::make_unique<ChestTable>();
    m_unread.clear();
    scene.m_readTexture = TextureFileReader(input.folder.input, ui);
    if (input.Kind() == DocumentKind::Scene) {
        if (!ImportScene(scene, path, &ui).read)
            return false;
    } else if (!OpenDocument(input, m_organ, *m_table, ui, &m_unread) ||
               !BuildScene(scene, m_organ, *m_table, ui)) {
        return false;
    }
    for (const std::string &file : scenery)
        if (!ImportScene(scene, file, &ui).read)
            return false;
    return true;
}

bool SceneInput::SaidUnread(Ui &ui) const {
    if (m_unread.empty())
        return false;
    std::string names;
    for (const std::string &name : m_unread)
        names += (names.empty() ? "" : ", ") + name;
    ui.MessageBox(Format("%s: not read whole: %s", path.c_str(), names.c_str()));
    return true;
}

} // namespace ventrel::cli
