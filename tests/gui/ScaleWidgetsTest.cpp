// The "Stop from Scale" dialog and the scale chart window, driven by Qt Test on an X server.
#include "GuiTestSupport.h"
#include "TestFolder.h"

#include "app/VentrelView.h"
#include "chest/CWindchest.h"
#include "dialogs/ScaleDialog.h"
#include "gui/MainWindow.h"
#include "gui/ScaleWidgets.h"
#include "platform/HeadlessUi.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace ventrel;

namespace {

std::filesystem::path Examples() {
    return std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
}

void Retype(QWidget *field, const QString &text) {
    auto *edit = qobject_cast<QLineEdit *>(field);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class ScaleWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void dialogPreviewsTheLineAndRefusesABadField();
    void cancelLeavesTheChestAndOkAppendsTheStop();
    void chartWindowSelectsTheClickedStop();
    void stopFromScaleMenuAppendsToTheOpenChest();

private:
    std::unique_ptr<CWindchest> Chest() {
        auto chest = std::make_unique<CWindchest>();
        HeadlessUi ui;
        chest->ReadDatFile("recit.dat", WorkFolder::Both(Examples()), ui);
        chest->Layout();
        return chest;
    }
};

void ScaleWidgetsTest::dialogPreviewsTheLineAndRefusesABadField() {
    auto chest = Chest();
    HeadlessUi ui;
    ScaleDialog model(*chest, ui);
    ScaleDialogWidget widget(model);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    auto *result = widget.findChild<QLabel *>(QString("field%1").arg(ScaleDialog::kResult));
    QVERIFY(result);
    QCOMPARE(widget.Preview()->Lines().size(), size_t(5)); // the recit's four stops and the new one

    Retype(widget.Field(ScaleDialog::kDeviation), "2,0@25,-1@49");
    const ChartLine &added = widget.Preview()->Lines().back();
    QCOMPARE(added.name, std::string("Principal8 8' (new)"));
    QCOMPARE(added.points[12].halfTones, 1.0);
    QCOMPARE(widget.Preview()->Highlighted(), 4);
    QVERIFY(result->text().startsWith("56 pipes: first 170 x "));

    Retype(widget.Field(ScaleDialog::kPitch), "250");
    QVERIFY2(result->text().startsWith("pitch: 250 Hz"), qPrintable(result->text()));
    QCOMPARE(widget.Preview()->Lines().size(), size_t(4)); // no line for a refused scale
    Retype(widget.Field(ScaleDialog::kPitch), "415");
    auto *construction = qobject_cast<QComboBox *>(widget.Field(ScaleDialog::kConstruction));
    QVERIFY(construction);
    construction->setCurrentText(ScaleDialog::kStopped);
    QCOMPARE(model.Scale().construction, Construction::Stopped);
    QCOMPARE(model.Scale().pitch, 415.0);
    widget.grab().save(QString::fromStdString(
        (std::filesystem::temp_directory_path() / "ventrel-stop-from-scale.png").string()));
}

void ScaleWidgetsTest::cancelLeavesTheChestAndOkAppendsTheStop() {
    auto chest = Chest();
    const int before = chest->m_stop_count;
    HeadlessUi ui;
    {
        ScaleDialog model(*chest, ui);
        ScaleDialogWidget widget(model);
        widget.show();
        Retype(widget.Field(ScaleDialog::kName), "Flute4");
        widget.findChild<QPushButton *>("Cancel")->click();
        QCOMPARE(widget.result(), int(QDialog::Rejected));
        QCOMPARE(chest->m_stop_count, before);
    }
    ScaleDialog model(*chest, ui);
    ScaleDialogWidget widget(model);
    widget.show();
    Retype(widget.Field(ScaleDialog::kFootage), "4");
    Retype(widget.Field(ScaleDialog::kName), "Flute4");
    Retype(widget.Field(ScaleDialog::kPipes), "5x");
    widget.findChild<QPushButton *>("OK")->click();
    QCOMPARE(chest->m_stop_count, before); // a refused field keeps the dialog open
    QVERIFY(widget.isVisible());
    QVERIFY(!ui.Messages().empty());
    QVERIFY(ui.Messages().back().text.rfind("pipes:", 0) == 0);
    Retype(widget.Field(ScaleDialog::kPipes), "44");
    widget.findChild<QPushButton *>("OK")->click();
    QCOMPARE(widget.result(), int(QDialog::Accepted));
    QCOMPARE(chest->m_stop_count, before + 1);
    QCOMPARE(chest->Stop(before).m_name, std::string("Flute4"));
    QCOMPARE(chest->Stop(before).m_pipe_count, 44);
}

void ScaleWidgetsTest::chartWindowSelectsTheClickedStop() {
    MainWindow window;
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.View().OpenDocument(Examples() / "grand-orgue.dat"));
    test::Trigger(window, 32851);
    ScaleChartWindow *chart = window.ChartWindow();
    QVERIFY(chart && chart->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    ScaleChartView *view = chart->View();
    const auto &lines = view->Lines();
    QVERIFY(lines.size() >= 6);
    // The Bourdon lies well below the others: click its first point.
    size_t bourdon = 0;
    while (bourdon < lines.size() && lines[bourdon].name.rfind("Bourdon8", 0) != 0)
        ++bourdon;
    QVERIFY(bourdon < lines.size());
    const ScaleChart layout = view->Chart();
    const DeviationPoint point = lines[bourdon].points[3];
    QTest::mouseClick(view, Qt::LeftButton, {},
                      QPoint(layout.NoteX(point.note), layout.HalfToneY(point.halfTones)));
    QCOMPARE(view->Highlighted(), int(bourdon));
    const CWindchest &chest = *window.View().g_currentChest;
    QCOMPARE(chest.m_selected_stop, lines[bourdon].stop);
    QCOMPARE(chest.Stop(lines[bourdon].stop).m_selected_pipe, CStop::kWholeStop);
    QVERIFY2(window.StatusPane()->text().startsWith("Register: Bourdon8"),
             qPrintable(window.StatusPane()->text()));
    chart->grab().save(QString::fromStdString(
        (std::filesystem::temp_directory_path() / "ventrel-scale-chart.png").string()));
    chart->close();
}

void ScaleWidgetsTest::stopFromScaleMenuAppendsToTheOpenChest() {
    MainWindow window;
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.View().OpenDocument(Examples() / "pedale.dat"));
    const CWindchest &chest = *window.View().g_currentChest;
    const int before = chest.m_stop_count;
    test::WhenModal<ScaleDialogWidget>([](ScaleDialogWidget *dialog) {
        Retype(dialog->Field(ScaleDialog::kName), "Octave4");
        Retype(dialog->Field(ScaleDialog::kFootage), "4");
        Retype(dialog->Field(ScaleDialog::kPipes), "30");
        dialog->findChild<QPushButton *>("OK")->click();
    });
    test::Trigger(window, 32850);
    QCOMPARE(chest.m_stop_count, before + 1);
    QCOMPARE(chest.Stop(before).m_name, std::string("Octave4"));
    QVERIFY(chest.m_plate.y2 > chest.Stop(before).m_y0); // laid out: the plate holds it
    QVERIFY2(window.StatusPane()->text().startsWith("Stop Octave4 added: 30 pipes"),
             qPrintable(window.StatusPane()->text()));
    test::WhenModal<ScaleDialogWidget>([](ScaleDialogWidget *dialog) {
        Retype(dialog->Field(ScaleDialog::kName), "Never");
        dialog->findChild<QPushButton *>("Cancel")->click();
    });
    test::Trigger(window, 32850);
    QCOMPARE(chest.m_stop_count, before + 1);
}

QTEST_MAIN(ScaleWidgetsTest)
#include "ScaleWidgetsTest.moc"
