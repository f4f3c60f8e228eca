// The OpenGL widget that shows the 3D scene: it makes its context current and the view draws.
#pragma once

#include "platform/GlContext.h"

#include <QOpenGLWidget>

namespace ventrel {

class CVentrelView;
class QtUi;

class OrganView3D : public QOpenGLWidget, public GlContext {
    Q_OBJECT
public:
    OrganView3D(CVentrelView &view, QtUi &ui, QWidget *parent = nullptr);
    ~OrganView3D() override;

    bool MakeCurrent() override;
    // The widget shows its frame itself once paintGL returns.
    void SwapBuffers() override {}
    bool Ready() const { return m_ready; }

    // The compatibility profile with a depth buffer and no multisampling (picking reads pixels).
    static void SetDefaultFormat();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CVentrelView &m_view;
    QtUi &m_ui;
    bool m_ready = false;
};

} // namespace ventrel
