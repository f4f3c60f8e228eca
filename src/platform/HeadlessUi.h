// A Ui with no window: records what it is asked to show and answers from a script.
#pragma once

#include "Ui.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <vector>

namespace ventrel {

class HeadlessUi : public Ui {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    // With an echo stream, every message and status text is also written there (the CLI's stderr).
    explicit HeadlessUi(std::ostream *echo = nullptr) : m_echo(echo) {}

    MessageAnswer MessageBox(const std::string &text, const std::string &caption = "",
                             MessageButtons buttons = MessageButtons::Ok) override;
    void StatusMessage(const std::string &text) override;
    std::optional<std::filesystem::path> AskFileName(const std::string &filter,
                                                     const std::string &title) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    void RequestRepaint() override { ++m_repaints; }

    // Scripted answers, consumed in order. Without one, a message box answers its first button
    // (Ok or Yes), and file and colour dialogs are cancelled.
    void QueueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    void QueueFile(std::optional<std::filesystem::path> path) {
        m_files.push_back(std::move(path));
    }
    void QueueColour(std::optional<std::uint32_t> colour) { m_colours.push_back(colour); }
    // Runs while each message box is up, as a window repaints behind a modal box.
    void WhileMessageShown(std::function<void()> action) { m_whileShown = std::move(action); }

    const std::vector<Message> &Messages() const { return m_messages; }
    const std::vector<std::string> &Statuses() const { return m_statuses; }
    // The last status text, or "" when none was shown.
    std::string LastStatus() const { return m_statuses.empty() ? "" : m_statuses.back(); }
    std::vector<std::string> FileDialogTitles() const { return m_fileDialogTitles; }
    int Repaints() const { return m_repaints; }
    void Clear();

private:
    std::ostream *m_echo;
    std::vector<Message> m_messages;
    std::vector<std::string> m_statuses;
    std::vector<std::string> m_fileDialogTitles;
    std::deque<MessageAnswer> m_answers;
    std::deque<std::optional<std::filesystem::path>> m_files;
    std::deque<std::optional<std::uint32_t>> m_colours;
    int m_repaints = 0;
    std::function<void()> m_whileShown;
};

} // namespace ventrel
