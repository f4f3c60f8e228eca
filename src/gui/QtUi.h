// The Ui of the desktop: Qt message boxes, file and colour dialogs, the status bar's message pane.
#pragma once

#include "platform/Ui.h"

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace ventrel {

class QtUi : public Ui {
public:
    QtUi(QWidget *parent, QLabel *statusPane, std::function<void()> repaint);

    MessageAnswer MessageBox(const std::string &text, const std::string &caption = "",
                             MessageButtons buttons = MessageButtons::Ok) override;
    void StatusMessage(const std::string &text) override;
    std::optional<std::filesystem::path> AskFileName(const std::string &filter,
                                                     const std::string &title) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    void RequestRepaint() override;
    std::optional<std::filesystem::path>
    AskFileNameAndType(const std::string &filter, const std::string &title, int &type) override;
    std::optional<std::filesystem::path> AskSaveFileName(const std::string &filter,
                                                         const std::string &title,
                                                         const std::string &suggested) override;
    // A progress bar and a Cancel button in the status bar; the window's menus, toolbars and view
    // are disabled meanwhile, so that nothing but Cancel acts on the document.
    bool Progress(const std::string &text, std::uint64_t done, std::uint64_t total) override;
    void EndProgress() override;

    // While a view paints, message boxes wait until the paint is over (they answer Ok).
    void SetPainting(bool painting) { m_painting = painting; }
    // The folder the next file dialog opens in.
    void SetFolder(const std::filesystem::path &folder) { m_folder = folder; }

    // "Fichiers de tuyaux (*.dat)|*.dat;|" as a Qt filter: "Fichiers de tuyaux (*.dat)".
    static std::string QtFilter(const std::string &filter);

private:
    QWidget *m_parent;
    QLabel *m_statusPane;
    std::function<void()> m_repaint;
    bool m_painting = false;
    std::filesystem::path m_folder;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_cancelled = false;
};

} // namespace ventrel
