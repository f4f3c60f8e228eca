// The scale commands of the view: a stop appended from its scale, and the chest's scale chart.
#include "VentrelView.h"

#include "ViewHost.h"

#include "dialogs/ScaleDialog.h"
#include "platform/Ui.h"
#include "render/Scene.h"

namespace ventrel {

void CVentrelView::StopFromScale() {
    // With no chest open the stop starts chest 0, as a stop file does.
    EnsureChests();
    if (!g_currentChest)
        g_currentChest = &(*g_chests)[0];
    CWindchest &chest = *g_currentChest;
    ScaleDialog dialog(chest, m_ui);
    if (!m_host.RunScaleDialog(dialog))
        return; // Cancel: the chest is as it was
    if (g_chests->count == 0 && &chest == &(*g_chests)[0]) {
        g_chests->count = 1;
        m_chestFolders[0] = m_folder.input;
    }
    const bool shown3D = g_scene && g_scene->m_display3D;
    Rebuild3D(true, true);
    g_scene->m_display3D = shown3D;
    chest.SizeValves(g_valves);
    m_ui.StatusMessage(Format("Stop %s added: %d pipes", dialog.Scale().name.c_str(),
                              static_cast<int>(dialog.Pipes().size())));
    Repaint();
}

void CVentrelView::ShowScaleChart() {
    if (!g_currentChest) {
        m_ui.MessageBox("Open a chest first: the chart shows the stops of the current chest",
                        "Scale Chart");
        return;
    }
    m_host.ShowScaleChart(ChestChartLines(*g_currentChest), g_currentChest->m_file_name);
}

void CVentrelView::SelectStop(int s) {
    if (!g_currentChest || s < 0 || s >= g_currentChest->StopCount())
        return;
    CWindchest &chest = *g_currentChest;
    CStop &stop = chest.Stop(s);
    chest.m_selected_stop = s;
    // One stop at a time is shown whole.
    for (int other = 0; other < chest.StopCount(); ++other)
        if (chest.Stop(other).m_selected_pipe == CStop::kWholeStop)
            chest.Stop(other).m_selected_pipe = -1;
    stop.m_selected_pipe = CStop::kWholeStop;
    m_ui.StatusMessage(Format("Register: %s, %d pipes", stop.m_name.c_str(), stop.PipeSlots()));
    if (g_scene)
        g_scene->m_display3D = false;
    Repaint();
}

} // namespace ventrel
