// The view's workshop commands: the chest checker with the pipes of a finding marked in 2D, and the
// workshop report.
#include "VentrelView.h"

#include "ViewHost.h"

#include "chest/Drawing2D.h"
#include "platform/Ui.h"
#include "render/Scene.h"

#include <algorithm>

namespace ventrel {
namespace {

// Palette index and pen width of the marks: magenta, wider than the drawing's own pens.
constexpr int kMarkColour = 5;
constexpr int kMarkWidth = 3;

bool ValidPipe(const CWindchest &chest, const PipeRef &pipe) {
    return pipe.stop >= 0 && pipe.stop < chest.StopCount() && pipe.pipe >= 0 &&
           pipe.pipe < chest.Stop(pipe.stop).PipeSlots();
}

} // namespace

std::optional<ChestFiles> CVentrelView::CurrentChestFiles() const {
    if (!g_chests || !g_currentChest)
        return std::nullopt;
    for (int i = 0; i < g_chests->count; ++i)
        if (&(*g_chests)[i] == g_currentChest) {
            ChestFiles files;
            files.chest = m_chestFolders[static_cast<size_t>(i)] / g_currentChest->m_file_name;
            files.name = g_currentChest->m_file_name;
            return files;
        }
    return std::nullopt;
}

void CVentrelView::CheckChest() {
    const std::optional<ChestFiles> files = CurrentChestFiles();
    if (!files) {
        m_ui.MessageBox(
            "Open a chest file (.dat) first: the checker reads the current chest's file",
            "Check Chest");
        return;
    }
    const std::optional<CheckResult> checked = CheckChestFiles(*files, CheckOptions{}, m_ui);
    if (!checked)
        return;
    m_findings = checked->findings;
    m_findingsChest = g_currentChest;
    m_markedPipes.clear();
    std::vector<std::string> lines;
    int errors = 0;
    for (const Finding &finding : m_findings) {
        lines.push_back(FindingLine(finding));
        errors += finding.severity == Severity::Error;
    }
    m_host.ShowFindings(std::move(lines), files->name);
    const int warnings = static_cast<int>(m_findings.size()) - errors;
    m_ui.StatusMessage(m_findings.empty()
                           ? Format("Check Chest: %s, no finding", files->name.c_str())
                           : Format("Check Chest: %s, %d error(s), %d warning(s)",
                                    files->name.c_str(), errors, warnings));
    Repaint();
}

void CVentrelView::SelectFinding(int index) {
    if (!g_currentChest || m_findingsChest != g_currentChest || index < 0 ||
        index >= static_cast<int>(m_findings.size()))
        return;
    CWindchest &chest = *g_currentChest;
    const Finding &finding = m_findings[static_cast<size_t>(index)];
    m_markedPipes.clear();
    for (const PipeRef &pipe : finding.pipes)
        if (ValidPipe(chest, pipe))
            m_markedPipes.push_back(pipe);
    // The selection of a click: one pipe a stop, the first pipe's stop the selected one; a finding
    // about a stop without pipes selects the whole stop.
    for (int s = 0; s < chest.StopCount(); ++s)
        chest.Stop(s).m_selected_pipe = -1;
    for (auto it = m_markedPipes.rbegin(); it != m_markedPipes.rend(); ++it) {
        chest.Stop(it->stop).m_selected_pipe = it->pipe;
        chest.m_selected_stop = it->stop;
    }
    if (m_markedPipes.empty() && finding.stop >= 0 && finding.stop < chest.StopCount()) {
        chest.Stop(finding.stop).m_selected_pipe = CStop::kWholeStop;
        chest.m_selected_stop = finding.stop;
    }
    if (!m_markedPipes.empty()) {
        // The first pipe brought to the middle of the view when it is outside.
        const CStop &stop = chest.Stop(m_markedPipes.front().stop);
        const int x = stop.X(m_markedPipes.front().pipe), y = stop.Y(m_markedPipes.front().pipe);
        const int sx = m_drawing.ScreenX(x), sy = m_drawing.ScreenY(y);
        if (m_viewWidth > 0 && m_viewHeight > 0 &&
            (sx < 0 || sy < 0 || sx >= m_viewWidth || sy >= m_viewHeight)) {
            m_drawing.g_pan.x += m_viewWidth / 2 - sx;
            m_drawing.g_pan.y += m_viewHeight / 2 - sy;
        }
    }
    if (g_scene)
        g_scene->m_display3D = false;
    m_ui.StatusMessage(FindingLine(finding));
    Repaint();
}

void CVentrelView::PaintFindingMarks() {
    if (!g_currentChest || m_findingsChest != g_currentChest || m_markedPipes.empty())
        return;
    const CWindchest &chest = *g_currentChest;
    const int colour = m_drawing.CurrentColour(), width = m_drawing.CurrentWidth();
    m_drawing.SelectColour(kMarkColour);
    m_drawing.SelectWidth(kMarkWidth);
    for (const PipeRef &pipe : m_markedPipes) {
        if (!ValidPipe(chest, pipe))
            continue;
        const CStop &stop = chest.Stop(pipe.stop);
        const size_t k = static_cast<size_t>(pipe.pipe);
        const int x = stop.X(pipe.pipe), y = stop.Y(pipe.pipe);
        // A ring round the pipe and four ticks pointing at it, a few pixels clear of its body.
        const int r = std::max(stop.m_diameter[k], stop.m_hole[k]) / 2 + m_drawing.ModelLength(4);
        const int tick = r + m_drawing.ModelLength(12);
        m_drawing.DrawCircle(x, y, r);
        m_drawing.MoveTo(x - tick, y);
        m_drawing.LineTo(x - r, y);
        m_drawing.MoveTo(x + r, y);
        m_drawing.LineTo(x + tick, y);
        m_drawing.MoveTo(x, y - tick);
        m_drawing.LineTo(x, y - r);
        m_drawing.MoveTo(x, y + r);
        m_drawing.LineTo(x, y + tick);
    }
    m_drawing.SelectWidth(width);
    m_drawing.SelectColour(colour);
}

void CVentrelView::ForgetFindings() {
    if (!m_findingsChest)
        return;
    m_findings.clear();
    m_findingsChest = nullptr;
    m_markedPipes.clear();
    m_host.ClearFindings();
}

void CVentrelView::ExportWorkshopReport() {
    const std::optional<ChestFiles> files = CurrentChestFiles();
    if (!files) {
        m_ui.MessageBox("Open a chest file (.dat) first: the report is made from the current "
                        "chest's file",
                        "Export Workshop Report");
        return;
    }
    std::filesystem::path suggested = files->chest;
    suggested.replace_extension(".pdf");
    std::optional<std::filesystem::path> path = m_ui.AskSaveFileName(
        "Workshop report (*.pdf)|*.pdf;|", "Export Workshop Report", suggested.string());
    if (!path)
        return;
    if (path->extension().empty())
        path->replace_extension(".pdf");
    ReportOptions report;
    report.date = ReportDate();
    const PageWriter write = [this](const std::filesystem::path &output, int widthMm, int heightMm,
                                    const std::string &title,
                                    const std::function<void(CanvasPages &)> &paint,
                                    std::string &error) {
        return m_host.WritePdf(output, widthMm, heightMm, title, paint, error);
    };
    if (WriteWorkshopReport(*files, *path, report, CheckOptions{}, write, m_ui))
        m_ui.StatusMessage(Format("Workshop report written: %s", path->string().c_str()));
}

} // namespace ventrel
