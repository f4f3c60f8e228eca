// The canvas drawn with a QPainter: the screen, the printer, images, PDF and SVG alike.
#include "PainterCanvas.h"
#include "ViewFonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStringDecoder>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

namespace ventrel {
namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

// Texts come from the description files: UTF-8 when they are, otherwise Windows Latin-1.
QString ToQString(const std::string &text) {
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!decoder.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr qsizetype kMaxCachedTexts = 16384;

} // namespace

QHash<QString, LaidOutText> &TextLayouts::For(const QFont &font, const QPainter &painter) {
    const QTransform &t = painter.transform();
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    const std::string key = font.key().toStdString() + '|' + std::to_string(dpi) + '|' +
                            std::to_string(t.m11()) + ',' + std::to_string(t.m12()) + ',' +
                            std::to_string(t.m21()) + ',' + std::to_string(t.m22());
    if (m_tables.size() > 64 && m_tables.find(key) == m_tables.end())
        m_tables.clear();
    return m_tables[key];
}

PainterCanvas::PainterCanvas(QPainter &painter, TextLayouts *layouts, Device device)
    : m_painter(painter), m_layouts(layouts ? layouts : &m_ownLayouts),
      m_document(device == Device::Document) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_pen = QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    m_pen.setCosmetic(true);
    m_font = ViewFont("Arial", 12);
}

void PainterCanvas::UsePen(const QPen &pen) {
    if (m_painterPenSet && pen == m_painterPen)
        return;
    m_painter.setPen(pen);
    m_painterPen = pen;
    m_painterPenSet = true;
}

void PainterCanvas::UseNoBrush() {
    if (m_painterNoBrush)
        return;
    m_painter.setBrush(Qt::NoBrush);
    m_painterNoBrush = true;
}

void PainterCanvas::UseFont() {
    if (!m_fontChanged)
        return;
    m_painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    m_ascent = metrics.ascent();
    m_lineHeight = metrics.height();
    m_fontChanged = false;
    m_texts = &m_layouts->For(m_font, m_painter);
}

void PainterCanvas::SetPen(Rgb colour, int width) {
    m_pen.setColor(ToQColor(colour));
    // Width 0 and 1 are both one device pixel.
    m_pen.setWidth(std::max(0, width));
}

void PainterCanvas::SetBrush(Rgb colour) {
    m_brush = ToQColor(colour);
}

void PainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    UsePen(m_pen);
    UseNoBrush();
    m_painter.drawEllipse(QRect(left, top, right - left, bottom - top));
}

void PainterCanvas::FrameRect(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    if (right == left || bottom == top)
        return;
    QPen frame(m_brush, 0);
    frame.setCosmetic(true);
    UsePen(frame);
    UseNoBrush();
    // The frame lies inside the box: its right and bottom edges are the last pixels within it.
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PainterCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    NormaliseBox(left, top, right, bottom);
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void PainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    UsePen(m_pen);
    m_painter.setBrush(m_brush);
    m_painterNoBrush = false;
    m_painter.drawRect(
        QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1)));
}

void PainterCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void PainterCanvas::LineTo(int x, int y) {
    UsePen(m_pen);
    m_painter.drawLine(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

void PainterCanvas::SetFont(const std::string &family, int height) {
    m_font = ViewFont(family, height);
    m_fontChanged = true;
}

void PainterCanvas::SetTextColour(Rgb colour) {
    m_textColour = ToQColor(colour);
}

void PainterCanvas::SetTransparentBackground(bool transparent) {
    m_transparent = transparent;
}

void PainterCanvas::Text(int x, int y, const std::string &text) {
    const QString string = ToQString(text);
    UseFont();
    QHash<QString, LaidOutText> &texts = *m_texts;
    auto found = texts.find(string);
    if (found == texts.end()) {
        if (texts.size() >= kMaxCachedTexts)
            texts.clear();
        LaidOutText laidOut;
        laidOut.text = QStaticText(string);
        laidOut.advance = QFontMetrics(m_font).horizontalAdvance(string);
        laidOut.text.setTextFormat(Qt::PlainText);
        laidOut.text.prepare(m_painter.transform(), m_font);
        found = texts.insert(string, laidOut);
    }
    if (!m_transparent)
        m_painter.fillRect(QRect(x, y, found->advance, m_lineHeight), Qt::white);
    QPen pen(m_textColour);
    UsePen(pen);
    // A laid-out text is placed by the top of its line, as the view's texts are.
    if (!m_document) {
        m_painter.drawStaticText(QPoint(x, y), found->text);
        return;
    }
    if (!found->glyphsMade) {
        QTextLayout layout(string, m_font, m_painter.device());
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        found->glyphs = layout.glyphRuns();
        found->glyphsMade = true;
    }
    for (const QGlyphRun &run : std::as_const(found->glyphs))
        m_painter.drawGlyphRun(QPointF(x, y), run);
}

void PainterCanvas::Image(int x, int y, int width, int height, const std::uint8_t *pixels,
                          int stride, int bitsPerPixel) {
    if (!pixels || width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return;
    const QImage::Format format = bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32;
    const QImage bottomUp(pixels, width, height, stride, format);
    m_painter.drawImage(QPoint(x, y), bottomUp.mirrored(false, true));
}

} // namespace ventrel
