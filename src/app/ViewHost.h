// What the main view asks of the window it lives in, beyond the Ui: title, timer, dialogs, end.
#pragma once

#include "scale/ScaleChart.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ventrel {

class CanvasPages;
class ChestPositionDialog;
class ElectrosDialog;
class LoftEditor;
class GlContext;
class PipePositionDialog;
class PolylineDialog;
class ScaleDialog;
class ValueDialog;

class ViewHost {
public:
    virtual ~ViewHost() = default;

    virtual void SetTitle(const std::string &title) = 0;
    // Window timer `id` firing every `milliseconds` until killed; each tick calls OnTimer(id).
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
    // Closes the main window and ends the process with this code.
    virtual void EndProgram(int code) = 0;
    // The 3D view's OpenGL context, or nullptr while there is none.
    virtual GlContext *Gl() = 0;

    // Modal dialogs; true when closed with OK (the model has taken the values).
    virtual bool RunElectros(ElectrosDialog &dialog) = 0;
    virtual bool RunValueDialog(ValueDialog &dialog) = 0;
    virtual void ShowAbout() = 0;
    // The user guide, in a window of its own; nothing where there is no window to show it in.
    virtual void ShowGuide() {}
    // Shows the modeless pipe-position window over this model (kept by the view).
    virtual void ShowPipePositions(PipePositionDialog &dialog) = 0;
    // The other modeless windows, each over its model (kept by the view until it says otherwise).
    virtual void ShowPolylineDialog(PolylineDialog &dialog) = 0;
    virtual void ShowLoftEditor(LoftEditor &editor) = 0;
    virtual void ShowChestPositions(ChestPositionDialog &dialog) = 0;
    // The loft editor's model is about to go: its window closes.
    virtual void LoftEditorClosed() {}
    // "Stop from Scale...": true when closed with OK (the model has appended the stop).
    virtual bool RunScaleDialog(ScaleDialog &dialog) { return (void)dialog, false; }
    // Shows the modeless scale chart window with these lines; a click on a line selects its stop
    // through CVentrelView::SelectStop.
    virtual void ShowScaleChart(std::vector<ChartLine> lines, const std::string &chestName) {
        (void)lines, (void)chestName;
    }
    // The framework's print and print preview; they call the view's printing operations.
    virtual void Print() = 0;
    virtual void PrintPreview() = 0;
    // The toolbar (kToolbar) and status bar (kStatusBar) toggles.
    virtual void ToggleBar(int id) = 0;
    virtual bool BarVisible(int id) const = 0;
    // A chest or organ file was opened (for the recent-file list).
    virtual void DocumentOpened(const std::filesystem::path &path) { (void)path; }
    // "Export DXF for CAM" was switched on or off (for the settings).
    virtual void ExportForCamChanged(bool forCam) { (void)forCam; }
    // The checker's findings about a chest, one line each, in the findings panel; choosing line i
    // calls CVentrelView::SelectFinding(i). ClearFindings empties the panel: its findings are
    // about a chest no longer shown.
    virtual void ShowFindings(std::vector<std::string> lines, const std::string &chestName) {
        (void)lines, (void)chestName;
    }
    virtual void ClearFindings() {}
    // Writes pages of width x height millimetres drawn by `paint` as one PDF file, replaced only
    // once complete; false with the reason in `error` (also where there is no PDF writer).
    virtual bool WritePdf(const std::filesystem::path &path, int widthMm, int heightMm,
                          const std::string &title, const std::function<void(CanvasPages &)> &paint,
                          std::string &error) {
        (void)path, (void)widthMm, (void)heightMm, (void)title, (void)paint;
        error = "no PDF writer in this program";
        return false;
    }
};

} // namespace ventrel
