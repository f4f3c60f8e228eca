// The main window's printing, print preview, About box and user guide.
#include "MainWindow.h"

#include "GuideWindow.h"
#include "OrganView3D.h"
#include "QtUi.h"

#include "app/VentrelView.h"
#include "dialogs/AboutBox.h"
#include "platform/qtgui/PainterCanvas.h"

#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cstring>

namespace ventrel {

void MainWindow::PrintTo(QPrinter &printer) {
    CVentrelView &view = *m_view;
    if (view.Shows3D() && m_view3D && m_view3D->Ready()) {
        // The 3D frame as the window shows it, for the view to put on paper.
        const QImage frame = m_view3D->grabFramebuffer().convertToFormat(QImage::Format_RGBA8888);
        view.m_printFrame.width = frame.width();
        view.m_printFrame.height = frame.height();
        view.m_printFrame.rgba.resize(static_cast<size_t>(frame.width()) * frame.height() * 4);
        for (int y = 0; y < frame.height(); ++y)
            std::memcpy(&view.m_printFrame.rgba[static_cast<size_t>(y) * frame.width() * 4],
                        frame.constScanLine(y), static_cast<size_t>(frame.width()) * 4);
    } else {
        view.m_printFrame = {};
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_ui->MessageBox("The printer cannot be opened.");
        return;
    }
    view.BeginPrinting();
    bool first = true;
    for (const int page : CVentrelView::PagesToPrint(printer.fromPage(), printer.toPage())) {
        if (!first)
            printer.newPage();
        first = false;
        PainterCanvas canvas(painter);
        view.PrintPage(canvas, page, printer.width(), printer.height());
    }
    view.EndPrinting();
    painter.end();
    Sync();
}

namespace {

// The drawing is laid out in printer pixels: at 600 dots per inch the proposed printing scale of 5
// spreads a chest of a few metres over the five page strips.
constexpr int kPrintResolution = 600;

} // namespace

void MainWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintTo(printer);
}

void MainWindow::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { PrintTo(*target); });
    preview.exec();
}

void MainWindow::ShowAbout() {
    QMessageBox::about(this, AboutBox::kTitle, QString::fromStdString(AboutBox::Text()));
}

void MainWindow::ShowGuide() {
    if (!m_guideWindow) {
        const std::filesystem::path guide = FindGuide();
        if (guide.empty()) {
            m_ui->MessageBox("The user guide is not installed: share/doc/ventrel/docs/guide.md "
                             "was not found beside the program.");
            return;
        }
        m_guideWindow = std::make_unique<GuideWindow>(guide);
    }
    m_guideWindow->show();
    m_guideWindow->raise();
    m_guideWindow->activateWindow();
}

} // namespace ventrel
