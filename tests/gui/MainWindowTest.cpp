// The desktop main window driven as a person would: menus, file dialogs, keys, mouse, printing.
#include "GuiTestSupport.h"
#include "TestFolder.h"

#include "app/CommandTable.h"
#include "app/VentrelView.h"
#include "gui/ChestView2D.h"
#include "gui/DialogWidgets.h"
#include "gui/FindingsPanel.h"
#include "gui/GuideWindow.h"
#include "gui/MainWindow.h"
#include "gui/OrganView3D.h"
#include "gui/RecentFiles.h"
#include "render/Snapshot.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>

using namespace ventrel;
using namespace ventrel::test;

namespace {

std::string ReadFile(const std::filesystem::path &path) {
    return test::ReadBytes(path);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menusAndToolbarsComeFromTheCommandTable();
    void openChestZoomPanAndPick();
    void openOrganShows3DAndTurnsWithTheMouse();
    void rightClickNamesTheObjectWhilePickingIsOn();
    void printsFivePagesToPdf();
    void newTwice();
    void savedOrganIsByteForByte();
    void electrosDialogRefreshAndOk();
    void quitCancelledByItsDialogAndEscape();
    void commandLineDropAndRecentFiles();
    void f1OpensTheUserGuide();
    void importSceneryAroundTheOrgan();
    void fitOnTheCommandLineAndHome();
    void exportDxfForCamIsRemembered();
    void checkChestInItsPanelAndTheWorkshopReport();

private:
    void Trigger(int id) { test::Trigger(*m_window, id); }
    // "Export DXF", with OK to each of its messages ("will be stored", "has been stored").
    void ExportDxfAnsweringItsMessages() {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto *box = VisibleModal<QMessageBox>())
                box->button(QMessageBox::Ok)->click();
        });
        answer.start(20);
        Trigger(kExportDxf);
    }
    QString File(const char *name) const { return m_folder.filePath(name); }
    CVentrelView &View() { return m_window->View(); }

    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
    int m_endCode = -1;
};

void MainWindowTest::initTestCase() {
    QVERIFY(m_folder.isValid());
    CopyExamples(m_folder.path());
}

