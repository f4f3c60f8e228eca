// Printing the view: five pages, each a horizontal strip of one wide drawing, numbered "Page %d".
#include "VentrelView.h"

#include "OffsetCanvas.h"

#include "platform/Canvas.h"
#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {

void CVentrelView::BeginPrinting() {
    m_drawing.SetPrinting(true);
    m_savedLineWidth = m_drawing.g_lineWidth;
}

std::vector<int> CVentrelView::PagesToPrint(int from, int to) {
    const int first = from > 0 ? from : 1;
    const int last = to > 0 ? std::min(to, kPrintPages) : kPrintPages;
    std::vector<int> pages;
    for (int page = first; page <= last; ++page)
        pages.push_back(page);
    return pages;
}

void CVentrelView::PrintPage(Canvas &canvas, int page, int pageWidth, int pageHeight) {
    m_pageWidth = pageWidth;
    m_pageHeight = pageHeight;
    // The window origin moves left by one page width per page.
    const int origin = (page - 1) * pageWidth;
    OffsetCanvas strip(canvas, -origin, 0);
    m_drawing.SetCanvas(&strip);
    if (g_scene && g_scene->m_display3D) {
        // The 3D frame, as the window last drew it, at the drawing's origin.
        const Frame &frame = m_printFrame;
        if (frame.width > 0 && frame.height > 0 &&
            frame.rgba.size() >= static_cast<size_t>(frame.width) * frame.height * 4) {
            // The canvas takes bottom-up BGRA rows.
            std::vector<std::uint8_t> bgra(frame.rgba.size());
            const size_t stride = static_cast<size_t>(frame.width) * 4;
            for (int y = 0; y < frame.height; ++y) {
                const std::uint8_t *from = &frame.rgba[static_cast<size_t>(y) * stride];
                std::uint8_t *to = &bgra[static_cast<size_t>(frame.height - 1 - y) * stride];
                for (size_t x = 0; x < static_cast<size_t>(frame.width); ++x) {
                    to[4 * x] = from[4 * x + 2];
                    to[4 * x + 1] = from[4 * x + 1];
                    to[4 * x + 2] = from[4 * x];
                    to[4 * x + 3] = 255;
                }
            }
            strip.Image(0, 0, frame.width, frame.height, bgra.data(), static_cast<int>(stride), 32);
        }
    } else if (g_currentChest) {
        m_drawing.g_lineWidth = 3;
        m_drawing.BeginPaint();
        g_currentChest->Draw(m_drawing);
        m_drawing.g_lineWidth = m_savedLineWidth;
    }
    m_drawing.BeginPaint();
    m_drawing.SetTextColour(m_drawing.g_textColour);
    m_drawing.DrawTextPixel(origin + 10, pageHeight - 100, Format("Page %d", page));
    m_drawing.SetCanvas(nullptr);
}

void CVentrelView::EndPrinting() {
    m_drawing.SetPrinting(false);
    m_drawing.g_lineWidth = m_savedLineWidth;
    m_drawing.g_scale2D = g_screenScale;
}

} // namespace ventrel
