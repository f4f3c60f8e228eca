// Pictures drawn through a canvas and written as PNG, PDF or SVG files.
#include "PictureFile.h"
#include "PainterCanvas.h"
#include "platform/AtomicFile.h"
#include "platform/LowerCase.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

namespace ventrel {
namespace {

void PaintOn(QPaintDevice &device, const Painting &paint) {
    QPainter painter(&device);
    PainterCanvas canvas(painter);
    paint(canvas);
    painter.end();
}

} // namespace

std::optional<PictureKind> PictureKindOf(const std::filesystem::path &path) {
    const std::string ending = LowerExtension(path);
    if (ending == ".png")
        return PictureKind::Png;
    if (ending == ".pdf")
        return PictureKind::Pdf;
    if (ending == ".svg")
        return PictureKind::Svg;
    return std::nullopt;
}

QImage PaintImage(int width, int height, const Painting &paint) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(Qt::black);
    PaintOn(image, paint);
    return image;
}

bool WritePicture(const std::filesystem::path &path, PictureKind kind, int width, int height,
                  const Painting &paint, std::string &error) {
    if (width <= 0 || height <= 0) {
        error = "the picture size must be positive";
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (kind) {
    case PictureKind::Png: {
        const QImage image = PaintImage(width, height, paint);
        if (!image.save(&buffer, "PNG")) {
            error = "the PNG image could not be encoded";
            return false;
        }
        break;
    }
    case PictureKind::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(
            QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator("Ventrel");
        PaintOn(pdf, paint);
        break;
    }
    case PictureKind::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        // At the usual 96 dots per inch a viewer shows one picture pixel per screen pixel.
        svg.setResolution(96);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle("Ventrel");
        PaintOn(svg, paint);
        break;
    }
    }
    buffer.close();
    return WriteFileAtomically(path, bytes.toStdString(), &error);
}

} // namespace ventrel
