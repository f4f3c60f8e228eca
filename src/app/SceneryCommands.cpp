// "Import Scenery...": scene files (VRML, text meshes, footprints, terrain grids) around the organ.
#include "app/VentrelView.h"

#include "platform/Ui.h"
#include "sceneio/SceneImport.h"

namespace ventrel {

namespace {

// The entries of the dialog's "Files of type": the first and the last let the file tell its kind.
constexpr const char *kSceneryFilter =
    "Scenery (*.wrl *.x *.txt)|*.wrl;*.x;*.txt|VRML (*.wrl)|*.wrl|Text mesh (*.x)|*.x|"
    "Footprints (*.txt)|*.txt|Terrain grid (*.txt)|*.txt|All files (*)|*|";

// Files above this size show a progress bar with Cancel while they are read.
constexpr std::uint64_t kProgressFrom = 4u << 20;

std::optional<SceneKind> KindOfType(int type) {
    switch (type) {
    case 1:
        return SceneKind::Vrml;
    case 2:
        return SceneKind::Mesh;
    case 3:
        return SceneKind::Footprint;
    case 4:
        return SceneKind::Terrain;
    default:
        return std::nullopt;
    }
}

} // namespace

void CVentrelView::ImportScenery() {
    int type = 0;
    const auto path = m_ui.AskFileNameAndType(kSceneryFilter, "Import Scenery", type);
    if (!path)
        return;
    ImportSceneryFile(*path, type);
}

bool CVentrelView::ImportSceneryFile(const std::filesystem::path &path, int type) {
    if (!g_scene)
        NewScene();
    SceneImportOptions options;
    options.kind = KindOfType(type);
    const std::string text = "Import " + path.filename().string();
    options.progress = [this, &text](std::size_t done, std::size_t total) {
        return total < kProgressFrom || m_ui.Progress(text, done, total);
    };
    const SceneImportResult result = ImportScene(*g_scene, path, &m_ui, options);
    m_ui.EndProgress();
    if (!result.read)
        return false;
    FinishScene();
    g_scene->m_display3D = true;
    Repaint();
    return true;
}

} // namespace ventrel
