// What the GUI tests share: the example files, running commands, answering modal windows.
#pragma once

#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

namespace ventrel::test {

// Copies the example organ, its chests, outlines and side files into the folder.
inline void CopyExamples(const QString &folder) {
    const std::filesystem::path examples = std::filesystem::path(VENTREL_SOURCE_DIR) / "examples";
    for (const auto &entry : std::filesystem::directory_iterator(examples))
        std::filesystem::copy_file(entry.path(), std::filesystem::path(folder.toStdString()) /
                                                     entry.path().filename());
}

// Runs a command through its action, which must be there and enabled.
inline void Trigger(MainWindow &window, int id) {
    QAction *action = window.Action(id);
    QVERIFY(action);
    QVERIFY2(action->isEnabled(), qPrintable(QString::number(id)));
    action->trigger();
}

// The modal window of type T on the screen. Without a window manager a new dialog is not always
// made the active modal widget at once, so the top-level windows are searched as well.
template <typename T> T *VisibleModal() {
    if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget()))
        return window;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget);
            window && window->isVisible() && window->isModal())
            return window;
    return nullptr;
}

// Acts on the next modal window of type T once it is up (within ten seconds), and again on every
// tick while that same window stays up: a file dialog still reading its folder may take an accept
// for a change of folder and stay open.
template <typename T> void WhenModal(std::function<void(T *)> act) {
    struct Progress {
        QPointer<T> window;
        bool acted = false;
    };
    auto *timer = new QTimer;
    const QDeadlineTimer deadline(10000);
    auto progress = std::make_shared<Progress>();
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, act, progress] {
        T *window = progress->acted ? progress->window.data() : VisibleModal<T>();
        if ((progress->acted && (!window || !window->isVisible())) || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (!window)
            return;
        progress->window = window;
        progress->acted = true;
        act(window);
    });
    timer->start(20);
}

// The next file dialog chooses this file (or is cancelled with an empty path).
inline void AnswerFileDialog(const QString &path) {
    WhenModal<QFileDialog>([path](QFileDialog *dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        // selectFile leaves the name field alone while it has the keyboard focus, which the
        // dialog may or may not have been given yet: the path is typed into it as a user would.
        if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
            name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

inline void AnswerMessageBox(QMessageBox::StandardButton button) {
    WhenModal<QMessageBox>([button](QMessageBox *box) { box->button(button)->click(); });
}

} // namespace ventrel::test
