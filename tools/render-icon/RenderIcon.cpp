// Renders an SVG picture into a square PNG of the size asked (the application icon's sizes).
// The pictures hold no text, so no application object (and no display) is needed.
//
//   render-icon ICON.svg SIZE OUT.png
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon ICON.svg SIZE OUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
    if (!svg.isValid() || size <= 0 || size > 1024) {
        std::fprintf(stderr, "render-icon: cannot draw %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
