#include "PdfCanvas.h"
#include "PdfNumbers.h"
#include "WinAnsiText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace ventrel {
namespace {

struct FontMetrics {
    const char *name;  // the resource name in the page's fonts
    double ascent;     // from the top of the line to the baseline, in ems
    double lineHeight; // ascent and descent
};

// The line boxes of Arial and Times New Roman, whose metrics these standard fonts share.
FontMetrics MetricsOf(StandardFont font) {
    if (font == StandardFont::TimesRoman)
        return {"/F2", 0.891, 1.107};
    return {"/F1", 0.905, 1.117};
}

} // namespace

PdfCanvas::PdfCanvas(PdfDocument &document, double heightPt, double pointsPerUnit)
    : m_document(document) {
    // The page's units with y growing downwards, as on the screen.
    char start[96];
    std::snprintf(start, sizeof start, "%.6f 0 0 %.6f 0 %.4f cm\n2 M\n", pointsPerUnit,
                  -pointsPerUnit, heightPt);
    m_content.reserve(256 * 1024); // a plate sheet's content is of this order
    m_content = start;
}

void PdfCanvas::Number(int value) {
    AppendNumber(m_content, value);
}

void PdfCanvas::Tenths(long tenths) {
    AppendTenths(m_content, tenths);
}

void PdfCanvas::ColourOperator(Rgb colour, const char *op) {
    // Each component as a fraction of 255 to three places: closer than one step of the colour.
    for (std::uint8_t component : {colour.r, colour.g, colour.b}) {
        if (component == 0 || component == 255) {
            m_content += component == 0 ? "0 " : "1 ";
            continue;
        }
        char text[8];
        std::snprintf(text, sizeof text, "%.3f ", component / 255.0);
        m_content += text + 1; // without the leading zero
    }
    m_content += op;
    m_content += '\n';
}

void PdfCanvas::StrokeWith(Rgb colour, int width) {
    if (!m_stroke.set || !(m_stroke.rgb == colour)) {
        EndPath();
        ColourOperator(colour, "RG");
        m_stroke = {colour, true};
    }
    if (width != m_lineWidth) {
        EndPath();
        Number(width);
        m_content += "w\n";
        m_lineWidth = width;
    }
}

void PdfCanvas::FillWith(Rgb colour) {
    if (m_fill.set && m_fill.rgb == colour)
        return;
    ColourOperator(colour, "rg");
    m_fill = {colour, true};
}

void PdfCanvas::EndPath() {
    if (!m_pathOpen)
        return;
    m_content += "S\n";
    m_pathOpen = false;
}

void PdfCanvas::SetPen(Rgb colour, int width) {
    m_penColour = colour;
    m_penWidth = std::max(0, width);
}

void PdfCanvas::SetBrush(Rgb colour) {
    m_brush = colour;
}

void PdfCanvas::Ellipse(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    if (left == right && top == bottom)
        return;
    StrokeWith(m_penColour, m_penWidth);
    EndPath();
    // The document's shape of this size, moved to the centre.
    m_content += "q 1 0 0 1 ";
    Tenths(5L * left + 5L * right);
    Tenths(5L * top + 5L * bottom);
    m_content += "cm ";
    m_content += m_document.EllipseShape(right - left, bottom - top);
    m_content += " Do Q\n";
}

void PdfCanvas::FrameRect(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    if (right == left || bottom == top)
        return;
    EndPath();
    // One pixel wide in the brush's colour, lying inside the box.
    StrokeWith(m_brush, 0);
    Number(left);
    Number(top);
    Number(right - left - 1);
    Number(bottom - top - 1);
    m_content += "re S\n";
}

void PdfCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    NormaliseBox(left, top, right, bottom);
    EndPath();
    FillWith(colour);
    Number(left);
    Number(top);
    Number(right - left);
    Number(bottom - top);
    m_content += "re f\n";
}

