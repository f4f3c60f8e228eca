#include "StandardFontPdf.h"
#include "PdfCanvas.h"
#include "PdfDocument.h"

#include <memory>

namespace ventrel {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

class StandardFontPages : public CanvasPages {
public:
    StandardFontPages(int widthMm, int heightMm, const std::string &title)
        : m_document(widthMm * kPointsPerMm, heightMm * kPointsPerMm, title),
          m_heightPt(heightMm * kPointsPerMm) {}

    Canvas &NewPage() override {
        EndPage();
        m_page = std::make_unique<PdfCanvas>(m_document, m_heightPt, kPointsPerMm / kUnitsPerMm);
        return *m_page;
    }
    // False when a text could not be written.
    bool Finish(std::string &bytes) {
        if (!m_page)
            NewPage(); // a PDF has at least one page
        EndPage();
        if (m_textBeyondFonts)
            return false;
        bytes = m_document.Finish();
        return true;
    }

private:
    void EndPage() {
        if (!m_page)
            return;
        m_textBeyondFonts = m_textBeyondFonts || m_page->TextBeyondStandardFonts();
        if (!m_textBeyondFonts)
            m_document.AddPage(m_page->TakeContent());
        m_page.reset();
    }

    PdfDocument m_document;
    double m_heightPt;
    std::unique_ptr<PdfCanvas> m_page;
    bool m_textBeyondFonts = false;
};

} // namespace

bool MakeStandardFontPdf(int widthMm, int heightMm, const std::string &title,
                         const std::function<void(CanvasPages &)> &paint, std::string &bytes) {
    StandardFontPages pages(widthMm, heightMm, title);
    paint(pages);
    return pages.Finish(bytes);
}

} // namespace ventrel
