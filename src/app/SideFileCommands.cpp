// The side-file commands: stop, circle and wooden-pipe files, the plate export, the pipe texture.
#include "VentrelView.h"

#include "Document.h"
#include "ViewHost.h"

#include "fabrication/CircleDxf.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "organ3d/Organ3D.h"
#include "platform/Ui.h"

namespace ventrel {

void CVentrelView::ExportDxf() {
    if (!g_currentChest)
        return;
    if (m_exportForCam)
        ExportChest(*g_currentChest, {g_fileName, m_folder}, m_ui, true);
    else
        ventrel::ExportDxf(*g_currentChest, g_fileName, m_folder, m_ui);
}

void CVentrelView::ToggleExportForCam() {
    m_exportForCam = !m_exportForCam;
    m_host.ExportForCamChanged(m_exportForCam);
}

void CVentrelView::OpenStop() {
    if (!AskFileName("Fichiers de tuyaux (*.stop)|*.stop;|", "Load WindChest"))
        return;
    EnsureChests();
    CWindchest &chest = (*g_chests)[0];
    if (!Guarded([&] {
            return ventrel::OpenStop(chest, {g_fileName, m_folder}, g_valves, m_ui).read;
        }))
        return;
    ForgetFindings();
    // The stop chest is shown; the organ's chest count stays as it was.
    g_currentChest = &chest;
    m_circleChest.reset();
    WriteCommande(chest, g_fileName, m_folder, m_ui);
    NewScene();
    if (g_scene->HasRoom(ObjectCount3D(chest)))
        ventrel::Build3D(chest, *g_scene);
    FinishScene();
    g_scene->m_translateStep = 10.0f;
    g_scene->m_display3D = false;
    Repaint();
}

void CVentrelView::OpenCircles() {
    if (!AskFileName("Fichiers de tuyaux (*.cir)|*.cir;|", "Load X Y R CIRCLES"))
        return;
    std::unique_ptr<CWindchest> chest;
    if (!Guarded([&] {
            return (chest = ventrel::OpenCircles({g_fileName, m_folder}, m_ui)) != nullptr;
        }))
        return;
    WriteCirclesDxf(*chest, g_fileName, m_folder, m_ui);
    m_circleChest = std::move(chest);
    g_currentChest = m_circleChest.get();
    Repaint();
}

void CVentrelView::OpenPipe() {
    if (!AskFileName("Fichiers de tuyaux (*.pipe)|*.pipe;|", "Load Pipe Dimensions"))
        return;
    std::unique_ptr<PipeBoards> boards;
    if (!Guarded([&] {
            return (boards = OpenPipeBoards({g_fileName, m_folder}, m_ui)) != nullptr;
        }))
        return;
    g_pipeBoards = std::move(boards);
    Repaint();
}

void CVentrelView::ChooseTexture() {
    if (!AskFileName("Fichiers de tuyaux (*.jpg)|*.jpg;|", "File to load"))
        return;
    // The whole path: the scene looks a bare name up among the default textures.
    g_pipeTexture = m_folder.In(g_fileName).string();
    Rebuild3D(false, false);
}

} // namespace ventrel
