// The toolbar pictures: SVG drawings in resources/icons, built into the program.
#include "ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <map>

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

const char *ToolbarPicture(int id) {
    // To be carried by each command of the command table, beside its button text.
    static const std::map<int, const char *> pictures = {
        {57600, "new"},
        {57601, "open"},
        {57603, "save"},
        {57635, "cut"},
        {57634, "copy"},
        {57637, "paste"},
        {57607, "print"},
        {57664, "about"},
        {32799, "rotation-step-down"},
        {32800, "rotation-step-up"},
        {32801, "translation-step-down"},
        {32802, "translation-step-up"},
        {32803, "no-action"},
        {32804, "pick"},
        {32812, "preset-1"},
        {32817, "preset-2"},
        {32813, "preset-3"},
        {32814, "preset-4"},
        {32816, "preset-5"},
    };
    const auto it = pictures.find(id);
    return it == pictures.end() ? "" : it->second;
}

} // namespace ventrel