void MainWindowTest::init() {
    m_window = std::make_unique<MainWindow>();
    m_endCode = -1;
    m_window->m_endProgram = [this](int code) { m_endCode = code; };
    m_window->resize(1000, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup() {
    m_window.reset();
}

void MainWindowTest::menusAndToolbarsComeFromTheCommandTable() {
    QToolBar *main = m_window->Toolbar(kMainToolbar);
    QVERIFY(main);
    QList<int> ids;
    for (QAction *action : main->actions())
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    QCOMPARE(ids, QList<int>({kNew,
                              kOpenChest,
                              kSaveOrgan,
                              0,
                              kCut,
                              kCopy,
                              kPaste,
                              0,
                              kPrint,
                              kAbout,
                              kRotationStepDown,
                              0,
                              kRotationStepUp,
                              0,
                              kTranslationStepDown,
                              kTranslationStepUp,
                              kNoAction,
                              kPickObjects,
                              0,
                              kFitOrgan}));
    QCOMPARE(m_window->Toolbar(kSecondToolbar)->actions().size(), 5);
    // Every button shows its own picture, drawn for 1x and 2x, and keeps its tooltip.
    for (QToolBar *bar : {main, m_window->Toolbar(kSecondToolbar)})
        for (QAction *action : bar->actions())
            if (!action->isSeparator()) {
                const QIcon icon = action->icon();
                QVERIFY2(!icon.isNull(), qPrintable(action->toolTip()));
                QVERIFY(icon.availableSizes().contains(QSize(24, 24)));
                QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
            }
    QVERIFY(m_window->Action(kRotationStepDown)->icon().cacheKey() !=
            m_window->Action(kRotationStepUp)->icon().cacheKey());
    QCOMPARE(m_window->Action(kRotationStepDown)->toolTip(), QString("Rotation step - (x 0.8)"));
    for (int id : {kCancel, kCut, kCopy, kPaste, kFontSize14, kFontSize18, kViewBottom,
                   kLineVertical, kArc, kNoAction, kSecondBar1})
        QVERIFY2(!m_window->Action(id)->isEnabled(), qPrintable(QString::number(id)));
    QCOMPARE(m_window->Action(kToggleRotationAxis)->text(), QString("Toogle Rotation Axis "));
    QCOMPARE(m_window->Action(kOpenChest)->text(), QString("&Open Chest"));
    QCOMPARE(m_window->Action(kOpenChest)->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(m_window->Action(kExportDxf)->shortcut(), QKeySequence("Ctrl+D"));
    QCOMPARE(m_window->Action(kFitOrgan)->shortcut(), QKeySequence(Qt::Key_Home));
    QVERIFY(!m_window->Action(kGrid)->isChecked());
    Trigger(kGrid);
    QVERIFY(m_window->Action(kGrid)->isChecked());
    QCOMPARE(m_window->windowTitle(), QString("Ventrel"));
}

void MainWindowTest::openChestZoomPanAndPick() {
    AnswerFileDialog(File("grand-orgue.dat"));
    Trigger(kOpenChest);
    QCOMPARE(View().ChestCount(), 1);
    QCOMPARE(m_window->windowTitle(), File("grand-orgue.dat"));
    ChestView2D *view2D = m_window->View2D();
    QVERIFY(view2D->isVisible());

    const float start = View().m_drawing.g_scale2D;
    QTest::keyClick(view2D, Qt::Key_PageUp);
    QTest::keyClick(view2D, Qt::Key_PageUp);
    QVERIFY(qAbs(View().m_drawing.g_scale2D - start * 1.44f) < 1e-5);
    QTest::keyClick(view2D, Qt::Key_PageDown);
    QVERIFY(qAbs(View().m_drawing.g_scale2D - start * 1.152f) < 1e-5);
    QWheelEvent up(QPointF(50, 50), view2D->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view2D, &up);
    QVERIFY(qAbs(View().m_drawing.g_scale2D - start * 1.3824f) < 1e-5);
    View().m_drawing.g_scale2D = 1.0f;

    QTest::mousePress(view2D, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view2D, QPoint(105, 97));
    QTest::mouseRelease(view2D, Qt::LeftButton, {}, QPoint(105, 97));
    QCOMPARE(View().m_drawing.g_pan.x, 5);
    QCOMPARE(View().m_drawing.g_pan.y, -3);

    Trigger(kEditPipePositions);
    QVERIFY(m_window->PipeWindow() && m_window->PipeWindow()->isVisible());
    const CStop &stop = (*View().g_chests)[0].Stop(0);
    const QPoint pipe(View().m_drawing.ScreenX(stop.X(2)), View().m_drawing.ScreenY(stop.Y(2)));
    QTest::mouseClick(view2D, Qt::LeftButton, {}, pipe);
    const QString status = m_window->StatusPane()->text();
    QVERIFY2(status.startsWith("Pipe "), qPrintable(status));
    QVERIFY(status.contains("Register: "));
    QVERIFY(!m_window->PipeWindow()->Edit(1059)->text().isEmpty());
    m_window->PipeWindow()->close();
}

void MainWindowTest::openOrganShows3DAndTurnsWithTheMouse() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(kOpenOrgan);
    QCOMPARE(View().ChestCount(), 4);
    OrganView3D *view3D = m_window->View3D();
    QTRY_VERIFY(view3D->isVisible());
    QTRY_VERIFY(view3D->Ready());
    QVERIFY(m_window->Action(kDisplay3D)->isChecked());
    const float x = View().g_scene->m_translation.x;
    QTest::mousePress(view3D, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(view3D, QPoint(210, 200));
    QTest::mouseRelease(view3D, Qt::LeftButton, {}, QPoint(210, 200));
    QCOMPARE(View().g_scene->m_translation.x, x + 10 * View().g_scene->m_translateStep);
    // Back to 2D with "Display 3D".
    Trigger(kDisplay3D);
    QTRY_VERIFY(m_window->View2D()->isVisible());
}

void MainWindowTest::rightClickNamesTheObjectWhilePickingIsOn() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(kOpenOrgan);
    OrganView3D *view3D = m_window->View3D();
    QTRY_VERIFY(view3D->Ready());
    QTest::mouseClick(view3D, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(m_window->StatusPane()->text(), QString("ERREUR DESIGNATION"));
    Trigger(kPickObjects);
    QVERIFY(m_window->Action(kPickObjects)->isChecked());
    FitCamera(*View().g_scene, StandardView::Front);
    view3D->update();
    QTest::qWait(100);
    const QPoint centre(view3D->width() / 2, view3D->height() / 2);
    QTest::mouseClick(view3D, Qt::RightButton, {}, centre);
    const QString status = m_window->StatusPane()->text();
    QVERIFY2(status.startsWith("Objet: "), qPrintable(status));
    // Beside the organ, in the bottom right corner, nothing is picked, whatever the screen's
    // pixel ratio (the click is in logical pixels, the frame in device pixels).
    QTest::mouseClick(view3D, Qt::RightButton, {},
                      QPoint(view3D->width() - 3, view3D->height() - 3));
    QCOMPARE(m_window->StatusPane()->text(), QString("ERREUR DESIGNATION"));
}

void MainWindowTest::printsFivePagesToPdf() {
    AnswerFileDialog(File("grand-orgue.dat"));
    Trigger(kOpenChest);
    const QString pdf = File("print.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    m_window->PrintTo(printer);
    const QByteArray bytes = QByteArray::fromStdString(ReadFile(pdf.toStdString()));
    QVERIFY(bytes.startsWith("%PDF"));
    const auto pages =
        QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(bytes));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next())
        ++count;
    QCOMPARE(count, 5);
    QCOMPARE(View().m_drawing.g_textColour, 15);
    // The range chosen in the print dialog: pages 2 to 3 only.
    printer.setFromTo(2, 3);
    m_window->PrintTo(printer);
    const QString range =
        QString::fromLatin1(QByteArray::fromStdString(ReadFile(pdf.toStdString())));
    count = 0;
    for (auto it = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(range); it.hasNext();
         it.next())
        ++count;
    QCOMPARE(count, 2);
}

void MainWindowTest::newTwice() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(kOpenOrgan);
    Trigger(kNew);
    Trigger(kNew);
    QCOMPARE(View().ChestCount(), 0);
    QCOMPARE(View().g_chests->chests.size(), size_t(30));
    QCOMPARE(View().g_scene->m_nbobject, 0);
    QTRY_VERIFY(m_window->View2D()->isVisible());
}

void MainWindowTest::savedOrganIsByteForByte() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(kOpenOrgan);
    AnswerFileDialog(File("copie.org"));
    Trigger(kSaveOrganAs);
    const QByteArray expected("SOMMIER grand-orgue.dat 0 0 1000 1 0 0 \r\n"
                              "SOMMIER recit.dat 0 1400 2600 1 0 0 \r\n"
                              "SOMMIER pedale.dat -2200 600 0 1 0 0 \r\n"
                              "SOMMIER tourelle.dat 1000 -700 1000 1 0 0 \r\n"
                              "BARRE 3200 60 80 0 2900 1300 \r\n"
                              "TUYAU 60 60 2000 -600 1800 200 \r\n");
    QCOMPARE(QByteArray::fromStdString(ReadFile(File("copie.org").toStdString())), expected);
    // "Save Organ" asks first, then writes under the last chosen name.
    std::filesystem::remove(File("copie.org").toStdString());
    AnswerMessageBox(QMessageBox::Ok);
    Trigger(kSaveOrgan);
    QCOMPARE(QByteArray::fromStdString(ReadFile(File("copie.org").toStdString())), expected);
}

