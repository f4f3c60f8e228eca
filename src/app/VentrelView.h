// The main view: the program-wide state, its window messages and the work behind its commands.
#pragma once

#include "ChestWorkshop.h"

#include "check/Finding.h"
#include "chest/CWindchest.h"
#include "chest/Drawing2D.h"
#include "chest/OrganFile.h"
#include "chest/PipeBoards.h"
#include "chest/ValveSizing.h"
#include "math/Vec.h"
#include "organ3d/Keyboard.h"
#include "organ3d/Pedalboard.h"
#include "organ3d/Tower.h"
#include "platform/WorkFolder.h"
#include "render/Scene.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ventrel {

class Canvas;
class ChestPositionDialog;
class L_2D_Drawing;
class LoftEditor;
class PipePositionDialog;
class PolylineDialog;
class Ui;
class ViewHost;

// Key codes of the key-down message.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
// The continuous rotation's timer.
inline constexpr int kSpinTimer = 0;
inline constexpr int kSpinPeriod = 10;

// One per main window; each test creates its own. Nothing here knows which front end runs it.
class CVentrelView {
public:
    CVentrelView(Ui &ui, ViewHost &host);
    ~CVentrelView();
    CVentrelView(const CVentrelView &) = delete;
    CVentrelView &operator=(const CVentrelView &) = delete;

    // ---- the program-wide state ----
    std::unique_ptr<ChestTable> g_chests;     // created by the first "New" (or a chest command)
    CWindchest *g_currentChest = nullptr;     // a chest of the table, or the circle chest
    std::unique_ptr<Scene> g_scene;           // also holds m_display3D
    std::unique_ptr<PipeBoards> g_pipeBoards; // shown instead of the chest while present
    // The 2D drawing: g_scale2D, g_pan, g_lineWidth, g_textColour, g_hideDimensions, the font.
    Drawing2D m_drawing;
    float g_printScale = 5.0f;
    float g_screenScale = 1.0f;
    std::uint32_t g_background = 0; // COLORREF 0x00BBGGRR
    Vec3 g_backgroundRGB{0, 0, 0};  // the same as (R/256, G/256, B/256)
    std::string g_pipeTexture = "tin.jpg";
    std::string g_fileName; // bare name last chosen in a file dialog
    WorkFolder m_folder;    // the folder it was chosen in
    ValveCounters g_valves; // counters, magnet and pallet sizes
    bool g_pedalboardMode = false;
    bool g_keyboardMode = false;
    bool g_keyboardShown = false;
    // "Export DXF for CAM": "Export DXF" writes complete DXF for CAM programs instead of the plain
    // drawings. The window keeps the choice in its settings.
    bool m_exportForCam = false;
    CKeyboard m_keyboard;
    std::unique_ptr<CPedalboard> m_pedalboard;
    // The chest "Open X Y R Circles" creates outside the table.
    std::unique_ptr<CWindchest> m_circleChest;
    // The free bars and pipes of the organ file last opened, written back when the organ is saved.
    std::vector<OrganFile::Item> m_freeItems;
    // The folder each chest of the table was read from ("Save all Chests" reads them there).
    std::array<std::filesystem::path, ChestTable::kMaxChests> m_chestFolders;

    // ---- the view's own fields ----
    int m_fontIndex = 0;
    int m_fontSize = 0; // unset until the "12" command
    ScreenPoint m_lastMouse;
    bool m_leftDown = false;
    bool m_spinning = false;
    bool m_showGrid = false;
    bool m_showMagnetSizes = false;
    int m_viewWidth = 0, m_viewHeight = 0;
    int m_pageWidth = 0, m_pageHeight = 0;
    std::unique_ptr<PipePositionDialog> m_pipeDialog;
    // The outline drawn with the mouse, made when the polyline dialog first opens.
    std::unique_ptr<L_2D_Drawing> g_editor2D;
    std::unique_ptr<PolylineDialog> m_polylineDialog;
    // The loft editor while it is open (its preview is the scene).
    std::unique_ptr<LoftEditor> m_loftEditor;
    // The modeless chest-position dialog, made on first use.
    std::unique_ptr<ChestPositionDialog> m_inspector;
    // The sample tower's outlines, drawn in 2D once built.
    CTower m_tower;
    // The record "TURRET" makes.
    std::unique_ptr<CLoft> m_turret;

    // The findings of the last "Check Chest", while the chest they are about is the current one,
    // and the pipes of the finding chosen, marked in the 2D drawing.
    std::vector<Finding> m_findings;
    const CWindchest *m_findingsChest = nullptr;
    std::vector<PipeRef> m_markedPipes;

    int ChestCount() const { return g_chests ? g_chests->count : 0; }
    CWindchest *FirstChest() { return g_chests ? &(*g_chests)[0] : nullptr; }
    Ui &GetUi() { return m_ui; }
    ViewHost &Host() { return m_host; }
    const ViewHost &Host() const { return m_host; }

    // ---- window messages ----
    void OnSize(int width, int height);
    // The 3D view's context is current: its initial state, then its size.
    void OnInitGl();
    void OnReshapeGl(int width, int height);
    // What the view shows now: true for the OpenGL frame, false for a 2D picture.
    bool Shows3D() const;
    // Paints the 2D pictures (keyboard, pedalboard, boards, chest) on a canvas.
    void Paint2D(Canvas &canvas);
    // Paints the 3D frame into the current context (compiling the scene first when it changed).
    void Paint3D();
    void OnKeyDown(int key);
    void OnWheel(int delta, ScreenPoint p);
    void OnLeftDown(ScreenPoint p);
    void OnMouseMove(ScreenPoint p);
    void OnLeftUp();
    void OnRightDown(ScreenPoint p);
    void OnRightUp(ScreenPoint p);
    void OnTimer(int id);

