// The canvas of one PDF page: the drawing written as the page's content, in the page's units
// (y down, as on the other canvases), with the standard fonts.
#pragma once

#include "PdfDocument.h"
#include "StandardFontWidths.h"

#include "platform/Canvas.h"

#include <string>

namespace ventrel {

class PdfCanvas : public Canvas {
public:
    // A page of the document, `heightPt` points high, whose unit is `pointsPerUnit` points. The
    // document keeps the pictures and shapes that the page's content names.
    PdfCanvas(PdfDocument &document, double heightPt, double pointsPerUnit);

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

    // The page's content, finished; the canvas is not drawn on afterwards.
    std::string TakeContent();
    // True once a text had a character that the standard fonts cannot show (it was left out).
    bool TextBeyondStandardFonts() const { return m_textBeyondFonts; }

private:
    struct Colour {
        Rgb rgb;
        bool set = false;
    };
    void StrokeWith(Rgb colour, int width);
    void FillWith(Rgb colour);
    void EndPath();
    void Number(int value);
    void Tenths(long tenths);
    void ColourOperator(Rgb colour, const char *op);

    PdfDocument &m_document;
    std::string m_content;

    Rgb m_penColour{0, 0, 0};
    int m_penWidth = 0;
    Rgb m_brush{255, 255, 255};
    Rgb m_textColour{0, 0, 0};
    bool m_transparent = false;
    StandardFont m_font = StandardFont::Helvetica;
    int m_fontSize = 10;

    // What the content has set so far, so that it is written only when it changes.
    Colour m_stroke, m_fill;
    int m_lineWidth = -1;
    int m_textFont = -1;
    int m_textSize = -1;

    // Lines of one pen gather into one path, stroked when anything else is drawn.
    bool m_pathOpen = false;
    bool m_pathEndKnown = false;
    int m_x = 0, m_y = 0;         // the current point of MoveTo and LineTo
    int m_pathX = 0, m_pathY = 0; // where the path's last line ends

    bool m_textBeyondFonts = false;
};

} // namespace ventrel
