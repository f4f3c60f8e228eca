// Start-up timing for measurements: when VENTREL_STARTUP_TIMING is set, the first 2D paint and the
// first 3D frame are reported on stderr in milliseconds since the process was created.
#pragma once

#include <QObject>

class QWidget;

namespace ventrel {

class StartupTiming : public QObject {
public:
    // Watches the two views; does nothing unless the environment asks for it.
    static void WatchIfAsked(QWidget *view2D, QWidget *view3D);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupTiming(QWidget *view2D, QWidget *view3D);
    QWidget *m_view2D;
    QWidget *m_view3D;
    bool m_reported2D = false;
    bool m_reported3D = false;
};

// Milliseconds since this process was created (from /proc), or -1 when unknown.
double MillisecondsSinceProcessStart();

} // namespace ventrel
