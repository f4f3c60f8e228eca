// The PDF writer of the standard fonts, read back by poppler (pdfinfo, pdftotext, pdftoppm), by
// qpdf and by its own cross-reference table.
#include "platform/pdf/PdfCanvas.h"
#include "platform/pdf/StandardFontPdf.h"
#include "platform/pdf/WinAnsiText.h"

#include "ShellCommand.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

namespace ventrel {
namespace {

using test::ShellOutput;

std::string MakePdf(int widthMm, int heightMm, const std::string &title,
                    const std::function<void(CanvasPages &)> &paint) {
    std::string bytes;
    EXPECT_TRUE(MakeStandardFontPdf(widthMm, heightMm, title, paint, bytes));
    return bytes;
}

// A page rendered by poppler, as RGB pixels.
struct Rendered {
    int width = 0, height = 0;
    std::string rgb;
    Rgb At(int x, int y) const {
        const size_t i =
            (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
        return {static_cast<std::uint8_t>(rgb[i]), static_cast<std::uint8_t>(rgb[i + 1]),
                static_cast<std::uint8_t>(rgb[i + 2])};
    }
};

Rendered Render(const std::filesystem::path &pdf, int dpi, int pageNumber = 1) {
    const std::string ppm = ShellOutput("pdftoppm -r " + std::to_string(dpi) + " -singlefile -f " +
                                        std::to_string(pageNumber) + " " + pdf.string());
    Rendered page;
    int maximum = 0, consumed = 0;
    if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &page.width, &page.height, &maximum, &consumed) ==
        3) {
        page.rgb = ppm.substr(static_cast<size_t>(consumed) + 1);
    }
    EXPECT_EQ(page.rgb.size(), static_cast<size_t>(page.width) * page.height * 3)
        << ppm.substr(0, 200);
    return page;
}

bool IsWhite(Rgb c) {
    return c.r > 230 && c.g > 230 && c.b > 230;
}

TEST(WinAnsiText, WesternTextIsRecodedAndOtherScriptsAreRefused) {
    EXPECT_EQ(ToWinAnsi("Bourdon 8'"), "Bourdon 8'");
    EXPECT_EQ(ToWinAnsi("R\xC3\xA9"
                        "cit"),
              "R\xE9"
              "cit"); // UTF-8
    EXPECT_EQ(ToWinAnsi("R\xE9"
                        "cit"),
              "R\xE9"
              "cit");                                                             // Latin-1
    EXPECT_EQ(ToWinAnsi("\xE2\x82\xAC \xE2\x80\x99 \xC5\x93"), "\x80 \x92 \x9C"); // € ’ œ
    EXPECT_EQ(ToWinAnsi("\xC3"), "\xC3");               // cut short: Latin-1
    EXPECT_EQ(ToWinAnsi("\xC0\xAF"), "\xC0\xAF");       // overlong: Latin-1
    EXPECT_EQ(ToWinAnsi("G\xC5\x82os"), std::nullopt);  // ł
    EXPECT_EQ(ToWinAnsi("\xE5\xA3\xB0"), std::nullopt); // 声
    EXPECT_EQ(ToWinAnsi("tab\there"), std::nullopt);
    EXPECT_EQ(ToWinAnsi("\x85"), std::nullopt); // a C1 control in Latin-1
    EXPECT_EQ(ToWinAnsi(""), "");
}

// Every object the cross-reference table names begins where it says; readers that trust the
// table (as most do) find nothing otherwise.
TEST(PdfWriter, CrossReferencePointsAtEveryObjectAndPopplerReadsThePages) {
    const std::string pdf = MakePdf(420, 297,
                                    "Report: R\xC3\xA9"
                                    "cit (8')",
                                    [](CanvasPages &pages) {
                                        for (int p = 0; p < 3; ++p) {
                                            Canvas &page = pages.NewPage();
                                            page.SetPen(Rgb{0, 0, 0}, 1);
                                            page.Ellipse(100, 100, 300, 300);
                                            page.Text(100, 400, "page " + std::to_string(p + 1));
                                        }
                                    });
    const size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const size_t table = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(table, 5, "xref\n"), 0);
    int first = -1, count = 0;
    ASSERT_EQ(std::sscanf(pdf.c_str() + table, "xref\n%d %d", &first, &count), 2);
    EXPECT_EQ(first, 0);
    const size_t entries = pdf.find('\n', table + 5) + 1;
    for (int object = 1; object < count; ++object) {
        const size_t offset =
            std::stoul(pdf.substr(entries + 20 * static_cast<size_t>(object), 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(object).size() + 6,
                              std::to_string(object) + " 0 obj"),
                  0)
            << "object " << object;
    }
    EXPECT_NE(pdf.find("/Size " + std::to_string(count) + " "), std::string::npos);

