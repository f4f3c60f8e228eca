// Multi-page PDF documents drawn through the canvas (vector, text selectable).
#include "PdfPages.h"
#include "PainterCanvas.h"

#include "platform/AtomicFile.h"
#include "platform/pdf/StandardFontPdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace ventrel {
namespace {

class PdfPages : public CanvasPages {
public:
    explicit PdfPages(QPdfWriter &pdf) : m_pdf(pdf) {}
    ~PdfPages() override {
        if (m_painter)
            m_painter->end();
    }
    Canvas &NewPage() override {
        if (!m_painter) {
            m_painter = std::make_unique<QPainter>(&m_pdf);
        } else {
            m_pdf.newPage();
        }
        // A fresh canvas per page: the painter's state is set again on the new page.
        m_canvas = std::make_unique<PainterCanvas>(*m_painter, &m_layouts,
                                                   PainterCanvas::Device::Document);
        return *m_canvas;
    }
    bool Started() const { return m_painter != nullptr; }
    void End() {
        m_canvas.reset();
        if (m_painter)
            m_painter->end();
        m_painter.reset();
    }

private:
    QPdfWriter &m_pdf;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterCanvas> m_canvas;
    TextLayouts m_layouts;
};

} // namespace

namespace {

// The pages through Qt's PDF writer, which embeds the fonts it draws with: for texts in any script.
std::string EmbeddedFontPdf(int widthMm, int heightMm, const std::string &title,
                            const std::function<void(CanvasPages &)> &paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(CanvasPages::kUnitsPerMm * 254 / 10); // 254 dpi: 10 units per mm
        pdf.setPageSize(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator("Ventrel");
        pdf.setTitle(QString::fromStdString(title));
        PdfPages pages(pdf);
        paint(pages);
        if (!pages.Started())
            pages.NewPage(); // a PDF has at least one page
        pages.End();
    }
    buffer.close();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

bool WritePdfPages(const std::filesystem::path &path, int widthMm, int heightMm,
                   const std::string &title, const std::function<void(CanvasPages &)> &paint,
                   std::string &error) {
    if (widthMm <= 0 || heightMm <= 0) {
        error = "the page size must be positive";
        return false;
    }
    // Our own writer with the standard fonts is several times faster on a full plate (Qt's
    // compresses its streams at zlib's default level); Qt's takes over for a text it cannot show.
    std::string bytes;
    if (!MakeStandardFontPdf(widthMm, heightMm, title, paint, bytes))
        bytes = EmbeddedFontPdf(widthMm, heightMm, title, paint);
    return WriteFileAtomically(path, bytes, &error);
}

} // namespace ventrel
