// Takes the user guide's pictures from the running application (see tools/guide-screenshots).
#include "app/CommandIds.h"
#include "app/VentrelView.h"
#include "gui/EditorWindows.h"
#include "gui/MainWindow.h"
#include "gui/OrganView3D.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <functional>

using namespace ventrel;

namespace {

QString g_output;
int g_failures = 0;

void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The visible modal window of type T, if one is up.
template <typename T> T *Modal() {
    if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget()))
        return window;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget);
            window && window->isVisible() && window->isModal())
            return window;
    return nullptr;
}

// Acts once on the next modal window of type T (within ten seconds).
template <typename T> void WhenModal(std::function<void(T *)> act) {
    auto *timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
        T *window = Modal<T>();
        if (!window && ++*ticks < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (window) {
            Wait(300);
            act(window);
        }
    });
    timer->start(20);
}

void AnswerFile(const QString &path) {
    WhenModal<QFileDialog>([path](QFileDialog *dialog) {
        dialog->selectFile(path);
        if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
            name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

void AnswerOk() {
    WhenModal<QMessageBox>([](QMessageBox *box) { box->accept(); });
}

// Saves the picture no wider than `width`: drawings in few colours, the 3D view in full colour.
void Save(QImage image, const char *name, int width, bool fewColours) {
    if (image.width() > width)
        image = image.scaledToWidth(width, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    if (fewColours)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString path = g_output + "/" + name;
    if (!image.save(path, "PNG", 0)) {
        std::fprintf(stderr, "guide-pictures: cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
}

QImage Grab(QWidget *widget) {
    widget->update();
    Wait(400);
    return widget->grab().toImage();
}

// The first chest of the guide: the first fenced block after its "### 1.1" heading.
QString FirstChest(const QString &guidePath) {
    QFile file(guidePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString guide = QString::fromUtf8(file.readAll());
    const qsizetype section = guide.indexOf("### 1.1");
    const qsizetype begin = guide.indexOf("```\n", section);
    const qsizetype end = guide.indexOf("```", begin + 4);
    if (section < 0 || begin < 0 || end < 0)
        return {};
    return guide.mid(begin + 4, end - begin - 4);
}

void Trigger(MainWindow &window, int id) {
    if (QAction *action = window.Action(id); action && action->isEnabled())
        action->trigger();
    else {
        std::fprintf(stderr, "guide-pictures: command %d is not available\n", id);
        ++g_failures;
    }
    Wait(300);
}

void Place2D(MainWindow &window, float scale, int panX, int panY) {
    window.View().m_drawing.g_scale2D = scale;
    window.View().m_drawing.g_pan = {panX, panY};
    window.Sync();
}

} // namespace

int main(int argc, char **argv) {
    OrganView3D::SetDefaultFormat();
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 4) {
        std::fprintf(stderr, "usage: guide-pictures GUIDE.md EXAMPLES OUTDIR\n");
        return 2;
    }
    const QString guidePath = QString::fromLocal8Bit(argv[1]);
    const QDir examples(QString::fromLocal8Bit(argv[2]));
    g_output = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_output);

    // Everything the application writes goes into a folder of its own.
    QTemporaryDir work;
    for (const QString &name : examples.entryList(QDir::Files))
        QFile::copy(examples.filePath(name), work.filePath(name));
    QFile chest(work.filePath("premier.dat"));
    const QString text = FirstChest(guidePath);
    if (text.isEmpty() || !chest.open(QIODevice::WriteOnly) || chest.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "guide-pictures: no first chest in %s\n", qPrintable(guidePath));
        return 1;
    }
    chest.close();
    QDir::setCurrent(work.path());

    MainWindow window;
    window.m_endProgram = [](int) {};
    window.resize(1100, 720);
    window.move(0, 0);
    window.show();
    Wait(500);

    // Section 1: the first chest, and its ELECTROS window.
    window.OpenDocument(work.filePath("premier.dat"));
    Place2D(window, 0.95f, 30, 40);
    Save(Grab(&window), "first-chest.png", 1100, true);
    WhenModal<QDialog>([](QDialog *dialog) {
        Save(dialog->grab().toImage(), "electros.png", 700, true);
        dialog->reject();
    });
    Trigger(window, kDisplayInfos);

    // Section 2: the example organ in 3D, with the chest position window over it.
    window.OpenDocument(work.filePath("orgue.org"));
    Trigger(window, kFitOrgan);
    Wait(800);
    const QImage organ = Grab(&window);
    Save(organ, "organ-3d.png", 900, false);
    Trigger(window, kEditChestPosition);
    if (ChestPositionWindow *positions = window.ChestWindow()) {
        // The window below the organ, as on a screen where it was moved out of the way: both
        // stay whole and readable.
        const QImage dialog = Grab(positions);
        const int gap = 16;
        QImage composed(organ.width(), organ.height() + gap + dialog.height() + gap,
                        QImage::Format_RGB32);
        composed.fill(QColor(96, 104, 112));
        QPainter painter(&composed);
        painter.drawImage(0, 0, organ);
        painter.drawImage(composed.width() - dialog.width() - 40, organ.height() + gap, dialog);
        painter.end();
        Save(composed, "chest-positions.png", 900, false);
        positions->hide();
    }

    // The same organ in the example church, imported as scenery and framed by Fit Organ.
    AnswerFile(work.filePath("eglise.wrl"));
    Trigger(window, kImportScenery);
    Trigger(window, kFitOrgan);
    Wait(800);
    Save(Grab(&window), "church.png", 900, false);

    // Section 4: the turret chest, a stop file and a wooden pipe's boards, the tower, the
    // pedalboard and the keyboard.
    window.OpenDocument(work.filePath("tourelle.dat"));
    Place2D(window, 0.7f, 20, 40);
    const QImage turret2D = Grab(&window);
    Trigger(window, kFitOrgan);
    Wait(800);
    const QImage turret3D = Grab(&window);
    {
        QImage both(turret2D.width() * 2, turret2D.height(), QImage::Format_RGB32);
        QPainter painter(&both);
        painter.drawImage(0, 0, turret2D);
        painter.drawImage(turret2D.width(), 0, turret3D);
        painter.end();
        Save(both, "turret.png", 1100, false);
    }

    Trigger(window, kNew);
    AnswerFile(work.filePath("basse.stop"));
    Trigger(window, kStop);
    Place2D(window, 0.5f, 20, 40);
    const QImage stop = Grab(&window);
    AnswerFile(work.filePath("bourdon.pipe"));
    Trigger(window, kOpenPipe);
    Place2D(window, 0.7f, 20, 20); // the back board, 813 units long, whole in the view
    const QImage boards = Grab(&window);
    {
        QImage both(stop.width() * 2, stop.height(), QImage::Format_RGB32);
        QPainter painter(&both);
        painter.drawImage(0, 0, stop);
        painter.drawImage(stop.width(), 0, boards);
        painter.end();
        Save(both, "side-files.png", 1100, true);
    }

    Trigger(window, kNew);
    Trigger(window, kTower);
    Trigger(window, kFitOrgan);
    Wait(800);
    Save(Grab(&window), "tower.png", 900, false);

    Trigger(window, kNew);
    AnswerOk();
    Trigger(window, kCreatePedalboard);
    Save(Grab(&window), "pedalboard.png", 900, true);

    Trigger(window, kNew);
    Trigger(window, kKeyboard);
    Save(Grab(&window), "keyboard.png", 900, true);

    return g_failures == 0 ? 0 : 1;
}