void MainWindowTest::electrosDialogRefreshAndOk() {
    AnswerFileDialog(File("grand-orgue.dat"));
    Trigger(kOpenChest);
    QString result;
    WhenModal<ElectrosDialogWidget>([&result](ElectrosDialogWidget *dialog) {
        dialog->findChild<QPushButton *>("Refresh")->click();
        result = dialog->findChild<QLabel *>("field1017")->text();
        dialog->Edit(1006)->setText("14");
        dialog->findChild<QPushButton *>("OK")->click();
    });
    Trigger(kDisplayInfos);
    QCOMPARE(result, QString("DIAMETRES ELECTROS OK"));
    QCOMPARE((*View().g_chests)[0].m_min_gap, 14);
}

void MainWindowTest::quitCancelledByItsDialogAndEscape() {
    AnswerFileDialog(QString());
    Trigger(kQuit);
    QCOMPARE(m_endCode, -1);
    QTest::keyClick(m_window->View2D(), Qt::Key_Escape);
    QCOMPARE(m_endCode, 0);
}

void MainWindowTest::commandLineDropAndRecentFiles() {
    QVERIFY(m_window->OpenDocument(File("orgue.org")));
    QCOMPARE(View().ChestCount(), 4);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(File("recit.dat"))});
    // A drag enters the window, then drops the file.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &drop);
    QCOMPARE(View().ChestCount(), 1);
    QCOMPARE(QString::fromStdString((*View().g_chests)[0].m_file_name), QString("recit.dat"));
    const RecentFiles recent;
    QVERIFY(recent.Files().size() >= 2);
    QCOMPARE(recent.Files().front(), File("recit.dat"));
    QCOMPARE(recent.Files().at(1), File("orgue.org"));
    QSettings settings(RecentFiles::kOrganisation, RecentFiles::kApplication);
    QCOMPARE(settings.value("Recent File List/File1").toString(), File("recit.dat"));
    // Four files at most, the latest first, each once.
    RecentFiles list;
    for (const char *name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat", "c.dat"})
        list.Add(File(name));
    QCOMPARE(list.Files(),
             QStringList({File("c.dat"), File("e.dat"), File("d.dat"), File("b.dat")}));
    QCOMPARE(RecentFiles().Files(), list.Files());
}

