// Start-up timing for measurements: when VENTREL_STARTUP_TIMING is set, the first 2D paint and the
// first 3D frame are reported on stderr in milliseconds since the process was created.
#pragma once

#include <QObject>

class QWidget;

namespace ventrel {

class StartupTiming : public QObject {
public:
    // Watches the 2D view; nullptr unless the environment asks for timing.
    static StartupTiming *CreateIfAsked(QWidget *view2D);
    // Watches the 3D view once it exists.
    void Watch3D(QWidget *view3D);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupTiming(QWidget *view2D);
    QWidget *m_view2D;
    QWidget *m_view3D = nullptr;
    bool m_reported2D = false;
    bool m_reported3D = false;
};

// Milliseconds since this process was created (from /proc), or -1 when unknown.
double MillisecondsSinceProcessStart();

} // namespace ventrel
