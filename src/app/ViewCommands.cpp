// The view's small commands: dialogs, display switches, colour, picking and the Create items.
#include "VentrelView.h"

#include "ViewHost.h"

#include "dialogs/ElectrosDialog.h"
#include "dialogs/PipePositionDialog.h"
#include "dialogs/ValueDialog.h"
#include "organ3d/Organ3D.h"
#include "platform/Ui.h"
#include "render/CObject3D.h"
#include "render/FitCamera.h"

namespace ventrel {

void CVentrelView::EditPipePositions() {
    if (g_chests)
        (*g_chests)[0].m_pick_mode = true;
    m_pipeDialog = std::make_unique<PipePositionDialog>(m_ui, [this] { return FirstChest(); });
    m_host.ShowPipePositions(*m_pipeDialog);
}

void CVentrelView::DisplayInfos() {
    if (!g_currentChest)
        return;
    ElectrosDialog dialog(*g_currentChest, g_valves, g_fileName, m_folder, m_ui);
    m_host.RunElectros(dialog);
    Repaint();
}

void CVentrelView::PrintingScaleDialog() {
    ValueDialog dialog = ValueDialog::PrintingScale();
    if (!m_host.RunValueDialog(dialog))
        return;
    m_drawing.g_scale2D = static_cast<float>(dialog.Value());
    Repaint();
}

void CVentrelView::LineWidthDialog() {
    ValueDialog dialog = ValueDialog::LineWidth(m_drawing.g_lineWidth);
    if (!m_host.RunValueDialog(dialog))
        return;
    m_drawing.g_lineWidth = static_cast<int>(dialog.Value());
    Repaint();
}

void CVentrelView::ChooseColour() {
    if (const auto colour = m_ui.ChooseColour(g_background))
        SetBackground(*colour);
}

void CVentrelView::SetBackground(std::uint32_t colour) {
    g_background = colour & 0x00ffffff;
    g_backgroundRGB = {static_cast<float>(colour & 0xff) / 256.0f,
                       static_cast<float>((colour >> 8) & 0xff) / 256.0f,
                       static_cast<float>((colour >> 16) & 0xff) / 256.0f};
    Repaint();
}

void CVentrelView::ToggleSpin() {
    m_spinning = !m_spinning;
    if (m_spinning)
        m_host.SetTimer(kSpinTimer, kSpinPeriod);
    else
        m_host.KillTimer(kSpinTimer);
}

void CVentrelView::FitOrgan() {
    if (!g_scene)
        return;
    Scene &scene = *g_scene;
    // The view's own shape, also before the 3D display was first shown (the views share one place).
    if (m_viewWidth > 0 && m_viewHeight > 0)
        scene.m_aspect = static_cast<double>(m_viewWidth) / m_viewHeight;
    // The objects' bounds as the next compiling will leave them: an organ just read has not been
    // drawn yet.
    for (int i = 0; i < scene.m_nbobject; ++i)
        if (CObject3D *object = scene.Object(i))
            object->ComputeLocalBounds();
    scene.ComputeBounds();
    if (!FitCamera(scene)) {
        m_ui.StatusMessage("Fit Organ: the 3D scene is empty");
        return;
    }
    scene.m_display3D = true;
    Repaint();
}

void CVentrelView::ToggleDisplay3D() {
    if (!g_scene)
        return;
    g_scene->ToggleDisplay3D();
    Repaint();
}

void CVentrelView::TogglePicking() {
    if (g_chests)
        (*g_chests)[0].m_pick_mode = true;
    if (g_scene)
        g_scene->m_pickEnabled = g_scene->m_pickEnabled == 1 ? 0 : 1;
}

void CVentrelView::CreateKeyboard() {
    m_keyboard.Layout();
    g_keyboardMode = true;
    g_keyboardShown = true;
    if (g_scene)
        g_scene->m_display3D = false;
    Repaint();
}

void CVentrelView::CreatePedalboard() {
    m_pedalboard->Create(m_ui);
    g_pedalboardMode = true;
    if (g_scene)
        g_scene->m_display3D = false;
    Repaint();
}

void CVentrelView::WritePedalboardDxf() {
    m_pedalboard->WriteDxf(m_folder, m_ui);
}

void CVentrelView::CreateBackground() {
    if (!g_scene)
        return;
    AddBackground(*g_scene);
    FinishScene();
    g_scene->m_translateStep = 30.0f;
    g_scene->m_display3D = true;
    Repaint();
}

void CVentrelView::CreateBar() {
    if (!g_scene)
        return;
    AddBar(*g_scene);
    FinishScene();
    g_scene->m_display3D = true;
    Repaint();
}

void CVentrelView::AddAxes() {
    if (!g_scene)
        return;
    g_scene->AddObject(std::make_unique<CObject3D>());
    m_sceneChanged = true;
    Repaint();
}

} // namespace ventrel