void MainWindowTest::f1OpensTheUserGuide() {
    QVERIFY(!m_window->Guide());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->View2D(), Qt::Key_F1);
    GuideWindow *guide = m_window->Guide();
    QVERIFY(guide);
    QVERIFY(guide->isVisible());
    QCOMPARE(guide->windowTitle(), QString(GuideWindow::kCaption));
    // The Markdown is rendered (no heading marks left) from the copy the build tree holds.
    const QString text = guide->toPlainText();
    QVERIFY(text.contains("A first chest in ten minutes"));
    QVERIFY(!text.contains("## 1."));
    QVERIFY(guide->source().toLocalFile().endsWith("share/doc/ventrel/docs/guide.md"));
    // Asking again shows the same window.
    Trigger(57670);
    QCOMPARE(m_window->Guide(), guide);
}

int main(int argc, char **argv) {
    // Settings of a throwaway home, not the person's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    OrganView3D::SetDefaultFormat();
    QApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

void MainWindowTest::importSceneryAroundTheOrgan() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(32795);
    const int organ = View().g_scene->m_nbobject;
    QVERIFY(organ > 0);

    // A big file shows a progress bar; its Cancel leaves the scene as it was.
    std::string big = "#VRML V1.0 ascii\n";
    while (big.size() < (6u << 20))
        big += "DEF Part Separator { Coordinate3 { point [ 0 0 0, 1 0 0, 1 1 0 ] } }\n";
    {
        std::ofstream out(File("big.wrl").toStdString(), std::ios::binary);
        out << big;
    }
    auto *canceller = new QTimer(m_window.get());
    auto cancelled = std::make_shared<bool>(false);
    QObject::connect(canceller, &QTimer::timeout, [this, cancelled, canceller] {
        if (auto *cancel = m_window->findChild<QPushButton *>("progressCancel")) {
            cancel->click();
            *cancelled = true;
            canceller->stop();
        }
    });
    canceller->start(5);
    AnswerFileDialog(File("big.wrl"));
    Trigger(32901);
    QVERIFY(*cancelled);
    QCOMPARE(View().g_scene->m_nbobject, organ);
    QVERIFY(!m_window->findChild<QPushButton *>("progressCancel"));
    QVERIFY(m_window->menuBar()->isEnabled());

    // The church around the organ, shown in 3D.
    AnswerFileDialog(File("eglise.wrl"));
    Trigger(32901);
    QCOMPARE(View().g_scene->m_nbobject, organ + 16);
    QCOMPARE(QString::fromStdString(View().g_scene->Object(organ)->m_name), QString("Floor"));
    QVERIFY(View().g_scene->m_display3D);
    QTRY_VERIFY(m_window->View3D()->isVisible());
    if (const char *shot = std::getenv("VENTREL_CHURCH_SCREENSHOT")) {
        QTest::qWait(500);
        m_window->grab().save(shot);
    }

    // "Files of type" decides over the file's own kind.
    {
        std::ofstream out(File("grid.wrl").toStdString(), std::ios::binary);
        out << "0 0 0 0 x\n0 1 0 0 x\n1 0 0 0 x\n1 1 0 0 x\n";
    }
    WhenModal<QFileDialog>([this](QFileDialog *dialog) {
        dialog->selectNameFilter("Terrain grid (*.txt)");
        dialog->selectFile(File("grid.wrl"));
        if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
            name->setText(File("grid.wrl"));
        static_cast<QDialog *>(dialog)->accept();
    });
    Trigger(32901);
    QCOMPARE(View().g_scene->m_nbobject, organ + 17);
    QCOMPARE(View().g_scene->Object(organ + 16)->nbpts, 4);
}

