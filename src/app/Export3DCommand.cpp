// "Export 3D...": the 3D scene of the organ (and its scenery) written for architects' programs.
#include "app/VentrelView.h"

#include "app/Export3DFile.h"
#include "export3d/Export3D.h"
#include "platform/Ui.h"
#include "render/Scene.h"

namespace ventrel {

void CVentrelView::Export3D() {
    if (!g_scene || g_scene->m_nbobject <= 0) {
        m_ui.MessageBox("There is no 3D scene to export: open an organ or a chest first.");
        return;
    }
    // The scene found its textures in the folder of its files, before the dialog chooses another.
    const std::filesystem::path textureFolder = m_folder.input;
    int type = 0;
    const auto chosen = m_ui.AskFileNameAndType(kExport3DFilter, "Export 3D", type);
    if (!chosen)
        return;
    const std::filesystem::path target = WithExport3DExtension(*chosen, type);
    Export3DSummary summary;
    if (ExportScene3D(*g_scene, target, textureFolder, m_ui, &summary))
        m_ui.StatusMessage(
            Format("%s: %d objects written", target.filename().string().c_str(), summary.objects));
}

} // namespace ventrel
