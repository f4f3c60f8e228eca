// Ventrel, the desktop application: opens the main window, and the file named on the command line.
#include "ChestView2D.h"
#include "MainWindow.h"
#include "OrganView3D.h"
#include "RecentFiles.h"
#include "StartupTiming.h"
#include "ToolbarIcons.h"
#include "Version.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <clocale>

namespace {

// --help and --version are answered before Qt starts, so that they work without a display. Every
// other argument (a file, Qt's own options) is left to Qt and to the window.
bool AnsweredOnTheTerminal(int argc, char **argv, int &status) {
    CLI::App options{"Ventrel: windchest design for pipe-organ builders, the desktop application",
                     "ventrel"};
    std::string file;
    options.add_option("file", file,
                       "Organ file (.org) or windchest description file (.dat) to open; the "
                       "folder it is in becomes the folder of the file dialogs");
    bool fit = false;
    options.add_flag("--fit", fit,
                     "Once the file is open, frame the whole organ in the 3D view (as View > "
                     "Fit Organ does)");
    options.set_version_flag("--version", "ventrel " VENTREL_VERSION);
    options.allow_extras();
    options.footer(
        "Files: The default textures (tin.jpg, wood.jpg, motif.jpg, mont_eglise_renverse.jpg) "
        "are looked up in the folder of the organ first, then in the program's own folder, "
        "PREFIX/share/ventrel/textures beside PREFIX/bin/ventrel. An example organ is installed "
        "in PREFIX/share/ventrel/examples.\n\n"
        "Notes: The batch tool ventrel-cli does the same work without a window: layouts, DXF "
        "plates, cut lists, 2D drawings and 3D pictures.");
    try {
        options.parse(argc, argv);
    } catch (const CLI::CallForHelp &answer) {
        status = options.exit(answer);
        return true;
    } catch (const CLI::CallForVersion &answer) {
        status = options.exit(answer);
        return true;
    } catch (const CLI::ParseError &) {
        // Qt's options are none of ours: Qt reads them.
    }
    return false;
}

} // namespace

int main(int argc, char **argv) {
    if (int status = 0; AnsweredOnTheTerminal(argc, argv, status))
        return status;
    ventrel::OrganView3D::SetDefaultFormat();
    QApplication application(argc, argv);
    // Qt hands the session's locale to the C library; numbers in files keep '.' (their code does
    // not rely on it either), while the window may still show the user's own formats through Qt.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(ventrel::RecentFiles::kOrganisation);
    QCoreApplication::setApplicationName(ventrel::RecentFiles::kApplication);
    QCoreApplication::setApplicationVersion(VENTREL_VERSION);
    QApplication::setWindowIcon(ventrel::ToolbarIcon("ventrel"));

    ventrel::MainWindow window;
    if (auto *timing = ventrel::StartupTiming::CreateIfAsked(window.View2D()))
        window.m_view3DCreated = [timing](ventrel::OrganView3D *view) { timing->Watch3D(view); };
    // Without a window manager "maximised" means nothing: the window takes the screen itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        // Opened once the window is up, so that messages about the file have a window to stand on.
        QTimer::singleShot(0, &window, [&window, arguments] { window.OpenCommandLine(arguments); });
    }
    return QApplication::exec();
}