    test::TestFolder folder;
    const auto path = folder.Write("three.pdf", pdf);
    const std::string info = ShellOutput("pdfinfo " + path.string());
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("1190.55 x 841.89 pts (A3)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Report: R\xC3\xA9"
                        "cit (8')\n"),
              std::string::npos)
        << info;
    EXPECT_EQ(info.find("rror"), std::string::npos) << info;
    // qpdf checks the syntax and decodes every stream.
    int status = -1;
    const std::string checked = ShellOutput("qpdf --check " + path.string(), &status);
    EXPECT_NE(checked.find("No syntax or stream encoding errors"), std::string::npos) << checked;
    EXPECT_EQ(status, 0) << checked;
    EXPECT_EQ(ShellOutput("pdftotext " + path.string() + " -"),
              "page 1\n\n\fpage 2\n\n\fpage 3\n\n\f");
}

TEST(PdfWriter, PagesWithNothingDrawnStillMakeAPdfOfOnePage) {
    const std::string pdf = MakePdf(210, 297, "empty", [](CanvasPages &) {});
    test::TestFolder folder;
    const std::string info = ShellOutput("pdfinfo " + folder.Write("empty.pdf", pdf).string());
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
}

// The page's units are tenths of a millimetre from the top left, as on every other canvas:
// at 254 dpi one unit is one pixel.
TEST(PdfWriter, ShapesAndPicturesLandWhereTheUnitsSayTheRightWayUp) {
    const std::string pdf = MakePdf(100, 80, "shapes", [](CanvasPages &pages) {
        Canvas &page = pages.NewPage();
        page.FillRect(100, 200, 300, 400, Rgb{255, 0, 0});
        page.SetPen(Rgb{0, 0, 255}, 8);
        page.Ellipse(500, 100, 700, 300); // centre (600, 200), radius 100
        page.MoveTo(100, 600);
        page.LineTo(400, 600);
        page.LineTo(400, 700);
        // A picture of 40 x 40 pixels, rows bottom-up in BGR: its upper half green.
        std::string pixels(40 * 40 * 3, '\0');
        for (int row = 0; row < 40; ++row)
            for (int column = 0; column < 40; ++column) {
                const size_t i = (static_cast<size_t>(row) * 40 + static_cast<size_t>(column)) * 3;
                pixels[i + (row >= 20 ? 1 : 2)] = static_cast<char>(255);
            }
        page.Image(600, 500, 40, 40, reinterpret_cast<const std::uint8_t *>(pixels.data()), 120,
                   24);
    });
    test::TestFolder folder;
    const Rendered page = Render(folder.Write("shapes.pdf", pdf), 254);
    ASSERT_EQ(page.width, 1000);
    ASSERT_EQ(page.height, 800);
    EXPECT_EQ(page.At(200, 300).r, 255);
    EXPECT_LT(page.At(200, 300).g, 20);
    EXPECT_TRUE(IsWhite(page.At(200, 450))) << "the fill went beyond its box";
    EXPECT_TRUE(IsWhite(page.At(200, 150)));
    // The circle: its four ends dark blue, its centre and the corners of its box white.
    for (auto [x, y] : {std::pair{700, 200}, {500, 200}, {600, 100}, {600, 300}})
        EXPECT_GT(page.At(x, y).b, 200) << x << "," << y;
    for (auto [x, y] : {std::pair{600, 200}, {505, 105}, {695, 295}})
        EXPECT_TRUE(IsWhite(page.At(x, y))) << x << "," << y;
    // The two lines of one path.
    EXPECT_GT(page.At(250, 600).b, 200);
    EXPECT_GT(page.At(400, 650).b, 200);
    EXPECT_TRUE(IsWhite(page.At(250, 650)));
    // The picture: green at the top, red at the bottom.
    EXPECT_GT(page.At(620, 505).g, 200);
    EXPECT_LT(page.At(620, 505).r, 50);
    EXPECT_GT(page.At(620, 535).r, 200);
    EXPECT_LT(page.At(620, 535).g, 50);
}