void PdfCanvas::Rectangle(int left, int top, int right, int bottom) {
    NormaliseBox(left, top, right, bottom);
    EndPath();
    StrokeWith(m_penColour, m_penWidth);
    FillWith(m_brush);
    Number(left);
    Number(top);
    Number(std::max(0, right - left - 1));
    Number(std::max(0, bottom - top - 1));
    m_content += "re B\n";
}

void PdfCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void PdfCanvas::LineTo(int x, int y) {
    StrokeWith(m_penColour, m_penWidth);
    if (!m_pathOpen || !m_pathEndKnown || m_pathX != m_x || m_pathY != m_y) {
        Number(m_x);
        Number(m_y);
        m_content += "m ";
    }
    Number(x);
    Number(y);
    m_content += "l\n";
    m_pathOpen = true;
    m_pathEndKnown = true;
    m_x = m_pathX = x;
    m_y = m_pathY = y;
}

void PdfCanvas::SetFont(const std::string &family, int height) {
    m_font = family == "Times" ? StandardFont::TimesRoman : StandardFont::Helvetica;
    // The character cell is `height`; the em is about 1/1.16 of it, as on the screen.
    m_fontSize = std::max(1, static_cast<int>(std::lround(height / 1.16)));
}

void PdfCanvas::SetTextColour(Rgb colour) {
    m_textColour = colour;
}

void PdfCanvas::SetTransparentBackground(bool transparent) {
    m_transparent = transparent;
}

void PdfCanvas::Text(int x, int y, const std::string &text) {
    const std::optional<std::string> coded = ToWinAnsi(text);
    if (!coded) {
        m_textBeyondFonts = true;
        return;
    }
    if (coded->empty())
        return;
    EndPath();
    const FontMetrics metrics = MetricsOf(m_font);
    if (!m_transparent) {
        long width = 0;
        for (char c : *coded)
            width += StandardFontWidth(m_font, static_cast<unsigned char>(c));
        FillRect(x, y, x + static_cast<int>((width * m_fontSize + 999) / 1000),
                 y + static_cast<int>(std::ceil(metrics.lineHeight * m_fontSize)),
                 Rgb{255, 255, 255});
    }
    FillWith(m_textColour);
    m_content += "BT ";
    if (static_cast<int>(m_font) != m_textFont || m_fontSize != m_textSize) {
        m_content += metrics.name;
        m_content += ' ';
        Number(m_fontSize);
        m_content += "Tf ";
        m_textFont = static_cast<int>(m_font);
        m_textSize = m_fontSize;
    }
    // The text matrix turns the page's downward y back up for the letters.
    m_content += "1 0 0 -1 ";
    Number(x);
    Number(y + static_cast<int>(std::lround(metrics.ascent * m_fontSize)));
    m_content += "Tm (";
    for (char c : *coded) {
        if (c == '(' || c == ')' || c == '\\')
            m_content += '\\';
        m_content += c;
    }
    m_content += ") Tj ET\n";
}

void PdfCanvas::Image(int x, int y, int width, int height, const std::uint8_t *pixels, int stride,
                      int bitsPerPixel) {
    const int bytesPerPixel = bitsPerPixel / 8;
    if (!pixels || width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32) ||
        stride < width * bytesPerPixel)
        return;
    EndPath();
    PdfPicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    // The rows come bottom-up in blue, green, red order; PDF wants them top-down in RGB.
    for (int row = height - 1; row >= 0; --row) {
        const std::uint8_t *p = pixels + static_cast<size_t>(row) * static_cast<size_t>(stride);
        for (int column = 0; column < width; ++column, p += bytesPerPixel) {
            picture.rgb += static_cast<char>(p[2]);
            picture.rgb += static_cast<char>(p[1]);
            picture.rgb += static_cast<char>(p[0]);
        }
    }
    m_content += "q ";
    Number(width);
    m_content += "0 0 ";
    Number(-height);
    Number(x);
    Number(y + height);
    m_content += "cm " + m_document.AddPicture(picture) + " Do Q\n";
}

std::string PdfCanvas::TakeContent() {
    EndPath();
    return std::move(m_content);
}

} // namespace ventrel
