// The Qt application object that painting with fonts needs, for programs without a window.
#include "GuiApplication.h"

#include <QGuiApplication>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrel {

void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Without a session Qt picks a runtime folder itself, with a warning on every run.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string folder = "/tmp/runtime-" + std::to_string(getuid());
        if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST)
            setenv("XDG_RUNTIME_DIR", folder.c_str(), 0);
    }
    // Qt keeps references to argc and argv for the application's whole life.
    static int argc = 1;
    static char name[] = "ventrel";
    static char *argv[] = {name, nullptr};
    // Never destroyed: Qt cannot tear the application down during the program's static exit.
    static QGuiApplication *application = nullptr;
    application = new QGuiApplication(argc, argv);
    (void)application;
    // Qt hands the session's locale to the C library: numbers stay with '.'.
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace ventrel
