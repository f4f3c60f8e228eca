// The 2D drawing state and primitives: palette, pens, brushes and the model-to-screen transform.
#include "Drawing2D.h"

#include "platform/Ui.h"

#include <cstdio>

namespace ventrel {

void Drawing2D::SetPrinting(bool printing) {
    m_printing = printing;
    g_textColour = printing ? 0 : 15;
}

Rgb Drawing2D::Colour(int c) const {
    if (m_printing || c < 0 || c >= kColourCount)
        return kPalette[0];
    return kPalette[static_cast<size_t>(c)];
}

bool Drawing2D::Accept(int value, int limit, const char *what, bool &reported) {
    if (value >= 0 && value < limit)
        return true;
    ++m_refusals;
    if (!reported) {
        reported = true;
        const std::string text =
            Format("2D drawing: %s %d is outside 0 ... %d and was ignored", what, value, limit - 1);
        if (m_ui)
            m_ui->StatusMessage(text);
        else
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    return false;
}

void Drawing2D::BeginPaint() {
    if (m_canvas) {
        const size_t font =
            m_fontIndex >= 0 && m_fontIndex < 4 ? static_cast<size_t>(m_fontIndex) : 0;
        m_canvas->SetFont(kFontNames[font], m_fontSize);
        m_canvas->SetTransparentBackground(true);
        m_canvas->SetTextColour(Colour(g_textColour));
    }
    SelectWidth(g_lineWidth);
}

void Drawing2D::FillBackground(Rgb colour) {
    if (m_canvas)
        m_canvas->FillRect(0, 0, m_viewWidth, m_viewHeight, colour);
}

void Drawing2D::SelectColour(int c) {
    if (!Accept(c, kColourCount, "palette index", m_colourRefusalReported))
        return;
    m_colour = m_printing ? 0 : c;
    if (m_canvas)
        m_canvas->SetPen(Colour(m_colour), m_width);
}

void Drawing2D::SelectWidth(int w) {
    if (!Accept(w, kWidthCount, "pen width", m_widthRefusalReported))
        return;
    m_width = w;
    if (m_canvas)
        m_canvas->SetPen(Colour(m_colour), m_width);
}

void Drawing2D::SelectBrush(int c) {
    if (!Accept(c, kColourCount, "palette index", m_colourRefusalReported))
        return;
    m_colour = m_printing ? 0 : c;
    if (m_canvas)
        m_canvas->SetBrush(Colour(m_colour));
}

void Drawing2D::DrawCircle(int x, int y, int r) {
    if (!m_canvas)
        return;
    const int cx = ScreenX(x), cy = ScreenY(y), radius = ScreenLength(r);
    m_canvas->Ellipse(cx - radius, cy - radius, cx + radius, cy + radius);
}

void Drawing2D::FrameBox(int x1, int y1, int x2, int y2) {
    if (!m_canvas)
        return;
    m_canvas->SetBrush(Colour(m_colour));
    m_canvas->FrameRect(ScreenX(x1), ScreenY(y1), ScreenX(x2), ScreenY(y2));
}

void Drawing2D::DrawText(int x, int y, const std::string &text) {
    if (m_canvas)
        m_canvas->Text(ScreenX(x), ScreenY(y), text);
}

void Drawing2D::MoveTo(int x, int y) {
    if (m_canvas)
        m_canvas->MoveTo(ScreenX(x), ScreenY(y));
}

void Drawing2D::LineTo(int x, int y) {
    if (m_canvas)
        m_canvas->LineTo(ScreenX(x), ScreenY(y));
}

void Drawing2D::SetTextColour(int c) {
    if (!Accept(c, kColourCount, "palette index", m_colourRefusalReported))
        return;
    if (m_canvas)
        m_canvas->SetTextColour(Colour(c));
}

void Drawing2D::MoveToPixel(int x, int y) {
    if (m_canvas)
        m_canvas->MoveTo(x, y);
}

void Drawing2D::LineToPixel(int x, int y) {
    if (m_canvas)
        m_canvas->LineTo(x, y);
}

void Drawing2D::DrawTextPixel(int x, int y, const std::string &text) {
    if (m_canvas)
        m_canvas->Text(x, y, text);
}

void Drawing2D::RectanglePixel(int left, int top, int right, int bottom) {
    if (m_canvas)
        m_canvas->Rectangle(left, top, right, bottom);
}

} // namespace ventrel
