#include "PdfDocument.h"
#include "PdfNumbers.h"
#include "WinAnsiText.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>

namespace ventrel {
namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kInformation = 3;
constexpr int kHelvetica = 4;
constexpr int kTimesRoman = 5;
constexpr int kResources = 6; // shared by every page
constexpr int kFixedObjects = 6;

// The cubic Bézier that follows a quarter circle most closely (its control points' distance).
constexpr double kQuarterCircle = 0.5522847498;

// Streams are compressed for speed rather than for the last percent of size: a full plate has
// megabytes of drawing, and the default level costs several times more for a few percent.
// False when zlib could not (out of memory): the stream is then stored as it is.
bool Deflate(const std::string &data, std::string &packed) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    packed.assign(size, '\0');
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &size,
                  reinterpret_cast<const Bytef *>(data.data()), static_cast<uLong>(data.size()),
                  Z_BEST_SPEED) != Z_OK)
        return false;
    packed.resize(size);
    return true;
}

std::string Points(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A text string of the document's information: plain when it is printable ASCII, otherwise
// UTF-16 with its byte-order mark, as hexadecimal.
std::string TextString(const std::string &text) {
    const std::u32string characters = DecodeText(text);
    bool plain = true;
    for (char32_t c : characters)
        plain = plain && c >= 0x20 && c < 0x7F;
    std::string out;
    if (plain) {
        out = "(";
        for (char32_t c : characters) {
            if (c == '(' || c == ')' || c == '\\')
                out += '\\';
            out += static_cast<char>(c);
        }
        return out + ")";
    }
    char hex[8];
    out = "<FEFF";
    auto unit = [&](unsigned value) {
        std::snprintf(hex, sizeof hex, "%04X", value);
        out += hex;
    };
    for (char32_t c : characters) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out + ">";
}

} // namespace

PdfDocument::PdfDocument(double widthPt, double heightPt, const std::string &title)
    : m_offsets(kFixedObjects, 0),
      m_mediaBox("[0 0 " + Points(widthPt) + " " + Points(heightPt) + "]") {
    // The comment of high bytes tells transfer programs that the file is binary.
    m_file = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    BeginObject(kInformation);
    m_file +=
        "<< /Title " + TextString(title) + " /Creator (Ventrel) /Producer (Ventrel) >>\nendobj\n";
    BeginObject(kHelvetica);
    m_file += "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding "
              ">>\nendobj\n";
    BeginObject(kTimesRoman);
    m_file += "<< /Type /Font /Subtype /Type1 /BaseFont /Times-Roman /Encoding "
              "/WinAnsiEncoding >>\nendobj\n";
}

int PdfDocument::NewObject() {
    m_offsets.push_back(0);
    return static_cast<int>(m_offsets.size());
}

void PdfDocument::BeginObject(int number) {
    m_offsets[static_cast<size_t>(number - 1)] = m_file.size();
    m_file += std::to_string(number) + " 0 obj\n";
}

void PdfDocument::WriteStream(int number, const std::string &dictionary, const std::string &data) {
    std::string packed;
    const bool deflated = Deflate(data, packed);
    const std::string &stored = deflated ? packed : data;
    BeginObject(number);
    m_file += "<< " + dictionary + (deflated ? " /Filter /FlateDecode" : "") + " /Length " +
              std::to_string(stored.size()) + " >>\nstream\n";
    m_file += stored;
    m_file += "\nendstream\nendobj\n";
}

std::string PdfDocument::AddPicture(const PdfPicture &picture) {
    const int object = NewObject();
    WriteStream(object,
                "/Type /XObject /Subtype /Image /Width " + std::to_string(picture.width) +
                    " /Height " + std::to_string(picture.height) +
                    " /ColorSpace /DeviceRGB /BitsPerComponent 8",
                picture.rgb);
    const std::string name = "/Im" + std::to_string(m_pictureCount++);
    m_resourceNames += " " + name + " " + std::to_string(object) + " 0 R";
    return name;
}

std::string PdfDocument::EllipseShape(int width, int height) {
    const auto found = m_ellipses.find({width, height});
    if (found != m_ellipses.end())
        return found->second;
    // Four quarters from the right end of the horizontal axis, turning the same way, to a tenth
    // of a unit (the form is drawn in the page's units, so that the pen keeps its width).
    const double rx = width / 2.0, ry = height / 2.0;
    const double kx = rx * kQuarterCircle, ky = ry * kQuarterCircle;
    const double points[13][2] = {{rx, 0},   {rx, ky},  {kx, ry},   {0, ry},    {-kx, ry},
                                  {-rx, ky}, {-rx, 0},  {-rx, -ky}, {-kx, -ry}, {0, -ry},
                                  {kx, -ry}, {rx, -ky}, {rx, 0}};
    std::string path;
    for (int i = 0; i < 13; ++i) {
        AppendTenths(path, std::lround(points[i][0] * 10));
        AppendTenths(path, std::lround(points[i][1] * 10));
        if (i == 0 || i % 3 == 0)
            path += i == 0 ? "m\n" : "c\n";
    }
    path += "h S\n";
    const int object = NewObject();
    // The box only clips: it leaves room for any pen.
    WriteStream(object, "/Type /XObject /Subtype /Form /BBox [-1000000 -1000000 1000000 1000000]",
                path);
    const std::string name = "/E" + std::to_string(m_ellipses.size());
    m_resourceNames += " " + name + " " + std::to_string(object) + " 0 R";
    m_ellipses.emplace(std::pair{width, height}, name);
    return name;
}

void PdfDocument::AddPage(const std::string &content) {
    const int contentObject = NewObject();
    WriteStream(contentObject, "", content);
    const int page = NewObject();
    BeginObject(page);
    m_file += "<< /Type /Page /Parent 2 0 R /MediaBox " + m_mediaBox + " /Contents " +
              std::to_string(contentObject) + " 0 R /Resources 6 0 R >>\nendobj\n";
    m_pages.push_back(page);
}

std::string PdfDocument::Finish() {
    BeginObject(kResources);
    m_file += "<< /Font << /F1 4 0 R /F2 5 0 R >>";
    if (!m_resourceNames.empty())
        m_file += " /XObject <<" + m_resourceNames + " >>";
    m_file += " >>\nendobj\n";
    BeginObject(kPageTree);
    m_file += "<< /Type /Pages /Kids [";
    for (int page : m_pages)
        m_file += std::to_string(page) + " 0 R ";
    m_file += "] /Count " + std::to_string(m_pages.size()) + " >>\nendobj\n";
    BeginObject(kCatalog);
    m_file += "<< /Type /Catalog /Pages 2 0 R >>\nendobj\n";

    const size_t table = m_file.size();
    m_file += "xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
    char entry[24];
    for (size_t offset : m_offsets) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        m_file += entry;
    }
    m_file += "trailer\n<< /Size " + std::to_string(m_offsets.size() + 1) +
              " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return std::move(m_file);
}

} // namespace ventrel
