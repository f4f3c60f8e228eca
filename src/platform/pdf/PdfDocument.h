// One PDF file put together in memory: pages of one size with their content and pictures, the
// two standard fonts they name, and the cross-reference table that lets readers find each object.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ventrel {

// A picture placed on a page: top-down rows of 8-bit RGB.
struct PdfPicture {
    int width = 0;
    int height = 0;
    std::string rgb;
};

class PdfDocument {
public:
    // Pages of width x height points; the title goes into the document's information.
    PdfDocument(double widthPt, double heightPt, const std::string &title);

    // The name under which a page's content draws the picture (with Do).
    std::string AddPicture(const PdfPicture &picture);
    // The name under which a page's content strokes the outline of an ellipse of that width and
    // height centred on the origin, in the current pen. Each size is written once in the file, so
    // a plate of thousands of holes names a few dozen shapes.
    std::string EllipseShape(int width, int height);
    // A page whose content names the fonts /F1 (Helvetica) and /F2 (Times-Roman), and pictures
    // and shapes by the names above.
    void AddPage(const std::string &content);

    // The whole file; the document takes no more pages.
    std::string Finish();

private:
    int NewObject();
    void BeginObject(int number);
    void WriteStream(int number, const std::string &dictionary, const std::string &data);

    std::string m_file;
    std::vector<size_t> m_offsets; // by object number - 1
    std::vector<int> m_pages;
    std::string m_mediaBox;
    std::string m_resourceNames;                           // "/Im0 7 0 R /E0 9 0 R ..."
    std::map<std::pair<int, int>, std::string> m_ellipses; // by width and height
    int m_pictureCount = 0;
};

} // namespace ventrel
