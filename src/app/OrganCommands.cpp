// The organ and chest file commands: open, add, save and concatenate chests.
#include "VentrelView.h"

#include "Document.h"
#include "ViewHost.h"

#include "chest/OrganFile.h"
#include "dialogs/ChestPositionDialog.h"
#include "fabrication/CutList.h"
#include "organ3d/Organ3D.h"
#include "platform/AtomicFile.h"
#include "platform/Ui.h"

namespace ventrel {

void CVentrelView::OpenChest() {
    if (!AskFileName("Fichiers de tuyaux (*.dat)|*.dat;|", "Load WindChest"))
        return;
    OpenChestFile(m_folder.In(g_fileName));
}

bool CVentrelView::OpenChestFile(const std::filesystem::path &path) {
    const DocumentFile file = DocumentFile::At(path);
    g_fileName = file.name;
    m_folder = file.folder;
    EnsureChests();
    CWindchest &chest = (*g_chests)[0];
    if (!Guarded([&] { return ventrel::OpenChest(chest, file, g_valves, m_ui).read; }))
        return false;
    ForgetFindings();
    NewScene();
    m_freeItems.clear();
    g_pipeBoards.reset();
    g_currentChest = &chest;
    m_circleChest.reset();
    m_host.SetTitle(path.string());
    g_chests->count = 1;
    m_chestFolders[0] = m_folder.input;
    WriteCommande(chest, g_fileName, m_folder, m_ui);
    BuildScene(*g_scene, OrganFile{}, *g_chests, m_ui);
    FinishScene();
    g_scene->m_translateStep = 10.0f;
    g_scene->m_display3D = false;
    if (m_inspector)
        m_inspector->Fill();
    m_host.DocumentOpened(path);
    Repaint();
    // An empty drawing alone would not say that the file gave nothing.
    if (chest.StopCount() == 0)
        m_ui.MessageBox(file.name + ": no stop was read from this file; Chest > Check Chest shows "
                                    "where the reading stopped");
    return true;
}

void CVentrelView::AddChest() {
    if (!AskFileName("chest file (*.dat)|*.dat;|", "Load windchest"))
        return;
    EnsureChests();
    if (g_chests->Full()) {
        m_ui.MessageBox(Format("The organ already holds %d chests: %s is not added",
                               ChestTable::kMaxChests, g_fileName.c_str()));
        return;
    }
    const int i = g_chests->count;
    CWindchest &chest = (*g_chests)[i];
    if (!m_inspector)
        ShowChestPositions();
    if (!Guarded([&] { return ReadChest(chest, {g_fileName, m_folder}, m_ui); }))
        return;
    g_currentChest = &chest;
    m_circleChest.reset();
    g_chests->count = i + 1;
    m_chestFolders[static_cast<size_t>(i)] = m_folder.input;
    chest.Layout();
    if (g_scene->HasRoom(ObjectCount3D(chest)))
        Build3D(chest, *g_scene);
    else
        m_ui.MessageBox(Format("The 3D scene is full: %s is not shown in 3D", g_fileName.c_str()));
    FinishScene();
    g_scene->m_translateStep = 10.0f;
    g_scene->m_display3D = true;
    if (m_inspector)
        m_inspector->Fill();
    Repaint();
}

void CVentrelView::OpenOrgan() {
    if (!AskFileName("Fichiers d'Orgue complet (*.org)|*.org;|", "Load Organ"))
        return;
    OpenOrganFile(m_folder.In(g_fileName));
}

bool CVentrelView::OpenOrganFile(const std::filesystem::path &path) {
    const DocumentFile file = DocumentFile::At(path);
    g_fileName = file.name;
    m_folder = file.folder;
    // The chests are read into the records of the table, which keep their settings; the view
    // never points into anything the load frees.
    EnsureChests();
    OrganFile organ;
    if (!ventrel::OpenOrgan(file, organ, *g_chests, m_ui))
        return false;
    ForgetFindings();
    m_host.SetTitle(path.string());
    m_freeItems.clear();
    for (const OrganFile::Item &item : organ.items)
        if (item.kind != OrganFile::Kind::Chest)
            m_freeItems.push_back(item);
    for (auto &folder : m_chestFolders)
        folder = m_folder.input;
    g_currentChest = &(*g_chests)[0];
    g_pipeBoards.reset();
    m_circleChest.reset();
    NewScene();
    BuildScene(*g_scene, organ, *g_chests, m_ui);
    FinishScene();
    g_scene->m_translateStep = 30.0f;
    g_scene->m_display3D = true;
    if (m_inspector)
        m_inspector->Open();
    m_host.DocumentOpened(path);
    Repaint();
    return true;
}

void CVentrelView::SaveOrgan() {
    if (g_fileName.empty()) {
        m_ui.MessageBox("File Name NULL");
        return;
    }
    // Cancel keeps the file as it is.
    if (m_ui.MessageBox(Format("Chest :%s will be saved as .org file", g_fileName.c_str()), "",
                        MessageButtons::OkCancel) == MessageAnswer::Cancel)
        return;
    EnsureChests();
    WriteOrganFile(*g_chests, g_fileName, m_folder, m_ui, m_freeItems);
}

void CVentrelView::SaveOrganAs() {
    if (!AskFileName("Fichiers de tuyaux (*.org)|*.org;|", "Save Organ as ?"))
        return;
    EnsureChests();
    WriteOrganFile(*g_chests, g_fileName, m_folder, m_ui, m_freeItems);
}

void CVentrelView::SaveAllChests() {
    if (!AskFileName("Fichiers de tuyaux (*.dat)|*.dat;|", "Save Organ as ?"))
        return;
    // Every chest is read before the output is written, so that choosing one of them as the
    // output loses nothing; the output replaces its target only once complete.
    std::string all;
    for (int i = 0; i < ChestCount(); ++i) {
        const std::string &name = (*g_chests)[i].m_file_name;
        std::string bytes;
        if (!ReadInputFile(m_chestFolders[static_cast<size_t>(i)] / name, bytes, m_ui))
            return;
        all += bytes;
    }
    std::string error;
    if (!WriteFileAtomically(m_folder.Out(g_fileName), all, &error))
        m_ui.MessageBox(Format("Cannot write %s: %s", g_fileName.c_str(), error.c_str()));
}

} // namespace ventrel
