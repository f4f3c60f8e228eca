// The canvas drawn with a QPainter: the screen, the printer, images, PDF and SVG alike.
#pragma once

#include "platform/Canvas.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPen>
#include <QStaticText>
#include <QString>

#include <string>
#include <unordered_map>

class QPainter;

namespace ventrel {

// A text laid out once for drawing, with its advance for the white box behind it.
struct LaidOutText {
    QStaticText text;
    int advance = 0;
    // Its glyphs placed from the top-left corner, for documents (laid out on first use).
    QList<QGlyphRun> glyphs;
    bool glyphsMade = false;
};

// Laid-out texts by font, device resolution and painter scale. A view keeps one from one repaint
// to the next: a chest shows the same pipe numbers and dimensions on every repaint, and laying a
// text out and measuring it costs far more than drawing it.
class TextLayouts {
public:
    QHash<QString, LaidOutText> &For(const QFont &font, const QPainter &painter);

private:
    std::unordered_map<std::string, QHash<QString, LaidOutText>> m_tables;
};

// Draws every call on a painter that is already active on its device. Lines and frames are drawn
// without antialiasing, one device pixel per unit, as the view's device context draws them.
class PainterCanvas : public Canvas {
public:
    // A document's painter (PDF) lays a static text out again on every draw: there, texts are
    // drawn as the glyphs laid out once.
    enum class Device { Screen, Document };

    // Texts are laid out into `layouts` when given (kept by the caller between canvases), else
    // into tables of the canvas's own.
    explicit PainterCanvas(QPainter &painter, TextLayouts *layouts = nullptr,
                           Device device = Device::Screen);

    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetFont(const std::string &family, int height) override;
    void SetTextColour(Rgb colour) override;
    void SetTransparentBackground(bool transparent) override;
    void Text(int x, int y, const std::string &text) override;
    void Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
               int bitsPerPixel) override;

private:
    // The painter's state is changed only when it differs, since every call would otherwise
    // set pen, brush and font again.
    void UsePen(const QPen &pen);
    void UseNoBrush();
    void UseFont();

    QPainter &m_painter;
    QPen m_pen;
    QColor m_brush{Qt::white};
    QColor m_textColour{Qt::black};
    QFont m_font;
    int m_ascent = 0;
    int m_lineHeight = 0;
    bool m_fontChanged = true;
    bool m_transparent = false;
    // What the painter holds now.
    QPen m_painterPen;
    bool m_painterPenSet = false;
    bool m_painterNoBrush = false;
    TextLayouts m_ownLayouts;
    TextLayouts *m_layouts;
    // The laid-out texts of the current font.
    QHash<QString, LaidOutText> *m_texts = nullptr;
    int m_x = 0, m_y = 0;
    const bool m_document;
};

} // namespace ventrel
