// The Ui of the desktop: Qt message boxes, file and colour dialogs, the status bar's message pane.
#pragma once

#include "platform/Ui.h"

#include <functional>

class QLabel;
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
};

} // namespace ventrel
