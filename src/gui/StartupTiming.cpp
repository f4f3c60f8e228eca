// Start-up timing for measurements: when VENTREL_STARTUP_TIMING is set, the first 2D paint and the
// first 3D frame are reported on stderr in milliseconds since the process was created.
#include "StartupTiming.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace ventrel {

double MillisecondsSinceProcessStart() {
    // Field 22 of /proc/self/stat is the start time in clock ticks after boot; /proc/uptime is now.
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long start = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22)
            start = std::stoull(field);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return start > 0 && ticks > 0 ? (uptime - static_cast<double>(start) / ticks) * 1000.0 : -1;
}

StartupTiming::StartupTiming(QWidget *view2D) : QObject(view2D), m_view2D(view2D) {}

StartupTiming *StartupTiming::CreateIfAsked(QWidget *view2D) {
    if (!std::getenv("VENTREL_STARTUP_TIMING"))
        return nullptr;
    auto *timing = new StartupTiming(view2D);
    view2D->installEventFilter(timing);
    return timing;
}

void StartupTiming::Watch3D(QWidget *view3D) {
    m_view3D = view3D;
    view3D->installEventFilter(this);
}

bool StartupTiming::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        // Reported once the paint is over and the window has shown it.
        if (watched == m_view2D && !m_reported2D) {
            m_reported2D = true;
            QTimer::singleShot(0, this, [] {
                std::fprintf(stderr, "first 2D paint: %.0f ms\n", MillisecondsSinceProcessStart());
            });
        } else if (watched == m_view3D && !m_reported3D) {
            m_reported3D = true;
            QTimer::singleShot(0, this, [] {
                std::fprintf(stderr, "first 3D frame: %.0f ms\n", MillisecondsSinceProcessStart());
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ventrel
