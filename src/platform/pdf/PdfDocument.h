// One PDF file put together in memory: pages of one size with their content and pictures, the
// two standard fonts they name, and the cross-reference table that lets readers find each object.
#pragma once

#include <string>
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

    // A page whose content names the fonts /F1 (Helvetica) and /F2 (Times-Roman) and the pictures
    // /Im0, /Im1, ... in the order given.
    void AddPage(const std::string &content, const std::vector<PdfPicture> &pictures);

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
};

} // namespace ventrel