void MainWindowTest::fitOnTheCommandLineAndHome() {
    // "ventrel --fit orgue.org": the organ opened, then framed in the 3D view.
    m_window->OpenCommandLine({"ventrel", "--fit", File("orgue.org")});
    QCOMPARE(View().ChestCount(), 4);
    QTRY_VERIFY(m_window->View3D() && m_window->View3D()->isVisible());
    const Vec3 fitted = View().g_scene->m_translation;
    QVERIFY(!(fitted == Vec3{0, 0, -1000}));
    // Moved away with the wheel, then Home frames it again from the same place.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    View().OnWheel(120, {100, 100});
    QVERIFY(!(View().g_scene->m_translation == fitted));
    QTest::keyClick(m_window->View3D(), Qt::Key_Home);
    QCOMPARE(View().g_scene->m_translation, fitted);
    // From 2D, Home shows the 3D view.
    Trigger(kDisplay3D);
    QTRY_VERIFY(m_window->View2D()->isVisible());
    QTest::keyClick(m_window->View2D(), Qt::Key_Home);
    QTRY_VERIFY(m_window->View3D()->isVisible());
    // Without --fit the file opens with its own camera.
    m_window->OpenCommandLine({"ventrel", File("orgue.org")});
    QCOMPARE(View().g_scene->m_translation, (Vec3{0, 0, -1000}));
}

void MainWindowTest::exportDxfForCamIsRemembered() {
    QAction *forCam = m_window->Action(kExportDxfForCam);
    QVERIFY(forCam->isCheckable());
    QVERIFY(!forCam->isChecked());
    AnswerFileDialog(File("recit.dat"));
    Trigger(kOpenChest);
    Trigger(kExportDxfForCam);
    QVERIFY(forCam->isChecked());
    QSettings settings(RecentFiles::kOrganisation, RecentFiles::kApplication);
    QCOMPARE(settings.value("Settings/ExportDxfForCam").toBool(), true);
    ExportDxfAnsweringItsMessages();
    QVERIFY(ReadFile(File("recit_som.dxf").toStdString()).find("$INSUNITS") != std::string::npos);
    {
        // The next session starts with the item checked.
        MainWindow next;
        QVERIFY(next.Action(kExportDxfForCam)->isChecked());
        QVERIFY(next.View().m_exportForCam);
    }
    Trigger(kExportDxfForCam);
    QVERIFY(!forCam->isChecked());
    QCOMPARE(QSettings(RecentFiles::kOrganisation, RecentFiles::kApplication)
                 .value("Settings/ExportDxfForCam")
                 .toBool(),
             false);
    ExportDxfAnsweringItsMessages();
    QVERIFY(ReadFile(File("recit_som.dxf").toStdString()).find("$INSUNITS") == std::string::npos);
}

void MainWindowTest::checkChestInItsPanelAndTheWorkshopReport() {
    // Without a chest: a clear message, no panel.
    QString said;
    WhenModal<QMessageBox>([&said](QMessageBox *box) {
        said = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    Trigger(kCheckChest);
    QVERIFY(said.startsWith("Open a chest file (.dat) first"));
    QVERIFY(!m_window->Findings());

    // Two stops 15 mm apart: pipes, holes and valves too close.
    const std::string stop = "NTUYAUX 2\nTUYAU1 1\nINCX 3\nFORME:ROND\nXY0 100 %1\n/ d\n20 20\n"
                             "/ h\n20 20\n/ f\n20 20\nHAUTEURS\n1000 1000\n";
    std::ofstream(File("crowded.dat").toStdString())
        << "JEU Bourdon8\n" + QString::fromStdString(stop).arg(100).toStdString()
        << "JEU Flute4\n" + QString::fromStdString(stop).arg(115).toStdString();
    AnswerFileDialog(File("crowded.dat"));
    Trigger(kOpenChest);
    Trigger(kCheckChest);
    FindingsPanel *panel = m_window->Findings();
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QListWidget *list = panel->List();
    QVERIFY(list->count() > 0);
    QVERIFY(list->item(0)->text().startsWith("crowded.dat:"));
    QVERIFY(panel->Heading()->text().startsWith("crowded.dat: "));
    // A click on a row selects its pipes in the 2D view.
    const int last = list->count() - 1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(last)).center());
    QCOMPARE(View().m_markedPipes, View().m_findings[size_t(last)].pipes);
    QVERIFY(m_window->View2D()->isVisible());
    QCOMPARE(m_window->StatusPane()->text(), list->item(last)->text());
    // Checking again fills the list anew.
    Trigger(kCheckChest);
    QCOMPARE(list->count(), int(View().m_findings.size()));

    // The workshop report, through the save dialog: a PDF of the chest.
    AnswerFileDialog(File("crowded-report.pdf"));
    Trigger(kExportWorkshopReport);
    QCOMPARE(
        QByteArray::fromStdString(ReadFile(File("crowded-report.pdf").toStdString()).substr(0, 5)),
        QByteArray("%PDF-"));

    // Another chest opened: the list is emptied.
    AnswerFileDialog(File("recit.dat"));
    Trigger(kOpenChest);
    QCOMPARE(list->count(), 0);
}

#include "MainWindowTest.moc"