    // ---- sequences ----
    // "New": back to an empty organ (the chest records are kept and reused).
    void Reset();
    // Lays every chest out again and builds a new scene from them, keeping the camera.
    void Rebuild3D(bool keepCamera = true, bool layOut = true);
    // "Quit": "Save Organ as...", then the end; cancelling the file dialog cancels the quit.
    void QuitSaving();
    // "Exit without save" and Esc.
    void QuitWithoutSaving();
    // A file named on the command line or dropped on the window: an organ (.org) or a chest
    // (.dat) is opened as its command would; any other file only repaints.
    bool OpenDocument(const std::filesystem::path &path);

    // ---- file commands ----
    void OpenChest();
    void AddChest();
    void OpenOrgan();
    void SaveOrgan();
    void SaveOrganAs();
    void SaveAllChests();
    void ExportDxf();
    // "Export 3D...": the scene as glTF or OBJ, in the file and type the dialog chooses.
    void Export3D();
    void ToggleExportForCam();
    void OpenStop();
    void OpenCircles();
    // "Import Scenery...": a scene file's objects appended to the 3D scene, shown in 3D. The kind
    // is the file's own (header, then extension) unless one is given. False, with the scene as it
    // was, when the file is refused or the import cancelled.
    void ImportScenery();
    bool ImportSceneryFile(const std::filesystem::path &path, int type = 0);
    void OpenPipe();
    void ChooseTexture();
    // The same without the file dialog, for a path already chosen.
    bool OpenChestFile(const std::filesystem::path &path);
    bool OpenOrganFile(const std::filesystem::path &path);

    // ---- printing (five horizontal strips of one wide drawing) ----
    static constexpr int kPrintPages = 5;
    void BeginPrinting();
    // Page 1 ... 5 on a canvas of the page's size in device pixels.
    void PrintPage(Canvas &canvas, int page, int pageWidth, int pageHeight);
    // The pages a print dialog's range asks for, in order: from..to within 1..5; an unset end
    // (0) stands for the first or the last page.
    static std::vector<int> PagesToPrint(int from, int to);
    void EndPrinting();
    bool Printing() const { return m_drawing.Printing(); }
    // The current 3D frame as top-down RGBA rows, handed over by the window for printing.
    struct Frame {
        int width = 0, height = 0;
        std::vector<std::uint8_t> rgba;
    };
    Frame m_printFrame;

    // ---- small commands ----
    void EditPipePositions();
    void DisplayInfos();
    // "Stop from Scale...": the stop appended to the current chest, laid out, drawn again.
    void StopFromScale();
    // "Check Chest": the current chest's file checked as it was opened; the findings go to the
    // window's findings panel.
    void CheckChest();
    // A finding chosen in the panel: its pipes (or its stop) selected and marked in the 2D drawing,
    // brought into view when outside it.
    void SelectFinding(int index);
    // "Export Workshop Report...": the current chest's report written as a PDF file.
    void ExportWorkshopReport();
    // The file the current chest was read from (no partition file: the view opens chests without
    // one); nothing for a chest that has none (circles, or no chest).
    std::optional<ChestFiles> CurrentChestFiles() const;
    // "Scale Chart": the chart of the current chest's stops.
    void ShowScaleChart();
    // A stop chosen on the chart: its first pipe picked in the 2D view, as a click would.
    void SelectStop(int stop);
    void PrintingScaleDialog();
    void LineWidthDialog();
    void ChooseColour();
    void SetBackground(std::uint32_t colour);
    void ToggleSpin();
    // "Fit Organ": the camera moved back along its direction until the whole scene fills the view,
    // shown in 3D. With nothing in the scene only the status line says so.
    void FitOrgan();
    void ToggleDisplay3D();
    void TogglePicking();
    void CreateKeyboard();
    void CreatePedalboard();
    void WritePedalboardDxf();
    void CreateBackground();
    void CreateBar();
    void AddAxes();
    // The outline editors and the Create items that build from outlines.
    void OpenPolylineDialog();
    void OpenLoftEditor();
    void CloseLoftEditor();
    void CreateTower();
    void Extrude();
    void CreateTurret();
    // "Edit Chest Position" and "Display chests": the chest-position dialog, made on first use.
    void ShowChestPositions();
    // Removes chest i from the organ, the following ones moving up; the scene is built again.
    void DeleteChest(int i);
    // The scene's objects changed outside the view's own sequences.
    void SceneEdited() { FinishScene(); }

    // Asks for a file; on OK g_fileName and the work folder follow the choice.
    bool AskFileName(const char *filter, const char *title);
    void Repaint();

private:
    void NewScene();
    // The tower's two outlines at their offsets, once "TOWER" has built them.
    void PaintTowerOutlines(Canvas &canvas);
    // A left drag in a 2D picture: the pan follows the mouse from its last point.
    void Pan2D(ScreenPoint p);
    // The chosen finding's pipes, over the chest drawing.
    void PaintFindingMarks();
    // The findings are about a chest no longer shown (another file read into its record).
    void ForgetFindings();
    // The scene after its objects changed: bounds now, display lists at the next 3D paint.
    void FinishScene();
    void EnsureChests();
    // Runs a reading of the file last chosen; a fatal input error is shown with the file's name
    // and counts as a failure (the program goes on with the data it had).
    bool Guarded(const std::function<bool()> &read);
    void StopSpinning();
    bool WithGl();

    Ui &m_ui;
    ViewHost &m_host;
    bool m_glReady = false;
    bool m_sceneChanged = true;
    int m_savedLineWidth = 1;
};

} // namespace ventrel
