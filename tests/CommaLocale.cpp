// Making the French locale with localedef once per build tree, and switching to it.
#include "CommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace ventrel::test {

std::filesystem::path CommaLocaleFolder(std::string *why) {
    namespace fs = std::filesystem;
    const fs::path folder = VENTREL_TEST_LOCALES;
    std::error_code ignored;
    if (fs::exists(folder / kCommaLocale / "LC_NUMERIC", ignored))
        return folder;
    // Made beside the final folder and renamed into place, so that tests running side by side
    // never see half a locale.
    const fs::path scratch = folder.string() + ".tmp" + std::to_string(getpid());
    fs::remove_all(scratch, ignored);
    fs::create_directories(scratch, ignored);
    const std::string command =
        "localedef -i fr_FR -f UTF-8 '" + (scratch / kCommaLocale).string() + "' >/dev/null 2>&1";
    // localedef may warn (status 1) and still write a usable locale.
    (void)std::system(command.c_str());
    if (!fs::exists(scratch / kCommaLocale / "LC_NUMERIC", ignored)) {
        fs::remove_all(scratch, ignored);
        if (why)
            *why = "localedef could not make " + std::string(kCommaLocale);
        return {};
    }
    fs::rename(scratch, folder, ignored);
    fs::remove_all(scratch, ignored);
    if (!fs::exists(folder / kCommaLocale / "LC_NUMERIC", ignored)) {
        if (why)
            *why = "no locale in " + folder.string();
        return {};
    }
    return folder;
}

std::string CommaLocaleEnvironment(std::string *why) {
    const auto folder = CommaLocaleFolder(why);
    if (folder.empty())
        return {};
    return "LOCPATH='" + folder.string() + "' LC_ALL=" + kCommaLocale + " ";
}

ScopedCommaLocale::ScopedCommaLocale() {
    const auto folder = CommaLocaleFolder(&m_why);
    if (folder.empty())
        return;
    setenv("LOCPATH", folder.c_str(), 1);
    if (!std::setlocale(LC_ALL, kCommaLocale)) {
        m_why = std::string("the C library refuses ") + kCommaLocale;
        return;
    }
    if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        m_why = std::string(kCommaLocale) + " has no decimal comma";
        std::setlocale(LC_ALL, "C");
        return;
    }
    m_active = true;
}

ScopedCommaLocale::~ScopedCommaLocale() {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}

} // namespace ventrel::test
