// The OpenGL widget that shows the 3D scene: it makes its context current and the view draws.
#include "OrganView3D.h"

#include "ChestView2D.h"
#include "QtUi.h"

#include "app/VentrelView.h"

#include <QKeyEvent>
#include <QSurfaceFormat>

namespace ventrel {

OrganView3D::OrganView3D(CVentrelView &view, QtUi &ui, QWidget *parent)
    : QOpenGLWidget(parent), m_view(view), m_ui(ui) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

OrganView3D::~OrganView3D() = default;

void OrganView3D::SetDefaultFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    format.setSamples(0);
    QSurfaceFormat::setDefaultFormat(format);
}

bool OrganView3D::MakeCurrent() {
    if (!m_ready || !isValid())
        return false;
    makeCurrent();
    return true;
}

void OrganView3D::initializeGL() {
    m_ready = true;
    m_ui.SetPainting(true);
    m_view.OnInitGl();
    m_ui.SetPainting(false);
}

void OrganView3D::resizeGL(int width, int height) {
    const qreal ratio = devicePixelRatioF();
    m_view.OnReshapeGl(static_cast<int>(width * ratio), static_cast<int>(height * ratio));
}

void OrganView3D::paintGL() {
    m_ui.SetPainting(true);
    m_view.Paint3D();
    m_ui.SetPainting(false);
}

void OrganView3D::mousePressEvent(QMouseEvent *event) {
    ViewInput::MousePress(m_view, event);
}
void OrganView3D::mouseReleaseEvent(QMouseEvent *event) {
    // The scene's frame, which a right click picks from, is in device pixels.
    ViewInput::MouseRelease(m_view, event, devicePixelRatioF());
}
void OrganView3D::mouseMoveEvent(QMouseEvent *event) {
    ViewInput::MouseMove(m_view, event);
}
void OrganView3D::wheelEvent(QWheelEvent *event) {
    ViewInput::Wheel(m_view, event);
}

void OrganView3D::keyPressEvent(QKeyEvent *event) {
    if (!ViewInput::Key(m_view, event))
        QOpenGLWidget::keyPressEvent(event);
}

} // namespace ventrel
