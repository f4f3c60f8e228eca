// The main window: menus and toolbars from the command table, status bar, the 2D and 3D views.
#pragma once

#include "RecentFiles.h"

#include "app/ViewHost.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;
class QToolBar;

namespace ventrel {

class CVentrelView;
class ChestPositionWindow;
class ChestView2D;
class FindingsPanel;
class GuideWindow;
class LoftEditorWindow;
class OrganView3D;
class PipePositionWindow;
class PolylineWindow;
class ScaleChartWindow;
class QtUi;

class MainWindow : public QMainWindow, public ViewHost {
    Q_OBJECT
public:
    static constexpr const char *kTitle = "Ventrel";

    MainWindow();
    ~MainWindow() override;

    CVentrelView &View() { return *m_view; }
    QtUi &GetUi() { return *m_ui; }
    QAction *Action(int id) const;
    QToolBar *Toolbar(int id) const;
    ChestView2D *View2D() const { return m_view2D; }
    // The 3D view, or nullptr before the 3D display was first shown (or without OpenGL).
    OrganView3D *View3D() const { return m_view3D; }
    OrganView3D *EnsureView3D();
    // Called once the 3D view exists.
    std::function<void(OrganView3D *)> m_view3DCreated;
    QLabel *StatusPane() const { return m_statusPane; }
    PipePositionWindow *PipeWindow() const { return m_pipeWindow.get(); }
    PolylineWindow *PolylineEditor() const { return m_polylineWindow.get(); }
    LoftEditorWindow *LoftWindow() const { return m_loftWindow.get(); }
    ChestPositionWindow *ChestWindow() const { return m_chestWindow.get(); }
    GuideWindow *Guide() const { return m_guideWindow.get(); }
    ScaleChartWindow *ChartWindow() const { return m_chartWindow.get(); }
    // The checker's findings panel, or nullptr before the first "Check Chest".
    FindingsPanel *Findings() const { return m_findingsPanel; }
    QMenu *RecentMenuAnchor() const { return m_fileMenu; }

    // Opens a file named on the command line or dropped on the window.
    bool OpenDocument(const QString &path);
    // The program's arguments (the program first): the file they name is opened, then "--fit"
    // frames the whole scene. Other options are Qt's own and were taken by it.
    void OpenCommandLine(const QStringList &arguments);
    // Prints the five pages on a printer that is ready (a real one, a PDF file or a preview).
    void PrintTo(QPrinter &printer);
    // Brings menus, toolbar buttons and the shown view up to date with the view's state.
    void Sync();
    // What ending the program does (tests replace it); by default the application quits.
    std::function<void(int)> m_endProgram;

    // ---- ViewHost ----
    void SetTitle(const std::string &title) override;
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void EndProgram(int code) override;
    GlContext *Gl() override;
    bool RunElectros(ElectrosDialog &dialog) override;
    bool RunValueDialog(ValueDialog &dialog) override;
    void ShowAbout() override;
    void ShowGuide() override;
    void ShowPipePositions(PipePositionDialog &dialog) override;
    void ShowPolylineDialog(PolylineDialog &dialog) override;
    void ShowLoftEditor(LoftEditor &editor) override;
    void ShowChestPositions(ChestPositionDialog &dialog) override;
    void LoftEditorClosed() override;
    bool RunScaleDialog(ScaleDialog &dialog) override;
    void ShowScaleChart(std::vector<ChartLine> lines, const std::string &chestName) override;
    void Print() override;
    void PrintPreview() override;
    void ToggleBar(int id) override;
    bool BarVisible(int id) const override;
    void DocumentOpened(const std::filesystem::path &path) override;
    void ExportForCamChanged(bool forCam) override;
    void ShowFindings(std::vector<std::string> lines, const std::string &chestName) override;
    void ClearFindings() override;
    bool WritePdf(const std::filesystem::path &path, int widthMm, int heightMm,
                  const std::string &title, const std::function<void(CanvasPages &)> &paint,
                  std::string &error) override;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildMenus();
    void BuildToolbars();
    void BuildStatusBar();
    void FillRecentFiles();
    void Run(int id);
    QAction *MakeAction(int id);

    QLabel *m_statusPane = nullptr;
    std::unique_ptr<QtUi> m_ui;
    std::unique_ptr<CVentrelView> m_view;
    QStackedWidget *m_stack = nullptr;
    ChestView2D *m_view2D = nullptr;
    OrganView3D *m_view3D = nullptr;
    std::map<int, QAction *> m_actions;
    std::map<int, QToolBar *> m_toolbars;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentAnchor = nullptr;
    std::vector<QAction *> m_recentActions;
    RecentFiles m_recent;
    QTimer m_spinTimer;
    // The modeless windows (destroyed with the main window, before the view).
    void ReloadEditorWindows();
    std::unique_ptr<PipePositionWindow> m_pipeWindow;
    std::unique_ptr<PolylineWindow> m_polylineWindow;
    std::unique_ptr<LoftEditorWindow> m_loftWindow;
    std::unique_ptr<ChestPositionWindow> m_chestWindow;
    std::unique_ptr<GuideWindow> m_guideWindow;
    std::unique_ptr<ScaleChartWindow> m_chartWindow;
    FindingsPanel *m_findingsPanel = nullptr;
    bool m_syncing = false;
    bool m_noOpenGl = false;
};

} // namespace ventrel
