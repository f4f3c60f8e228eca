// The main window's modeless editor windows: polyline, loft editor, chest and pipe positions.
#include "MainWindow.h"

#include "DialogWidgets.h"
#include "EditorWindows.h"

namespace ventrel {
namespace {

template <typename Window, typename Model>
void ShowOver(std::unique_ptr<Window> &window, Model &model) {
    if (!window)
        window = std::make_unique<Window>();
    window->Bind(&model);
    window->show();
    window->raise();
}

} // namespace

void MainWindow::ShowPipePositions(PipePositionDialog &dialog) {
    ShowOver(m_pipeWindow, dialog);
}

void MainWindow::ShowPolylineDialog(PolylineDialog &dialog) {
    ShowOver(m_polylineWindow, dialog);
}

void MainWindow::ShowLoftEditor(LoftEditor &editor) {
    ShowOver(m_loftWindow, editor);
}

void MainWindow::ShowChestPositions(ChestPositionDialog &dialog) {
    ShowOver(m_chestWindow, dialog);
}

void MainWindow::LoftEditorClosed() {
    if (!m_loftWindow)
        return;
    m_loftWindow->Bind(nullptr);
    m_loftWindow->hide();
}

void MainWindow::ReloadEditorWindows() {
    if (m_pipeWindow)
        m_pipeWindow->Reload();
    if (m_polylineWindow)
        m_polylineWindow->Reload();
    if (m_loftWindow)
        m_loftWindow->Reload();
    if (m_chestWindow)
        m_chestWindow->Reload();
}

} // namespace ventrel
