// The widget that shows the view's 2D pictures and hands mouse, wheel and keys to the view.
#include "ChestView2D.h"

#include "QtUi.h"

#include "app/VentrelView.h"
#include "platform/qtgui/PainterCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace ventrel {

namespace ViewInput {

namespace {
ScreenPoint Point(const QPointF &position) {
    return {static_cast<int>(position.x()), static_cast<int>(position.y())};
}
} // namespace

void MousePress(CVentrelView &view, QMouseEvent *event) {
    const ScreenPoint p = Point(event->position());
    if (event->button() == Qt::LeftButton)
        view.OnLeftDown(p);
    else if (event->button() == Qt::RightButton)
        view.OnRightDown(p);
}

void MouseRelease(CVentrelView &view, QMouseEvent *event, qreal pixelRatio) {
    if (event->button() == Qt::LeftButton)
        view.OnLeftUp();
    else if (event->button() == Qt::RightButton)
        view.OnRightUp(Point(event->position() * pixelRatio));
}

void MouseMove(CVentrelView &view, QMouseEvent *event) {
    view.OnMouseMove(Point(event->position()));
}

void Wheel(CVentrelView &view, QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    view.OnWheel(delta, Point(event->position()));
}

bool Key(CVentrelView &view, QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        view.OnKeyDown(kKeyPageUp);
        return true;
    case Qt::Key_PageDown:
        view.OnKeyDown(kKeyPageDown);
        return true;
    case Qt::Key_Escape:
        view.OnKeyDown(kKeyEscape);
        return true;
    default:
        return false;
    }
}

} // namespace ViewInput

ChestView2D::ChestView2D(CVentrelView &view, QtUi &ui, QWidget *parent)
    : QWidget(parent), m_view(view), m_ui(ui) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChestView2D::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    PainterCanvas canvas(painter, &m_textLayouts);
    m_ui.SetPainting(true);
    m_view.Paint2D(canvas);
    m_ui.SetPainting(false);
}

void ChestView2D::resizeEvent(QResizeEvent *) {
    m_view.OnSize(width(), height());
}

void ChestView2D::mousePressEvent(QMouseEvent *event) {
    ViewInput::MousePress(m_view, event);
}
void ChestView2D::mouseReleaseEvent(QMouseEvent *event) {
    ViewInput::MouseRelease(m_view, event);
}
void ChestView2D::mouseMoveEvent(QMouseEvent *event) {
    ViewInput::MouseMove(m_view, event);
}
void ChestView2D::wheelEvent(QWheelEvent *event) {
    ViewInput::Wheel(m_view, event);
}

void ChestView2D::keyPressEvent(QKeyEvent *event) {
    if (!ViewInput::Key(m_view, event))
        QWidget::keyPressEvent(event);
}

} // namespace ventrel
