// The toolbar pictures: SVG drawings in resources/icons, built into the program.
#include "ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures are compiled into the window's static library: linked in only when named here.
static void LoadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace ventrel {

QIcon ToolbarIcon(const QString &name) {
    static const bool loaded = (LoadIconResources(), true);
    (void)loaded;
    QSvgRenderer svg(QString(":/icons/%1.svg").arg(name));
    if (!svg.isValid())
        return {};
    QIcon icon;
    // The drawings are made on a 24-pixel grid: 16 and 32 serve small toolbars, 48 the 2x screens.
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ventrel
