// The view's outline editors and position dialogs: polyline, loft, tower, extrusion, turret,
// chests.
#include "VentrelView.h"

#include "ViewHost.h"

#include "dialogs/ChestPositionDialog.h"
#include "dialogs/DialogField.h"
#include "dialogs/LoftEditor.h"
#include "dialogs/PolylineDialog.h"
#include "organ3d/OutlineExtrusion.h"
#include "outline/L_2D_Drawing.h"
#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {
namespace {

constexpr int kDefaultExtrusion = 50;

} // namespace

void CVentrelView::OpenPolylineDialog() {
    if (!g_editor2D)
        g_editor2D = std::make_unique<L_2D_Drawing>();
    if (!m_polylineDialog)
        m_polylineDialog = std::make_unique<PolylineDialog>(
            *g_editor2D, m_ui,
            [this](const char *filter, const char *title) -> std::optional<std::filesystem::path> {
                if (!AskFileName(filter, title))
                    return std::nullopt;
                return m_folder.Out(g_fileName);
            });
    if (g_scene)
        g_scene->m_display3D = false;
    m_host.ShowPolylineDialog(*m_polylineDialog);
    Repaint();
}

void CVentrelView::OpenLoftEditor() {
    // An editor already open ends first: one preview at a time.
    CloseLoftEditor();
    LoftEditor::Hooks hooks;
    hooks.askFile = [this](const char *filter,
                           const char *title) -> std::optional<std::filesystem::path> {
        if (!AskFileName(filter, title))
            return std::nullopt;
        return m_folder.In(g_fileName);
    };
    hooks.scene = [this]() -> Scene * {
        // Objects that were drawn hold display lists and textures of the window's context.
        WithGl();
        return g_scene.get();
    };
    hooks.sceneChanged = [this] {
        if (g_scene)
            FinishScene();
    };
    hooks.show3D = [this] {
        if (g_scene)
            g_scene->m_display3D = true;
    };
    m_loftEditor = std::make_unique<LoftEditor>(m_ui, std::move(hooks));
    m_host.ShowLoftEditor(*m_loftEditor);
    Repaint();
}

void CVentrelView::CloseLoftEditor() {
    if (!m_loftEditor)
        return;
    m_host.LoftEditorClosed();
    m_loftEditor->Close();
    m_loftEditor.reset();
}

void CVentrelView::CreateTower() {
    if (!g_scene)
        return;
    BuildTower(m_tower, *g_scene, m_folder, m_ui);
    FinishScene();
    g_scene->m_display3D = false;
    Repaint();
}

void CVentrelView::Extrude() {
    if (!g_scene)
        return;
    if (!g_editor2D || g_editor2D->PointCount() < 2) {
        m_ui.MessageBox(
            "Extrude raises the outline drawn with \"Polyline\": draw one of two points "
            "or more first.");
        return;
    }
    int height = kDefaultExtrusion;
    if (m_polylineDialog)
        if (const auto length = ParseIntField(m_polylineDialog->Field(PolylineDialog::kLength)))
            height = *length;
    if (!AddOutlineExtrusion(*g_scene, *g_editor2D, static_cast<float>(height)))
        return;
    FinishScene();
    g_scene->m_display3D = true;
    Repaint();
}

void CVentrelView::CreateTurret() {
    m_turret = std::make_unique<CLoft>();
}

void CVentrelView::ShowChestPositions() {
    if (!m_inspector) {
        ChestPositionDialog::Hooks hooks;
        hooks.chests = [this] { return g_chests.get(); };
        hooks.makeCurrent = [this](int i) {
            if (!g_chests || i < 0 || i >= g_chests->count)
                return;
            g_currentChest = &(*g_chests)[i];
            m_circleChest.reset();
        };
        hooks.rebuild3D = [this] { Rebuild3D(); };
        hooks.addChest = [this] { AddChest(); };
        hooks.deleteChest = [this](int i) { DeleteChest(i); };
        m_inspector = std::make_unique<ChestPositionDialog>(m_ui, std::move(hooks));
    } else {
        m_inspector->Open();
    }
    m_host.ShowChestPositions(*m_inspector);
    Repaint();
}

void CVentrelView::DeleteChest(int i) {
    if (!g_chests || i < 0 || i >= std::min(g_chests->count, ChestTable::kMaxChests))
        return;
    ChestTable &table = *g_chests;
    const int count = table.count;
    const bool wasCurrent = g_currentChest == &table[i];
    // The records move up as a whole: a pointer to any other chest stays on that chest.
    std::rotate(table.chests.begin() + i, table.chests.begin() + i + 1,
                table.chests.begin() + count);
    std::rotate(m_chestFolders.begin() + i, m_chestFolders.begin() + i + 1,
                m_chestFolders.begin() + count);
    table.count = count - 1;
    // The removed record, now last, starts afresh for the next chest added.
    table.chests[static_cast<size_t>(count - 1)] = std::make_unique<CWindchest>();
    m_chestFolders[static_cast<size_t>(count - 1)].clear();
    if (wasCurrent)
        g_currentChest = table.count > 0 ? &table[std::min(i, table.count - 1)] : nullptr;
    Rebuild3D();
}

} // namespace ventrel