// A text is placed by the top left of its line, reads back as it was given, whatever it holds,
// and hides what lies under it only when the background is opaque.
TEST(PdfWriter, TextsReadBackAtTheirPlaceAndCoverOnlyWhenOpaque) {
    const std::string odd = "Flûte (8') \\ R\xC3\xA9"
                            "cit \xE2\x80\x94 5 \xE2\x82\xAC";
    const std::string pdf = MakePdf(100, 80, "texts", [&](CanvasPages &pages) {
        Canvas &page = pages.NewPage();
        page.SetFont("Arial", 40);
        page.SetTextColour(Rgb{0, 0, 0});
        page.SetTransparentBackground(true);
        page.Text(100, 100, odd);
        page.FillRect(0, 400, 1000, 800, Rgb{0, 0, 0});
        page.SetFont("Times", 200);
        page.SetTransparentBackground(false);
        page.Text(100, 500, "II");
        page.SetTransparentBackground(true);
        page.Text(600, 500, "II");
    });
    test::TestFolder folder;
    const auto path = folder.Write("texts.pdf", pdf);
    const std::string text = ShellOutput("pdftotext -raw " + path.string() + " -");
    EXPECT_EQ(text.substr(0, text.find('\n')), "Flûte (8') \\ Récit — 5 €");
    // The top of the line at 10 mm: poppler's box of the words starts there (in points).
    const std::string boxes = ShellOutput("pdftotext -bbox " + path.string() + " -");
    std::smatch word;
    ASSERT_TRUE(
        std::regex_search(boxes, word, std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Fl")))
        << boxes;
    EXPECT_NEAR(std::stod(word[1]) * 25.4 / 72, 10.0, 0.3);
    EXPECT_NEAR(std::stod(word[2]) * 25.4 / 72, 10.0, 1.0);
    // Left of the first stem of "II" (inside the text's box): white when opaque, black when not.
    const Rendered page = Render(path, 254);
    EXPECT_TRUE(IsWhite(page.At(103, 560)));
    EXPECT_FALSE(IsWhite(page.At(603, 560)));
}

// A plate names its holes by size: each size of circle is written once, and every page that draws
// it (pages share their resources) shows it in its own place, in the pen of the moment.
TEST(PdfWriter, EachSizeOfCircleIsWrittenOnceAndDrawnOnEveryPage) {
    const std::string pdf = MakePdf(100, 80, "circles", [](CanvasPages &pages) {
        for (int p = 0; p < 2; ++p) {
            Canvas &page = pages.NewPage();
            page.SetPen(Rgb{0, 0, 0}, 6);
            for (int i = 0; i < 9; ++i)
                page.Ellipse(50 + 100 * i, 100, 130 + 100 * i, 180);
            page.SetPen(Rgb{255, 0, 0}, 6);
            page.Ellipse(100 + 300 * p, 400, 301 + 300 * p, 600); // 201 x 200
        }
    });
    size_t forms = 0;
    for (size_t at = pdf.find("/Subtype /Form"); at != std::string::npos;
         at = pdf.find("/Subtype /Form", at + 1))
        ++forms;
    EXPECT_EQ(forms, 2u);
    test::TestFolder folder;
    const auto path = folder.Write("circles.pdf", pdf);
    for (int p = 1; p <= 2; ++p) {
        const Rendered page = Render(path, 254, p);
        ASSERT_EQ(page.width, 1000);
        EXPECT_LT(page.At(850, 140).r, 60) << "page " << p; // the last small circle's left side
        EXPECT_TRUE(IsWhite(page.At(890, 140))) << "page " << p;
        const int left = 100 + 300 * (p - 1);
        EXPECT_GT(page.At(left, 500).r, 200) << "page " << p;
        EXPECT_LT(page.At(left, 500).g, 60) << "page " << p;
        EXPECT_GT(page.At(left + 201, 500).r, 200) << "page " << p;
        EXPECT_TRUE(IsWhite(page.At(left + 100, 500))) << "page " << p;
    }
}

TEST(PdfWriter, ATextBeyondTheStandardFontsIsReportedNotWrittenWrong) {
    std::string bytes = "untouched";
    EXPECT_FALSE(MakeStandardFontPdf(
        210, 297, "x", [](CanvasPages &pages) { pages.NewPage().Text(0, 0, "G\xC5\x82os"); },
        bytes));
    EXPECT_EQ(bytes, "untouched");
}

} // namespace
} // namespace ventrel
