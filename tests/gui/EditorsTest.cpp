// The outline editors and position windows driven as a person would: clicks, buttons, file dialogs.
#include "GuiTestSupport.h"
#include "TestFolder.h"

#include "app/CommandTable.h"
#include "app/VentrelView.h"
#include "dialogs/ChestPositionDialog.h"
#include "dialogs/LoftEditor.h"
#include "dialogs/PipePositionDialog.h"
#include "dialogs/PolylineDialog.h"
#include "gui/ChestView2D.h"
#include "gui/DialogWidgets.h"
#include "gui/EditorWindows.h"
#include "gui/MainWindow.h"
#include "gui/OrganView3D.h"
#include "outline/L_2D_Drawing.h"
#include "render/CObject3D.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace ventrel;
using namespace ventrel::test;

namespace {

// Replaces the text of an edit as a user would: select everything, type.
void Type(QLineEdit *edit, const QString &text) {
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ClickRow(QListWidget *list, int row) {
    QVERIFY(list && list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

float LowestX(const Scene &scene) {
    float lowest = 1e30f;
    for (int i = 0; i < scene.m_nbobject; ++i)
        if (const CObject3D *object = scene.Object(i))
            for (const Vec3 &p : object->m_vertices)
                lowest = std::min(lowest, p.x);
    return lowest;
}

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyCommandButTheGreyedOnesIsLive();
    void polylineOfClicksSnapUndoAndQuartersIsSaved();
    void loftEditorMakesALoftFromTwoOutlines();
    void towerTwice();
    void deleteTheSecondOfThreeChests();
    void refreshMovesAChestAndRebuilds3D();
    void refreshMovesThePickedPipe();
    void modelessWindowsDoNotKeepTheProgramAlive();

private:
    void Trigger(int id) { test::Trigger(*m_window, id); }
    QString File(const char *name) const { return m_folder.filePath(name); }
    CVentrelView &View() { return m_window->View(); }
    // With VENTREL_SCREENSHOTS set, the widget's picture is saved there under this name.
    void Shot(QWidget *widget, const char *name) {
        const QByteArray folder = qgetenv("VENTREL_SCREENSHOTS");
        if (folder.isEmpty() || !widget)
            return;
        QTest::qWait(100);
        QImage image = widget->grab().toImage();
        if (auto *view3D = qobject_cast<OrganView3D *>(widget))
            image = view3D->grabFramebuffer();
        image.save(QString("%1/%2.png").arg(QString::fromLocal8Bit(folder), name));
    }
    void AddChests(std::initializer_list<const char *> names) {
        for (const char *name : names) {
            AnswerFileDialog(File(name));
            Trigger(kAddChest);
        }
    }

    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void EditorWindowsTest::initTestCase() {
    QVERIFY(m_folder.isValid());
    CopyExamples(m_folder.path());
}

void EditorWindowsTest::init() {
    m_window = std::make_unique<MainWindow>();
    m_window->m_endProgram = [](int) {};
    m_window->resize(1000, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void EditorWindowsTest::cleanup() {
    m_window.reset();
}

void EditorWindowsTest::everyCommandButTheGreyedOnesIsLive() {
    const QList<int> greyed = {kCancel,     kCut,        kCopy,         kPaste,      kFontSize14,
                               kFontSize18, kViewBottom, kLineVertical, kArc,        kNoAction,
                               kSecondBar1, kSecondBar2, kSecondBar3,   kSecondBar4, kSecondBar5};
    for (const Command &command : Commands()) {
        QAction *action = m_window->Action(command.id);
        QVERIFY2(action, qPrintable(QString::number(command.id)));
        QVERIFY2(action->isEnabled() != greyed.contains(command.id),
                 qPrintable(QString::number(command.id)));
    }
}

void EditorWindowsTest::polylineOfClicksSnapUndoAndQuartersIsSaved() {
    Trigger(kPolyline);
    PolylineWindow *dialog = m_window->PolylineEditor();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(m_window->View2D()->isVisible());
    QTest::mouseClick(dialog->Button(PolylineDialog::kPolyline), Qt::LeftButton);
    QCOMPARE(dialog->Edit(PolylineDialog::kTool)->text(), QString("POLYLINE"));

    ChestView2D *view = m_window->View2D();
    for (QPoint click : {QPoint(29, 31), QPoint(111, 45), QPoint(130, 130)})
        QTest::mouseClick(view, Qt::LeftButton, {}, click);
    QCOMPARE(View().g_editor2D->PointCount(), 3);
    QCOMPARE(View().m_drawing.g_pan.x, 0); // no panning while drawing
    QTest::mouseClick(dialog->Button(PolylineDialog::kUndo), Qt::LeftButton);
    QCOMPARE(View().g_editor2D->PointCount(), 2);

    Type(dialog->Edit(PolylineDialog::kLength), "20");
    for (int id : {PolylineDialog::kQuarter1, PolylineDialog::kQuarter2, PolylineDialog::kQuarter3,
                   PolylineDialog::kQuarter4})
        QTest::mouseClick(dialog->Button(id), Qt::LeftButton);
    // A right click in the dialog is Undo, which right after a shape keeps the shape.
    QTest::mouseClick(dialog, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(View().g_editor2D->PointCount(), 42);
    Shot(dialog, "polyline-dialog");
    Shot(view, "polyline-outline");

    AnswerFileDialog(File("drawn.poly"));
    QTest::mouseClick(dialog->Button(PolylineDialog::kOk), Qt::LeftButton);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(View().g_fileName, std::string("drawn.poly"));
    // Points snapped to 20 pixels, then four quarters of radius 20:
    // ((1 - cos t) * 20 + px, sin t * 20 + py), t = i pi / 20 + e, the pen moved by each kind.
    QCOMPARE(QString::fromStdString(ReadBytes(File("drawn.poly").toStdString())),
             QString("        42       20.000000        40.000000      120.000000        40.000000"
                     "      120.246231        43.128689      120.978867        46.180340"
                     "      122.179871        49.079811      123.819656        51.755707"
                     "      125.857864        54.142136      128.244293        56.180340"
                     "      130.920197        57.820129      133.819656        59.021130"
                     "      136.871307        59.753765      140.000000        60.000000"
                     "      183.128693        99.753769      186.180344        99.021133"
                     "      189.079803        97.820129      191.755707        96.180344"
                     "      194.142136        94.142136      196.180344        91.755707"
                     "      197.820129        89.079811      199.021133        86.180344"
                     "      199.753769        83.128693      200.000000        80.000000"
                     "      279.753754        76.871307      279.021118        73.819656"
                     "      277.820129        70.920189      276.180328        68.244293"
                     "      274.142151        65.857864      271.755707        63.819660"
                     "      269.079803        62.179871      266.180328        60.978870"
                     "      263.128693        60.246235      260.000000        60.000000"
                     "      296.871307        60.246235      293.819672        60.978870"
                     "      290.920197        62.179871      288.244293        63.819660"
                     "      285.857849        65.857864      283.819672        68.244293"
                     "      282.179871        70.920189      280.978882        73.819656"
                     "      280.246246        76.871307      280.000000        80.000000"));

    // Opened again it continues the same outline; the Left arrow closes it.
    Trigger(kPolyline);
    QVERIFY(dialog->isVisible());
    QCOMPARE(View().g_editor2D->PointCount(), 42);
    QTest::keyClick(dialog->Button(PolylineDialog::kClear), Qt::Key_Left);
    QVERIFY(!dialog->isVisible());
}

void EditorWindowsTest::loftEditorMakesALoftFromTwoOutlines() {
    AnswerFileDialog(File("orgue.org"));
    Trigger(kOpenOrgan);
    QVERIFY(View().g_scene->m_nbobject > 3);
    Trigger(kLoft);
    LoftEditorWindow *editor = m_window->LoftWindow();
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(View().g_scene->m_nbobject, 3);
    QCOMPARE(editor->Edit(LoftEditor::kCouple)->text(), QString("Polyline 1 ?"));
    QCOMPARE(editor->Planes(LoftEditor::kCouplePlane)->count(), 6);
    QCOMPARE(editor->Planes(LoftEditor::kFormePlane)->itemText(5), QString("XoZ"));

    AnswerFileDialog(File("tourelle-profil.poly"));
    QTest::mouseClick(editor->Edit(LoftEditor::kCouple), Qt::LeftButton);
    QTRY_COMPARE(editor->Edit(LoftEditor::kCouple)->text(), QString("tourelle-profil.poly"));
    AnswerFileDialog(File("tourelle-forme.poly"));
    QTest::mouseClick(editor->Edit(LoftEditor::kForme), Qt::LeftButton);
    QTRY_COMPARE(editor->Edit(LoftEditor::kForme)->text(), QString("tourelle-forme.poly"));
    QTest::mouseClick(editor->Button(LoftEditor::kMakeLoft), Qt::LeftButton);

    const Scene &scene = *View().g_scene;
    QCOMPARE(scene.m_nbobject, 3);
    QCOMPARE(scene.Object(0)->m_name, std::string("LOFT"));
    QCOMPARE(scene.Object(1)->m_name, std::string("LOFT"));
    QVERIFY(scene.Object(0)->m_outline.size() > 1);
    const CObject3D *loft = scene.Object(2);
    QVERIFY(loft);
    QCOMPARE(loft->m_name, std::string("loft1"));
    QCOMPARE(loft->m_textureFile, std::string("motif.jpg"));
    QCOMPARE(loft->nbpts, static_cast<int>(scene.Object(0)->m_outline.size() *
                                           scene.Object(1)->m_outline.size()));
    QVERIFY(loft->nbface > 0);
    QVERIFY(View().Shows3D());
    View().g_scene->SetView(StandardView::Front);
    m_window->Sync();
    Shot(editor, "loft-editor");
    Shot(m_window->View3D(), "loft");

    QTest::mouseClick(editor->Button(LoftEditor::kOk), Qt::LeftButton);
    QVERIFY(!editor->isVisible());
    QCOMPARE(View().g_scene->m_nbobject, 0);
    m_window->Sync(); // the empty scene is drawn without touching what was freed
    QTest::qWait(50);
}

void EditorWindowsTest::towerTwice() {
    AnswerFileDialog(File("grand-orgue.dat"));
    Trigger(kOpenChest);
    const int chestObjects = View().g_scene->m_nbobject;
    QFile::remove(File("orgext_tourelle_forme.poly"));
    Trigger(kTower);
    Trigger(kTower);
    QCOMPARE(View().g_scene->m_nbobject, chestObjects + 2);
    for (const char *name : {"orgext_tourelle_couple.poly", "orgext_tourelle_couple.dxf",
                             "orgext_tourelle_forme.poly", "orgext_tourelle_forme.dxf"})
        QVERIFY2(QFile::exists(File(name)), name);
    QVERIFY(m_window->View2D()->isVisible());
    View().m_drawing.g_scale2D = 0.3f;
    View().m_drawing.g_pan = {400, 400};
    m_window->Sync();
    Shot(m_window->View2D(), "tower-outlines");
    Trigger(kDisplay3D);
    View().g_scene->SetView(StandardView::Front);
    View().g_scene->ComputeBounds();
    m_window->Sync();
    Shot(m_window->View3D(), "tower");
}

void EditorWindowsTest::deleteTheSecondOfThreeChests() {
    AddChests({"grand-orgue.dat", "recit.dat", "pedale.dat"});
    ChestPositionWindow *window = m_window->ChestWindow();
    QVERIFY(window && window->isVisible());
    QListWidget *chests = window->List(ChestPositionDialog::kChests);
    QCOMPARE(chests->count(), 3);
    ClickRow(chests, 2);
    QVERIFY(window->List(ChestPositionDialog::kStops)->count() > 0);
    QCOMPARE(window->List(ChestPositionDialog::kStops)->item(0)->text().left(5), QString("   0 "));
    Shot(window, "chest-positions");
    ClickRow(chests, 1);
    QCOMPARE(View().g_currentChest, &(*View().g_chests)[1]);
    QTest::mouseClick(window->Button(ChestPositionDialog::kDeleteChest), Qt::LeftButton);

    QCOMPARE(chests->count(), 2);
    QCOMPARE(chests->item(0)->text(), QString("   0 grand-orgue.dat"));
    QCOMPARE(chests->item(1)->text(), QString("   1 pedale.dat"));
    QCOMPARE(View().ChestCount(), 2);
    QCOMPARE((*View().g_chests)[1].m_file_name, std::string("pedale.dat"));
    QCOMPARE(View().g_currentChest, &(*View().g_chests)[1]);
    // Nothing selected: Delete Chest does nothing.
    QTest::mouseClick(window->Button(ChestPositionDialog::kDeleteChest), Qt::LeftButton);
    QCOMPARE(View().ChestCount(), 2);
    QTest::mouseClick(window->Button(ChestPositionDialog::kCancel), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    Trigger(kEditChestPosition);
    QVERIFY(window->isVisible());
}

void EditorWindowsTest::refreshMovesAChestAndRebuilds3D() {
    AddChests({"grand-orgue.dat", "recit.dat"});
    ChestPositionWindow *window = m_window->ChestWindow();
    QVERIFY(window);
    const Scene *before = View().g_scene.get();
    const float lowest = LowestX(*before);

    // Typing X replaces the drop-down list by "TOTO"; OK alone moves nothing.
    Type(window->Edit(ChestPositionDialog::kX), "-3000");
    QCOMPARE(window->Copy()->count(), 1);
    QCOMPARE(window->Copy()->itemText(0), QString("TOTO"));
    QTest::mouseClick(window->Button(ChestPositionDialog::kOk), Qt::LeftButton);
    QCOMPARE((*View().g_chests)[0].m_position[0], 0);

    Trigger(kEditChestPosition);
    Type(window->Edit(ChestPositionDialog::kX), "-3000");
    Type(window->Edit(ChestPositionDialog::kZ), "400");
    QTest::mouseClick(window->Button(ChestPositionDialog::kRefresh), Qt::LeftButton);
    QCOMPARE((*View().g_chests)[0].m_position[0], -3000);
    QCOMPARE((*View().g_chests)[0].m_position[2], 400);
    QVERIFY(View().g_scene.get() != before);
    QVERIFY(LowestX(*View().g_scene) < lowest - 2500);
    QVERIFY(View().Shows3D());
    QTRY_VERIFY(m_window->View3D() && m_window->View3D()->isVisible());
}

void EditorWindowsTest::refreshMovesThePickedPipe() {
    AnswerFileDialog(File("grand-orgue.dat"));
    Trigger(kOpenChest);
    Trigger(kEditPipePositions);
    PipePositionWindow *window = m_window->PipeWindow();
    QVERIFY(window && window->isVisible());
    CWindchest &chest = (*View().g_chests)[0];
    // A pipe near the top left corner, drawn at scale 1 without pan.
    int x = -1, y = -1;
    for (int s = 0; s < chest.StopCount() && x < 0; ++s)
        for (int k = 0; k < chest.Stop(s).PipeSlots() && x < 0; ++k)
            if (chest.Stop(s).X(k) > 60 && chest.Stop(s).X(k) < 500 && chest.Stop(s).Y(k) > 60 &&
                chest.Stop(s).Y(k) < 250) {
                x = chest.Stop(s).X(k);
                y = chest.Stop(s).Y(k);
            }
    QVERIFY(x > 0);
    QTest::mouseClick(m_window->View2D(), Qt::LeftButton, {}, QPoint(x, y));
    QCOMPARE(window->Edit(PipePositionDialog::kX)->text(), QString::number(x));
    const int stop = chest.m_selected_stop, pipe = chest.Stop(stop).m_selected_pipe;
    QVERIFY(pipe >= 0);
    Shot(window, "pipe-positions");
    m_window->Sync();
    QTest::qWait(50);
    const QImage before = m_window->View2D()->grab().toImage();

    const int newX = x + 37, newY = y + 260;
    Type(window->Edit(PipePositionDialog::kX), QString::number(newX));
    Type(window->Edit(PipePositionDialog::kY), QString::number(newY));
    QTest::mouseClick(window->Button(PipePositionDialog::kRefresh), Qt::LeftButton);
    QCOMPARE(chest.Stop(stop).X(pipe), newX);
    QCOMPARE(chest.Stop(stop).Y(pipe), newY);
    QTest::qWait(50);
    const QImage after = m_window->View2D()->grab().toImage();
    // The pipe's circle is drawn around its new place (scale 1, no pan).
    const int radius = chest.Stop(stop).W(pipe) / 2;
    int changed = 0;
    for (int dy = -radius - 1; dy <= radius + 1; ++dy)
        for (int dx = -radius - 1; dx <= radius + 1; ++dx)
            changed += before.pixel(newX + dx, newY + dy) != after.pixel(newX + dx, newY + dy);
    QVERIFY2(changed > radius, qPrintable(QString::number(changed)));
}

void EditorWindowsTest::modelessWindowsDoNotKeepTheProgramAlive() {
    Trigger(kPolyline);
    Trigger(kLoft);
    Trigger(kEditChestPosition);
    Trigger(kEditPipePositions);
    const QList<QWidget *> windows = {m_window->PolylineEditor(), m_window->LoftWindow(),
                                      m_window->ChestWindow(), m_window->PipeWindow()};
    for (QWidget *window : windows) {
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    }
    m_window.reset(); // the windows go with the main window
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible());
}

QTEST_MAIN(EditorWindowsTest)
#include "EditorsTest.moc"
