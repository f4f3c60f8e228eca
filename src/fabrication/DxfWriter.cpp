// The minimal DXF files every cutting and drilling drawing is written as.
#include "DxfWriter.h"

#include "platform/Ui.h"

#include <cstdio>

namespace ventrel {

namespace {

constexpr const char *kLine =
    "LINE\n8\n0\n100\nAcDbLine\n10\n%4d\n20\n%4d\n30\n0.0\n11\n%4d\n21\n%4d\n"
    "31\n0.0\n210\n0\n220\n0\n230\n1\n0\n";
constexpr const char *kCircle =
    "CIRCLE\n100\nAcDbEntity\n8\n0\n100\nAcDbCircle\n10\n%d\n20\n%d\n30\n0\n"
    "40\n%d\n210\n0\n220\n0\n230\n1\n0\n";

} // namespace

std::string DxfWriter::LineText(int x1, int y1, int x2, int y2) {
    return Format(kLine, x1, y1, x2, y2);
}

std::string DxfWriter::CircleText(int x, int y, int r) {
    return Format(kCircle, x, y, r);
}

bool DxfWriter::Open(const std::filesystem::path &path) {
    m_entities.clear();
    return m_file.Open(path);
}

void DxfWriter::Line(int x1, int y1, int x2, int y2) {
    m_entities += LineText(x1, y1, x2, y2);
}

void DxfWriter::Circle(int x, int y, int r) {
    m_entities += CircleText(x, y, r);
}

void DxfWriter::Rectangle(const CRectangle &rect) {
    Line(rect.x1, rect.y1, rect.x2, rect.y1);
    Line(rect.x1, rect.y2, rect.x2, rect.y2);
    Line(rect.x1, rect.y1, rect.x1, rect.y2);
    Line(rect.x2, rect.y1, rect.x2, rect.y2);
}

void DxfWriter::Cross(int x, int y) {
    Line(x - 10, y, x + 10, y);
    Line(x, y - 10, x, y + 10);
}

bool DxfWriter::Finish() {
    return m_file.Write(Text()) && m_file.Finish();
}

bool DxfWriter::Close() {
    return Finish() && m_file.Publish();
}

} // namespace ventrel
