// Printing: five pages, each a horizontal strip of the drawing, numbered, black on white.
#include "ViewFixture.h"

#include "platform/RecordingCanvas.h"

namespace ventrel::test {
namespace {

constexpr int kWidth = 1000, kHeight = 1400;

TEST_F(ViewTest, FivePagesOfStripsNumberedPageN) {
    Example("grand-orgue.dat");
    RunWithFile(kOpenChest, "grand-orgue.dat");
    m_view->m_drawing.g_scale2D = 2.0f;
    m_view->m_drawing.g_lineWidth = 1;

    std::vector<RecordingCanvas> pages(CVentrelView::kPrintPages);
    m_view->BeginPrinting();
    EXPECT_EQ(m_view->m_drawing.g_textColour, 0);
    for (int page = 1; page <= CVentrelView::kPrintPages; ++page)
        m_view->PrintPage(pages[static_cast<size_t>(page - 1)], page, kWidth, kHeight);
    m_view->EndPrinting();

    for (int page = 1; page <= CVentrelView::kPrintPages; ++page) {
        const RecordingCanvas &canvas = pages[static_cast<size_t>(page - 1)];
        const auto number = canvas.TextsEqual(Format("Page %d", page));
        ASSERT_EQ(number.size(), 1u) << page;
        EXPECT_EQ(number[0].a, 10);
        EXPECT_EQ(number[0].b, kHeight - 100);
        // Every pen is black, and the chest is drawn three pixels wide.
        for (const CanvasOp &op : canvas.OfKind(CanvasOp::Kind::Pen)) {
            EXPECT_EQ(op.colour, (Rgb{0, 0, 0}));
        }
    }
    // Page 2 shows the same drawing moved left by one page width.
    const auto first = pages[0].OfKind(CanvasOp::Kind::Ellipse);
    const auto second = pages[1].OfKind(CanvasOp::Kind::Ellipse);
    ASSERT_FALSE(first.empty());
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(second[0].a, first[0].a - kWidth);
    EXPECT_EQ(pages[0].OfKind(CanvasOp::Kind::Ellipse)[0].penWidth, 3);

    // After printing: white texts, the screen's scale and the line width it had.
    EXPECT_EQ(m_view->m_drawing.g_textColour, 15);
    EXPECT_FALSE(m_view->Printing());
    EXPECT_FLOAT_EQ(m_view->m_drawing.g_scale2D, m_view->g_screenScale);
    EXPECT_EQ(m_view->m_drawing.g_lineWidth, 1);
}

TEST_F(ViewTest, PrintingThe3DFramePutsItsPictureOnTheFirstPage) {
    RunCommand(*m_view, kDisplay3D);
    m_view->m_printFrame.width = 2;
    m_view->m_printFrame.height = 1;
    m_view->m_printFrame.rgba = {255, 0, 0, 255, 0, 0, 255, 255};
    RecordingCanvas page1, page2;
    m_view->BeginPrinting();
    m_view->PrintPage(page1, 1, kWidth, kHeight);
    m_view->PrintPage(page2, 2, kWidth, kHeight);
    m_view->EndPrinting();
    const auto image = page1.OfKind(CanvasOp::Kind::Image);
    ASSERT_EQ(image.size(), 1u);
    EXPECT_EQ(image[0].a, 0);
    EXPECT_EQ(image[0].c, 2);
    EXPECT_EQ(page2.OfKind(CanvasOp::Kind::Image)[0].a, -kWidth);
}

TEST(PrintRange, PagesFollowTheRangeChosenInThePrintDialog) {
    EXPECT_EQ(CVentrelView::PagesToPrint(0, 0), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(CVentrelView::PagesToPrint(2, 3), (std::vector<int>{2, 3}));
    EXPECT_EQ(CVentrelView::PagesToPrint(4, 9), (std::vector<int>{4, 5}));
    EXPECT_EQ(CVentrelView::PagesToPrint(0, 2), (std::vector<int>{1, 2}));
    EXPECT_EQ(CVentrelView::PagesToPrint(3, 0), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(CVentrelView::PagesToPrint(6, 8).empty());
    EXPECT_TRUE(CVentrelView::PagesToPrint(3, 2).empty());
}

} // namespace
} // namespace ventrel::test
