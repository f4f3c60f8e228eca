// The widget that shows the view's 2D pictures and hands mouse, wheel and keys to the view.
#pragma once

#include "platform/qtgui/PainterCanvas.h"

#include <QWidget>

namespace ventrel {

class CVentrelView;
class QtUi;

// Mouse, wheel and key events of a view widget, as the view's window messages.
namespace ViewInput {
void MousePress(CVentrelView &view, QMouseEvent *event);
// `pixelRatio` turns the click's logical pixels into the device pixels a 3D pick reads.
void MouseRelease(CVentrelView &view, QMouseEvent *event, qreal pixelRatio = 1);
void MouseMove(CVentrelView &view, QMouseEvent *event);
void Wheel(CVentrelView &view, QWheelEvent *event);
// False for keys the view leaves to the window.
bool Key(CVentrelView &view, QKeyEvent *event);
} // namespace ViewInput

class ChestView2D : public QWidget {
    Q_OBJECT
public:
    ChestView2D(CVentrelView &view, QtUi &ui, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CVentrelView &m_view;
    QtUi &m_ui;
    // Texts laid out by earlier repaints, drawn again as they are.
    TextLayouts m_textLayouts;
};

} // namespace ventrel
