// The side-file commands: stop, circle and wooden-pipe files, the plate export, the pipe texture.
#include "VentrelView.h"

#include "ViewHost.h"

#include "chest/StopFile.h"
#include "fabrication/CircleDxf.h"
#include "fabrication/CutList.h"
#include "fabrication/PlateExport.h"
#include "organ3d/Organ3D.h"
#include "platform/FatalInputError.h"
#include "platform/Ui.h"

namespace ventrel {
namespace {

// The chosen file's text; false with the reader's message when it cannot be opened.
bool ReadChosen(const WorkFolder &folder, const std::string &name, std::string &text, Ui &ui) {
    if (ReadWholeFile(folder.In(name), text))
        return true;
    ui.MessageBox(Format("FICHIER %s ABSENT\n", name.c_str()));
    return false;
}

} // namespace

void CVentrelView::ExportDxf() {
    if (!g_currentChest)
        return;
    ventrel::ExportDxf(*g_currentChest, g_fileName, m_folder, m_ui);
}

void CVentrelView::OpenStop() {
    if (!AskFileName("Fichiers de tuyaux (*.stop)|*.stop;|", "Load WindChest"))
        return;
    std::string text;
    if (!ReadChosen(m_folder, g_fileName, text, m_ui))
        return;
    EnsureChests();
    CWindchest &chest = (*g_chests)[0];
    g_currentChest = &chest;
    m_circleChest.reset();
    auto copy = std::make_unique<CWindchest>(chest);
    try {
        if (!ReadStopFile(*copy, text, m_ui))
            return;
    } catch (const FatalInputError &error) {
        m_ui.MessageBox(Format("%s: %s", g_fileName.c_str(), error.what()));
        return;
    }
    chest = *copy;
    if (g_chests->count == 0) {
        g_chests->count = 1;
        m_chestFolders[0] = m_folder.input;
    }
    ventrel::Refresh(chest, g_fileName, m_folder, g_valves, m_ui);
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
    std::string text;
    if (!ReadChosen(m_folder, g_fileName, text, m_ui))
        return;
    auto chest = std::make_unique<CWindchest>();
    try {
        chest->ReadCircles(text, m_ui);
    } catch (const FatalInputError &error) {
        m_ui.MessageBox(Format("%s: %s", g_fileName.c_str(), error.what()));
        return;
    }
    WriteCirclesDxf(*chest, g_fileName, m_folder, m_ui);
    m_circleChest = std::move(chest);
    g_currentChest = m_circleChest.get();
    Repaint();
}

void CVentrelView::OpenPipe() {
    if (!AskFileName("Fichiers de tuyaux (*.pipe)|*.pipe;|", "Load Pipe Dimensions"))
        return;
    std::string text;
    if (!ReadChosen(m_folder, g_fileName, text, m_ui))
        return;
    auto boards = std::make_unique<PipeBoards>();
    try {
        boards->Read(text, m_ui);
    } catch (const FatalInputError &error) {
        m_ui.MessageBox(Format("%s: %s", g_fileName.c_str(), error.what()));
        return;
    }
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
