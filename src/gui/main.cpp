// Ventrel, the desktop application: opens the main window, and the file named on the command line.
#include "ChestView2D.h"
#include "MainWindow.h"
#include "OrganView3D.h"
#include "RecentFiles.h"
#include "StartupTiming.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char **argv) {
    ventrel::OrganView3D::SetDefaultFormat();
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(ventrel::RecentFiles::kOrganisation);
    QCoreApplication::setApplicationName(ventrel::RecentFiles::kApplication);
    QCoreApplication::setApplicationVersion("1.10");

    ventrel::MainWindow window;
    if (auto *timing = ventrel::StartupTiming::CreateIfAsked(window.View2D()))
        window.m_view3DCreated = [timing](ventrel::OrganView3D *view) { timing->Watch3D(view); };
    // Without a window manager "maximised" means nothing: the window takes the screen itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const QString file = arguments.at(1);
        // Opened once the window is up, so that messages about the file have a window to stand on.
        QTimer::singleShot(0, &window, [&window, file] { window.OpenDocument(file); });
    }
    return QApplication::exec();
}
