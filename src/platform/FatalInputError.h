// The one error raised for input the program cannot go on with.
#pragma once

#include <stdexcept>
#include <string>

namespace ventrel {

// Raised where the file formats say reading cannot continue (a missing shape word, a missing
// HEIGHTS keyword, ...). It carries the exit status the batch tool ends with and the text the user
// is shown; the desktop app shows the text and keeps the data it had.
class FatalInputError : public std::runtime_error {
public:
    FatalInputError(int status, const std::string &text)
        : std::runtime_error(text), m_status(status) {}

    int Status() const { return m_status; }
    // The status as a process exit code: -1 becomes 255.
    int ExitCode() const { return m_status & 0xff; }

private:
    int m_status;
};

} // namespace ventrel
