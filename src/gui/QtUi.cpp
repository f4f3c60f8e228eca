// The Ui of the desktop: Qt message boxes, file and colour dialogs, the status bar's message pane.
#include "QtUi.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace ventrel {

QtUi::QtUi(QWidget *parent, QLabel *statusPane, std::function<void()> repaint)
    : m_parent(parent), m_statusPane(statusPane), m_repaint(std::move(repaint)),
      m_folder(QDir::currentPath().toStdString()) {}

MessageAnswer QtUi::MessageBox(const std::string &text, const std::string &caption,
                               MessageButtons buttons) {
    const QString title = QString::fromStdString(caption.empty() ? "Ventrel" : caption);
    const QString body = QString::fromStdString(text);
    if (m_painting) {
        // A modal box inside a paint would paint again inside itself: show it afterwards.
        QPointer<QWidget> parent = m_parent;
        QTimer::singleShot(0, m_parent, [parent, title, body] {
            if (parent)
                QMessageBox::information(parent, title, body);
        });
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
                   ? MessageAnswer::Yes
                   : MessageAnswer::Ok;
    }
    QMessageBox box(QMessageBox::NoIcon, title, body, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

void QtUi::StatusMessage(const std::string &text) {
    if (m_statusPane)
        m_statusPane->setText(QString::fromStdString(text));
}

std::string QtUi::QtFilter(const std::string &filter) {
    // Pairs of description and patterns separated by '|'; patterns separated by ';'.
    std::string result;
    size_t at = 0;
    while (at < filter.size()) {
        const size_t bar = filter.find('|', at);
        if (bar == std::string::npos)
            break;
        const std::string description = filter.substr(at, bar - at);
        const size_t end = filter.find('|', bar + 1);
        std::string patterns =
            filter.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        at = end == std::string::npos ? filter.size() : end + 1;
        if (description.empty())
            break;
        std::string list;
        size_t p = 0;
        while (p < patterns.size()) {
            size_t semi = patterns.find(';', p);
            if (semi == std::string::npos)
                semi = patterns.size();
            if (semi > p)
                list += (list.empty() ? "" : " ") + patterns.substr(p, semi - p);
            p = semi + 1;
        }
        if (!result.empty())
            result += ";;";
        result += description.find('(') == std::string::npos ? description + " (" + list + ")"
                                                             : description;
    }
    return result.empty() ? "*" : result;
}

std::optional<std::filesystem::path> QtUi::AskFileName(const std::string &filter,
                                                       const std::string &title) {
    int type = 0;
    return AskFileNameAndType(filter, title, type);
}

std::optional<std::filesystem::path> QtUi::AskFileNameAndType(const std::string &filter,
                                                              const std::string &title, int &type) {
    type = 0;
    QFileDialog dialog(m_parent, QString::fromStdString(title),
                       QString::fromStdString(m_folder.string()),
                       QString::fromStdString(QtFilter(filter)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    type = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    if (type < 0)
        type = 0;
    const std::filesystem::path path = dialog.selectedFiles().front().toStdString();
    if (path.has_parent_path())
        m_folder = path.parent_path();
    return path;
}

std::optional<std::filesystem::path> QtUi::AskSaveFileName(const std::string &filter,
                                                           const std::string &title,
                                                           const std::string &suggested) {
    QFileDialog dialog(m_parent, QString::fromStdString(title),
                       QString::fromStdString(m_folder.string()),
                       QString::fromStdString(QtFilter(filter)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const std::filesystem::path proposed(suggested);
    if (proposed.has_extension())
        dialog.setDefaultSuffix(QString::fromStdString(proposed.extension().string().substr(1)));
    if (!suggested.empty())
        dialog.selectFile(QString::fromStdString(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const std::filesystem::path path = dialog.selectedFiles().front().toStdString();
    if (path.has_parent_path())
        m_folder = path.parent_path();
    return path;
}

namespace {

// Everything of the main window that acts on the document, on or off.
void EnableWindow(QWidget *parent, bool enabled) {
    auto *window = qobject_cast<QMainWindow *>(parent);
    if (!window)
        return;
    if (window->menuBar())
        window->menuBar()->setEnabled(enabled);
    if (window->centralWidget())
        window->centralWidget()->setEnabled(enabled);
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        bar->setEnabled(enabled);
}

} // namespace

bool QtUi::Progress(const std::string &text, std::uint64_t done, std::uint64_t total) {
    auto *window = qobject_cast<QMainWindow *>(m_parent);
    if (!window)
        return true;
    if (!m_progress) {
        m_cancelled = false;
        m_progress = new QProgressBar;
        m_progress->setObjectName("progress");
        m_progress->setRange(0, 1000);
        m_cancel = new QPushButton("Cancel");
        m_cancel->setObjectName("progressCancel");
        QObject::connect(m_cancel, &QPushButton::clicked, [this] { m_cancelled = true; });
        window->statusBar()->addPermanentWidget(m_progress);
        window->statusBar()->addPermanentWidget(m_cancel);
        EnableWindow(m_parent, false);
    }
    m_statusPane->setText(QString::fromStdString(text));
    m_progress->setValue(total ? static_cast<int>(done * 1000 / total) : 0);
    QApplication::processEvents();
    return !m_cancelled;
}

void QtUi::EndProgress() {
    if (!m_progress)
        return;
    delete m_progress;
    delete m_cancel;
    m_progress = nullptr;
    m_cancel = nullptr;
    EnableWindow(m_parent, true);
}

std::optional<std::uint32_t> QtUi::ChooseColour(std::uint32_t initial) {
    const QColor start(static_cast<int>(initial & 0xff), static_cast<int>((initial >> 8) & 0xff),
                       static_cast<int>((initial >> 16) & 0xff));
    const QColor colour =
        QColorDialog::getColor(start, m_parent, "Color", QColorDialog::DontUseNativeDialog);
    if (!colour.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

void QtUi::RequestRepaint() {
    if (m_repaint)
        m_repaint();
}

} // namespace ventrel
