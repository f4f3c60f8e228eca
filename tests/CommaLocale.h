// A locale that writes numbers with a decimal comma (French), for tests of what files hold when
// the program runs in such a desktop session.
#pragma once

#include <filesystem>
#include <string>

namespace ventrel::test {

// The name of the locale, found in CommaLocaleFolder() through LOCPATH.
inline constexpr const char *kCommaLocale = "fr_FR.UTF-8";

// The folder holding that locale, made once with localedef in the build tree; empty, with the
// reason in `why`, when it cannot be made here.
std::filesystem::path CommaLocaleFolder(std::string *why = nullptr);

// "LOCPATH=... LC_ALL=..." to put before a command run by the shell; empty when there is none.
std::string CommaLocaleEnvironment(std::string *why = nullptr);

// Switches this process's C library to the comma locale until destroyed, then back to "C".
class ScopedCommaLocale {
public:
    ScopedCommaLocale();
    ~ScopedCommaLocale();
    ScopedCommaLocale(const ScopedCommaLocale &) = delete;
    ScopedCommaLocale &operator=(const ScopedCommaLocale &) = delete;

    // False (with the reason) when the locale could not be made or set.
    bool Active() const { return m_active; }
    const std::string &Why() const { return m_why; }

private:
    bool m_active = false;
    std::string m_why;
};

} // namespace ventrel::test
