// The main view: creation, the reset and rebuild sequences, quitting, documents and file dialogs.
#include "VentrelView.h"

#include "DocumentFile.h"
#include "ViewHost.h"

#include "chest/OrganFile.h"
#include "dialogs/ChestPositionDialog.h"
#include "dialogs/LoftEditor.h"
#include "dialogs/PipePositionDialog.h"
#include "dialogs/PolylineDialog.h"
#include "organ3d/Organ3D.h"
#include "outline/L_2D_Drawing.h"
#include "platform/FatalInputError.h"
#include "platform/GlContext.h"
#include "platform/Ui.h"
#include "render/TextureFileReader.h"

namespace ventrel {

CVentrelView::CVentrelView(Ui &ui, ViewHost &host)
    : m_pedalboard(std::make_unique<CPedalboard>()), m_ui(ui), m_host(host) {
    // View creation: the palette and fonts live in the 2D drawing; the scene opens on 2D with the
    // camera steps of a new view.
    m_drawing.SetUi(&m_ui);
    m_drawing.m_magnets = &g_valves;
    m_drawing.m_fontIndex = m_fontIndex;
    NewScene();
    g_scene->m_translateStep = 0.2f;
    g_scene->m_rotateStep = 0.4f;
    g_scene->m_display3D = false;
}

CVentrelView::~CVentrelView() {
    // The loft editor's preview goes with the scene; the display lists belong to the window's
    // context.
    CloseLoftEditor();
    if (g_scene)
        WithGl();
    g_scene.reset();
}

bool CVentrelView::WithGl() {
    GlContext *context = m_glReady ? m_host.Gl() : nullptr;
    return context && context->MakeCurrent();
}

void CVentrelView::NewScene() {
    if (g_scene)
        WithGl();
    // The old scene goes first: its display lists and textures are freed in the window's context.
    g_scene.reset();
    g_scene = std::make_unique<Scene>(&m_ui);
    g_scene->ResetCamera();
    g_scene->m_readTexture = TextureFileReader(m_folder.input, m_ui);
    g_scene->m_pipeTexture = g_pipeTexture;
    g_scene->m_viewWidth = m_viewWidth;
    g_scene->m_viewHeight = m_viewHeight;
    m_sceneChanged = true;
}

void CVentrelView::FinishScene() {
    g_scene->ComputeBounds();
    m_sceneChanged = true;
}

bool CVentrelView::Guarded(const std::function<bool()> &read) {
    try {
        return read();
    } catch (const FatalInputError &error) {
        // The reader's own words, then the same text with the file and line where it stopped, as
        // the batch tool prints it.
        const FatalInputError located = error.In(m_folder.In(g_fileName).string());
        m_ui.MessageBox(Format("%s\n%s", error.what(), located.Located().c_str()));
        return false;
    }
}

void CVentrelView::EnsureChests() {
    if (!g_chests)
        g_chests = std::make_unique<ChestTable>();
}

void CVentrelView::Repaint() {
    m_ui.RequestRepaint();
}

bool CVentrelView::AskFileName(const char *filter, const char *title) {
    const auto path = m_ui.AskFileName(filter, title);
    if (!path)
        return false;
    g_fileName = path->filename().string();
    const auto folder = path->parent_path();
    m_folder = WorkFolder::Both(folder.empty() ? std::filesystem::path(".") : folder);
    return true;
}

void CVentrelView::Reset() {
    ForgetFindings();
    g_pedalboardMode = false;
    g_currentChest = nullptr;
    m_circleChest.reset();
    NewScene();
    EnsureChests();
    for (int i = 0; i < g_chests->count; ++i) {
        CWindchest &chest = (*g_chests)[i];
        for (int s = 0; s < CWindchest::kMaxStops; ++s) {
            chest.Stop(s).m_turrets.reset();
            chest.Stop(s).m_turret_count = 0;
        }
    }
    g_chests->count = 0;
    m_freeItems.clear();
    g_pipeBoards.reset();
    g_keyboardShown = false;
    if (m_inspector)
        m_inspector->Fill();
    Repaint();
}

void CVentrelView::Rebuild3D(bool keepCamera, bool layOut) {
    const Vec3 translation = g_scene ? g_scene->m_translation : Vec3{};
    const Vec3 rotation = g_scene ? g_scene->m_rotation : Vec3{};
    NewScene();
    if (keepCamera) {
        g_scene->m_translation = translation;
        g_scene->m_rotation = rotation;
    }
    EnsureChests();
    if (layOut)
        for (int i = 0; i < g_chests->count; ++i)
            (*g_chests)[i].Layout();
    BuildChests3D(*g_scene, *g_chests, &m_ui);
    FinishScene();
    g_scene->m_translateStep = 30.0f;
    g_scene->m_display3D = true;
    Repaint();
}

void CVentrelView::QuitSaving() {
    // Nothing is lost: a cancelled or failed save keeps the program running.
    if (!AskFileName("Fichiers de tuyaux (*.org)|*.org;|", "Save Organ as ?"))
        return;
    EnsureChests();
    if (!WriteOrganFile(*g_chests, g_fileName, m_folder, m_ui, m_freeItems))
        return;
    QuitWithoutSaving();
}

void CVentrelView::QuitWithoutSaving() {
    StopSpinning();
    WithGl();
    g_scene.reset();
    g_chests.reset();
    g_currentChest = nullptr;
    m_circleChest.reset();
    m_host.EndProgram(0);
}

bool CVentrelView::OpenDocument(const std::filesystem::path &path) {
    switch (KindOf(path)) {
    case DocumentKind::Organ:
        return OpenOrganFile(path);
    case DocumentKind::Chest:
        return OpenChestFile(path);
    case DocumentKind::Scene:
    case DocumentKind::Other:
        break;
    }
    Repaint();
    return true;
}

void CVentrelView::StopSpinning() {
    if (!m_spinning)
        return;
    m_host.KillTimer(kSpinTimer);
    m_spinning = false;
}

} // namespace ventrel
