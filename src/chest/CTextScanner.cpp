// The cursor-based keyword and number scanner shared by every text reader of the chest files.
#include "CTextScanner.h"

#include "platform/Ui.h"

#include <climits>

namespace ventrel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsWordCharacter(char c) {
    return IsLetter(c) || IsDigit(c) || c == '-' || c == '_' || c == '.' || c == '%' || c == ',';
}

} // namespace

bool CTextScanner::Match(std::string_view word) {
    if (m_text.substr(m_cursor).starts_with(word)) {
        m_cursor += word.size();
        return true;
    }
    return false;
}

bool CTextScanner::Find(std::string_view word) {
    const size_t at = m_text.find(word, m_cursor);
    if (at == std::string_view::npos || word.empty())
        return false;
    m_cursor = at + word.size();
    return true;
}

bool CTextScanner::Contains(std::string_view word) const {
    return m_text.find(word, m_cursor) != std::string_view::npos;
}

int CTextScanner::Line() const {
    const auto before = m_text.substr(0, m_cursor);
    return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

void CTextScanner::NextLine() {
    const size_t at = m_text.find('\n', m_cursor);
    if (at == std::string_view::npos) {
        m_cursor = m_text.size();
        m_ui.StatusMessage("Erreur débordement in LEX index");
        return;
    }
    m_cursor = at + 1;
}

void CTextScanner::SkipToWord() {
    while (!AtEnd() && !IsLetter(m_text[m_cursor]) && !IsDigit(m_text[m_cursor]))
        ++m_cursor;
}

int CTextScanner::ReadInt() {
    m_numberStart = std::string_view::npos;
    if (!AtEnd() && m_text[m_cursor] == '/')
        NextLine();
    while (!AtEnd() && !IsDigit(m_text[m_cursor]) && m_text[m_cursor] != '-')
        ++m_cursor;
    if (AtEnd())
        return 0;
    m_numberStart = m_cursor;
    bool negative = false;
    if (m_text[m_cursor] == '-') {
        negative = true;
        ++m_cursor;
    }
    long long value = 0;
    while (!AtEnd() && IsDigit(m_text[m_cursor])) {
        if (value <= INT_MAX)
            value = value * 10 + (m_text[m_cursor] - '0');
        ++m_cursor;
    }
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

std::string CTextScanner::ReadWord() {
    const size_t start = m_cursor;
    while (!AtEnd() && IsWordCharacter(m_text[m_cursor]))
        ++m_cursor;
    return std::string(m_text.substr(start, m_cursor - start));
}

} // namespace ventrel
