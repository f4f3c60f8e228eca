// The main window: menus and toolbars from the command table, status bar, the 2D and 3D views.
#include "MainWindow.h"

#include "ToolbarIcons.h"

#include "ChestView2D.h"
#include "DialogWidgets.h"
#include "EditorWindows.h"
#include "ExportSettings.h"
#include "FindingsPanel.h"
#include "GuideWindow.h"
#include "OrganView3D.h"
#include "QtUi.h"
#include "ScaleWidgets.h"

#include "app/CommandTable.h"
#include "app/VentrelView.h"
#include "platform/qtgui/PdfPages.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QOpenGLContext>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace ventrel {

MainWindow::MainWindow() {
    setWindowTitle(kTitle);
    setAcceptDrops(true);
    m_statusPane = new QLabel;
    m_statusPane->setObjectName("StatusPane");
    m_ui = std::make_unique<QtUi>(this, m_statusPane, [this] { Sync(); });
    m_view = std::make_unique<CVentrelView>(*m_ui, *this);
    m_view->m_exportForCam = LoadExportForCam();

    m_stack = new QStackedWidget;
    m_view2D = new ChestView2D(*m_view, *m_ui);
    m_stack->addWidget(m_view2D);
    setCentralWidget(m_stack);

    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    connect(&m_spinTimer, &QTimer::timeout, this, [this] { m_view->OnTimer(kSpinTimer); });
    m_endProgram = [this](int code) {
        close();
        QCoreApplication::exit(code);
    };
    m_view2D->setFocus();
    Sync();
}

MainWindow::~MainWindow() {
    // The modeless windows go before the models they show; the scene's display lists go with the
    // 3D widget's context, which is still there.
    m_pipeWindow.reset();
    m_polylineWindow.reset();
    m_loftWindow.reset();
    m_chestWindow.reset();
    m_view.reset();
}

OrganView3D *MainWindow::EnsureView3D() {
    // Made on first use: until then the window needs no OpenGL at all, starts sooner, and shows
    // chests in 2D on a machine without it.
    if (!m_view3D && !m_noOpenGl) {
        QOpenGLContext probe;
        if (!probe.create()) {
            // The 3D display stays empty; the 2D drawing is unaffected.
            m_noOpenGl = true;
            m_statusPane->setText("OpenGL is not available: the 3D display stays empty");
            return nullptr;
        }
        m_view3D = new OrganView3D(*m_view, *m_ui);
        m_stack->addWidget(m_view3D);
        if (m_view3DCreated)
            m_view3DCreated(m_view3D);
    }
    return m_view3D;
}

QAction *MainWindow::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolBar *MainWindow::Toolbar(int id) const {
    const auto it = m_toolbars.find(id);
    return it == m_toolbars.end() ? nullptr : it->second;
}

QAction *MainWindow::MakeAction(int id) {
    if (QAction *existing = Action(id))
        return existing;
    const Command *command = FindCommand(id);
    auto *action = new QAction(this);
    action->setObjectName(QString("command%1").arg(id));
    action->setData(id);
    if (command) {
        const std::string text = command->menuText;
        const auto tab = text.find('\t');
        action->setText(QString::fromStdString(text.substr(0, tab)));
        const std::string accelerator = Accelerator(command->menuText);
        if (!accelerator.empty())
            action->setShortcut(QKeySequence(QString::fromStdString(accelerator)));
        action->setToolTip(
            QString::fromStdString(*command->tip ? command->tip : PlainText(command->menuText)));
        action->setCheckable(command->Checkable());
    }
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    m_actions[id] = action;
    return action;
}

void MainWindow::BuildMenus() {
    for (const Menu &menu : Menus()) {
        QMenu *qmenu = menuBar()->addMenu(menu.title);
        connect(qmenu, &QMenu::aboutToShow, this, &MainWindow::Sync);
        for (int id : menu.items) {
            if (id == kSeparator) {
                qmenu->addSeparator();
            } else if (id == kRecentFiles) {
                m_fileMenu = qmenu;
                m_recentAnchor = qmenu->addSeparator();
                m_recentAnchor->setVisible(false);
            } else {
                qmenu->addAction(MakeAction(id));
            }
        }
    }
    FillRecentFiles();
}

