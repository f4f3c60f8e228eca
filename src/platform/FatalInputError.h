// The one error raised for input the program cannot go on with.
#pragma once

#include <stdexcept>
#include <string>

namespace ventrel {

// Raised where the file formats say reading cannot continue (a missing shape word, a missing
// HEIGHTS keyword, ...). It carries the exit status the batch tool ends with, the text the user is
// shown and, when known, where in the input the fault was found; the desktop app shows the text and
// keeps the data it had.
class FatalInputError : public std::runtime_error {
public:
    FatalInputError(int status, const std::string &text, int line = 0,
                    const std::string &file = std::string())
        : std::runtime_error(text), m_status(status), m_line(line), m_file(file) {}

    int Status() const { return m_status; }
    // The status as a process exit code: -1 becomes 255.
    int ExitCode() const { return m_status & 0xff; }
    // The line (from 1) of the input where the fault was found, or 0.
    int Line() const { return m_line; }
    const std::string &File() const { return m_file; }
    // The same error found in `file`; a file already known is kept.
    FatalInputError In(const std::string &file) const {
        return FatalInputError(m_status, what(), m_line, m_file.empty() ? file : m_file);
    }
    // "FILE:LINE: " (or "FILE: ") for a located error, else empty.
    std::string Where() const {
        if (m_file.empty())
            return m_line > 0 ? "line " + std::to_string(m_line) + ": " : std::string();
        return m_file + (m_line > 0 ? ":" + std::to_string(m_line) : std::string()) + ": ";
    }
    // The text preceded by where it was found, as the batch tool prints it.
    std::string Located() const { return Where() + what(); }

private:
    int m_status;
    int m_line;
    std::string m_file;
};

} // namespace ventrel
