// A Ui with no window: records what it is asked to show and answers from a script.
#include "HeadlessUi.h"

#include <ostream>

namespace ventrel {

MessageAnswer HeadlessUi::MessageBox(const std::string &text, const std::string &caption,
                                     MessageButtons buttons) {
    m_messages.push_back({text, caption});
    if (m_echo)
        *m_echo << (caption.empty() ? "" : caption + ": ") << text
                << (text.ends_with('\n') ? "" : "\n");
    if (m_whileShown)
        m_whileShown();
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

void HeadlessUi::StatusMessage(const std::string &text) {
    m_statuses.push_back(text);
    if (m_echo)
        *m_echo << text << (text.ends_with('\n') ? "" : "\n");
}

std::optional<std::filesystem::path> HeadlessUi::AskFileName(const std::string & /*filter*/,
                                                             const std::string &title) {
    m_fileDialogTitles.push_back(title);
    if (m_files.empty())
        return std::nullopt;
    auto path = m_files.front();
    m_files.pop_front();
    return path;
}

std::optional<std::uint32_t> HeadlessUi::ChooseColour(std::uint32_t /*initial*/) {
    if (m_colours.empty())
        return std::nullopt;
    auto colour = m_colours.front();
    m_colours.pop_front();
    return colour;
}

void HeadlessUi::Clear() {
    m_messages.clear();
    m_statuses.clear();
    m_fileDialogTitles.clear();
    m_repaints = 0;
}

} // namespace ventrel