void MainWindow::FillRecentFiles() {
    for (QAction *action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    int number = 1;
    for (const QString &file : m_recent.Files()) {
        auto *action =
            new QAction(QString("&%1 %2").arg(number++).arg(QFileInfo(file).fileName()), this);
        action->setToolTip(file);
        connect(action, &QAction::triggered, this, [this, file] { OpenDocument(file); });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions.push_back(action);
    }
}

void MainWindow::BuildToolbars() {
    for (int toolbar : {kMainToolbar, kSecondToolbar}) {
        QToolBar *bar = addToolBar(QString("Toolbar %1").arg(toolbar));
        bar->setObjectName(QString("toolbar%1").arg(toolbar));
        bar->setMovable(false);
        m_toolbars[toolbar] = bar;
        for (int id : ToolbarButtons(toolbar)) {
            if (id == kSeparator) {
                bar->addSeparator();
                continue;
            }
            QAction *action = MakeAction(id);
            const Command *command = FindCommand(id);
            // The button keeps its tooltip, and its short text where a style shows text.
            if (command && *command->picture)
                action->setIcon(ToolbarIcon(command->picture));
            if (command && *command->buttonText)
                action->setIconText(command->buttonText);
            bar->addAction(action);
        }
    }
}

void MainWindow::BuildStatusBar() {
    statusBar()->addWidget(m_statusPane, 1);
    for (const char *indicator : {"CAP", "NUM", "SCRL"}) {
        auto *label = new QLabel(indicator);
        label->setEnabled(false);
        statusBar()->addPermanentWidget(label);
    }
    m_statusPane->setText("Ready");
}

void MainWindow::Run(int id) {
    RunCommand(*m_view, id);
    Sync();
}

void MainWindow::Sync() {
    // Nothing to show while the view is being destroyed (its dialogs close and ask for a repaint).
    if (m_syncing || !m_view)
        return;
    m_syncing = true;
    for (const auto &[id, action] : m_actions) {
        action->setEnabled(IsEnabled(*m_view, id));
        if (action->isCheckable())
            action->setChecked(IsChecked(*m_view, id));
    }
    QWidget *shown = m_view2D;
    if (m_view->Shows3D())
        if (OrganView3D *view3D = EnsureView3D())
            shown = view3D;
    if (m_stack->currentWidget() != shown) {
        const bool focused = m_stack->currentWidget() && m_stack->currentWidget()->hasFocus();
        m_stack->setCurrentWidget(shown);
        if (focused)
            shown->setFocus();
    }
    shown->update();
    ReloadEditorWindows();
    m_syncing = false;
}

bool MainWindow::OpenDocument(const QString &path) {
    const bool opened = m_view->OpenDocument(QFileInfo(path).absoluteFilePath().toStdString());
    m_ui->SetFolder(QFileInfo(path).absolutePath().toStdString());
    Sync();
    return opened;
}

void MainWindow::OpenCommandLine(const QStringList &arguments) {
    bool fit = false;
    QString file;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--fit")
            fit = true;
        else if (file.isEmpty() && !arguments[i].startsWith('-'))
            file = arguments[i];
    }
    if (!file.isEmpty())
        OpenDocument(file);
    if (fit)
        Run(kFitOrgan);
}

void MainWindow::DocumentOpened(const std::filesystem::path &path) {
    m_recent.Add(QString::fromStdString(path.string()));
    FillRecentFiles();
}

void MainWindow::ExportForCamChanged(bool forCam) {
    SaveExportForCam(forCam);
}

void MainWindow::ShowFindings(std::vector<std::string> lines, const std::string &chestName) {
    if (!m_findingsPanel) {
        m_findingsPanel = new FindingsPanel(this);
        m_findingsPanel->onFinding = [this](int row) {
            m_view->SelectFinding(row);
            Sync();
        };
        addDockWidget(Qt::BottomDockWidgetArea, m_findingsPanel);
    }
    m_findingsPanel->Show(lines, chestName);
}

void MainWindow::ClearFindings() {
    if (m_findingsPanel)
        m_findingsPanel->Clear();
}

bool MainWindow::WritePdf(const std::filesystem::path &path, int widthMm, int heightMm,
                          const std::string &title, const std::function<void(CanvasPages &)> &paint,
                          std::string &error) {
    return WritePdfPages(path, widthMm, heightMm, title, paint, error);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            OpenDocument(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    if (!ViewInput::Key(*m_view, event))
        QMainWindow::keyPressEvent(event);
}

// ---- ViewHost ----

void MainWindow::SetTitle(const std::string &title) {
    setWindowTitle(QString::fromStdString(title));
}

void MainWindow::SetTimer(int id, int milliseconds) {
    if (id == kSpinTimer)
        m_spinTimer.start(milliseconds);
}

void MainWindow::KillTimer(int id) {
    if (id == kSpinTimer)
        m_spinTimer.stop();
}

void MainWindow::EndProgram(int code) {
    m_spinTimer.stop();
    if (m_endProgram)
        m_endProgram(code);
}

GlContext *MainWindow::Gl() {
    return m_view3D && m_view3D->Ready() ? m_view3D : nullptr;
}

bool MainWindow::RunElectros(ElectrosDialog &dialog) {
    ElectrosDialogWidget widget(dialog, this);
    return widget.exec() == QDialog::Accepted;
}

bool MainWindow::RunValueDialog(ValueDialog &dialog) {
    ValueDialogWidget widget(dialog, *m_ui, this);
    return widget.exec() == QDialog::Accepted;
}

bool MainWindow::RunScaleDialog(ScaleDialog &dialog) {
    ScaleDialogWidget widget(dialog, this);
    return widget.exec() == QDialog::Accepted;
}

void MainWindow::ShowScaleChart(std::vector<ChartLine> lines, const std::string &chestName) {
    if (!m_chartWindow) {
        m_chartWindow = std::make_unique<ScaleChartWindow>();
        m_chartWindow->onStop = [this](int stop) {
            m_view->SelectStop(stop);
            Sync();
        };
    }
    m_chartWindow->Show(std::move(lines), chestName);
}

void MainWindow::ToggleBar(int id) {
    if (id == kToolbar) {
        const bool visible = !BarVisible(id);
        for (const auto &[number, bar] : m_toolbars)
            bar->setVisible(visible);
    } else if (id == kStatusBar) {
        statusBar()->setVisible(!statusBar()->isVisible());
    }
}

bool MainWindow::BarVisible(int id) const {
    if (id == kToolbar)
        return Toolbar(kMainToolbar) && !Toolbar(kMainToolbar)->isHidden();
    if (id == kStatusBar)
        return !const_cast<MainWindow *>(this)->statusBar()->isHidden();
    return false;
}

} // namespace ventrel
