// The cursor-based keyword and number scanner shared by every text reader of the chest files.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace ventrel {

class Ui;

// Scans one whole text with one cursor. Tolerant by design: numbers are found by skipping
// whatever is not a digit or a minus sign, keywords are searched forward.
class CTextScanner {
public:
    CTextScanner(std::string_view text, Ui &ui) : m_text(text), m_ui(ui) {}

    // The text at the cursor begins with `word`: step past it.
    bool Match(std::string_view word);
    // The next occurrence of `word` from the cursor: put the cursor just after it.
    bool Find(std::string_view word);
    // Just past the next line feed; at the end of the text, stops there and says so.
    void NextLine();
    // Forward while the character is neither a letter nor a digit.
    void SkipToWord();
    // A decimal integer, skipping anything before it; a '/' at the cursor first skips its line
    // (a comment). 0 at the end of the text or for a lone '-'. Saturates at the int range.
    int ReadInt();
    // Letters, digits and - _ . % , up to any other character.
    std::string ReadWord();

    bool AtEnd() const { return m_cursor >= m_text.size(); }
    void Advance(size_t count = 1) { m_cursor = std::min(m_text.size(), m_cursor + count); }
    size_t Cursor() const { return m_cursor; }
    void SetCursor(size_t cursor) { m_cursor = std::min(m_text.size(), cursor); }
    // Whether `word` occurs anywhere from the cursor on, without moving.
    bool Contains(std::string_view word) const;
    // Where the number the last ReadInt converted begins (its '-' or first digit); npos when it
    // met the end of the text instead.
    size_t LastNumberStart() const { return m_numberStart; }
    // The line of the cursor, from 1 (for messages; counts the line feeds before the cursor).
    int Line() const;

private:
    std::string_view m_text;
    size_t m_cursor = 0;
    size_t m_numberStart = std::string_view::npos;
    Ui &m_ui;
};

} // namespace ventrel
