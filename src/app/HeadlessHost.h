// A ViewHost with no window, for tests: records what the view asks and answers from scripts.
#pragma once

#include "ViewHost.h"

#include "platform/CanvasPages.h"
#include "platform/RecordingCanvas.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ventrel {

class HeadlessHost : public ViewHost {
public:
    void SetTitle(const std::string &title) override { m_title = title; }
    void SetTimer(int id, int milliseconds) override { m_timers[id] = milliseconds; }
    void KillTimer(int id) override { m_timers.erase(id); }
    void EndProgram(int code) override {
        m_ended = true;
        m_exitCode = code;
    }
    GlContext *Gl() override { return m_gl; }
    // Without a script a dialog is cancelled.
    bool RunElectros(ElectrosDialog &dialog) override { return m_electros && m_electros(dialog); }
    bool RunValueDialog(ValueDialog &dialog) override { return m_value && m_value(dialog); }
    void ShowAbout() override { ++m_abouts; }
    void ShowPipePositions(PipePositionDialog &dialog) override { m_pipeDialog = &dialog; }
    void ShowPolylineDialog(PolylineDialog &dialog) override { m_polylineDialog = &dialog; }
    void ShowLoftEditor(LoftEditor &editor) override { m_loftEditor = &editor; }
    void ShowChestPositions(ChestPositionDialog &dialog) override {
        m_chestDialog = &dialog;
        ++m_chestDialogShows;
    }
    void LoftEditorClosed() override { m_loftEditor = nullptr; }
    bool RunScaleDialog(ScaleDialog &dialog) override { return m_scale && m_scale(dialog); }
    void ShowScaleChart(std::vector<ChartLine> lines, const std::string &chestName) override {
        m_chartLines = std::move(lines);
        m_chartChest = chestName;
    }
    void Print() override { ++m_prints; }
    void PrintPreview() override { ++m_previews; }
    void ToggleBar(int id) override { m_bars[id] = !BarVisible(id); }
    void ExportForCamChanged(bool forCam) override { m_forCamChanges.push_back(forCam); }
    void ShowFindings(std::vector<std::string> lines, const std::string &chestName) override {
        m_findingLines = std::move(lines);
        m_findingsChest = chestName;
        ++m_findingShows;
    }
    void ClearFindings() override {
        m_findingLines.clear();
        m_findingsChest.clear();
    }
    // The pages are recorded, not written; m_pdfError makes the writing fail with that reason.
    bool WritePdf(const std::filesystem::path &path, int widthMm, int heightMm,
                  const std::string &title, const std::function<void(CanvasPages &)> &paint,
                  std::string &error) override {
        if (!m_pdfError.empty()) {
            error = m_pdfError;
            return false;
        }
        struct Pages : CanvasPages {
            std::deque<RecordingCanvas> &pages;
            explicit Pages(std::deque<RecordingCanvas> &p) : pages(p) {}
            Canvas &NewPage() override { return pages.emplace_back(); }
        } pages(m_pdfPages);
        m_pdfPages.clear();
        paint(pages);
        m_pdfPath = path;
        m_pdfTitle = title;
        m_pdfSize = {widthMm, heightMm};
        return true;
    }
    bool BarVisible(int id) const override {
        const auto it = m_bars.find(id);
        return it == m_bars.end() || it->second;
    }

    std::string m_title;
    std::map<int, int> m_timers;
    bool m_ended = false;
    int m_exitCode = -1;
    GlContext *m_gl = nullptr;
    std::function<bool(ElectrosDialog &)> m_electros;
    std::function<bool(ValueDialog &)> m_value;
    PipePositionDialog *m_pipeDialog = nullptr;
    PolylineDialog *m_polylineDialog = nullptr;
    LoftEditor *m_loftEditor = nullptr;
    ChestPositionDialog *m_chestDialog = nullptr;
    int m_chestDialogShows = 0;
    std::function<bool(ScaleDialog &)> m_scale;
    std::vector<ChartLine> m_chartLines;
    std::string m_chartChest;
    int m_abouts = 0;
    int m_prints = 0;
    int m_previews = 0;
    std::map<int, bool> m_bars;
    std::vector<bool> m_forCamChanges;
    std::vector<std::string> m_findingLines;
    std::string m_findingsChest;
    int m_findingShows = 0;
    std::string m_pdfError;
    std::deque<RecordingCanvas> m_pdfPages;
    std::filesystem::path m_pdfPath;
    std::string m_pdfTitle;
    std::pair<int, int> m_pdfSize;
};

} // namespace ventrel
