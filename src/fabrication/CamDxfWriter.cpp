// Complete DXF R12 drawings for CAM programs: a header with units and extents, a layer table, and
// the holes on one layer per drill diameter.
#include "CamDxfWriter.h"

#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {
namespace {

// ACI colours: the drill layers take turns through the six plain ones.
constexpr int kDrillColours[] = {1, 2, 3, 4, 5, 6};

std::string Number(double value) {
    return Format("%.6g", value);
}

int FixedColour(const std::string &layer) {
    if (layer == CamDxfWriter::kOutline)
        return 7;
    if (layer == CamDxfWriter::kMarks)
        return 8;
    if (layer == CamDxfWriter::kPartitions)
        return 30;
    return 7;
}

} // namespace

std::string CamDxfWriter::DrillLayer(double diameter) {
    return "DRILL_" + Number(diameter);
}

void CamDxfWriter::Extend(double x, double y) {
    if (!m_extended) {
        m_min[0] = m_max[0] = x;
        m_min[1] = m_max[1] = y;
        m_extended = true;
        return;
    }
    m_min[0] = std::min(m_min[0], x);
    m_min[1] = std::min(m_min[1], y);
    m_max[0] = std::max(m_max[0], x);
    m_max[1] = std::max(m_max[1], y);
}

void CamDxfWriter::Line(const std::string &layer, int x1, int y1, int x2, int y2) {
    m_layers.emplace(layer, FixedColour(layer));
    m_entities.push_back(Format("0\nLINE\n8\n%s\n10\n%d.0\n20\n%d.0\n30\n0.0\n11\n%d.0\n21\n%d.0\n"
                                "31\n0.0\n",
                                layer.c_str(), x1, y1, x2, y2));
    Extend(x1, y1);
    Extend(x2, y2);
}

void CamDxfWriter::Hole(int x, int y, int r) {
    const std::string layer = DrillLayer(2.0 * r);
    if (!m_layers.count(layer)) {
        int drills = 0;
        for (const auto &[name, colour] : m_layers)
            drills += name.starts_with("DRILL_");
        m_layers.emplace(layer, kDrillColours[drills % std::size(kDrillColours)]);
    }
    m_entities.push_back(Format("0\nCIRCLE\n8\n%s\n10\n%d.0\n20\n%d.0\n30\n0.0\n40\n%d.0\n",
                                layer.c_str(), x, y, r));
    Extend(x - r, y - r);
    Extend(x + r, y + r);
}

void CamDxfWriter::Rectangle(const std::string &layer, const CRectangle &rect) {
    Line(layer, rect.x1, rect.y1, rect.x2, rect.y1);
    Line(layer, rect.x1, rect.y2, rect.x2, rect.y2);
    Line(layer, rect.x1, rect.y1, rect.x1, rect.y2);
    Line(layer, rect.x2, rect.y1, rect.x2, rect.y2);
}

void CamDxfWriter::Cross(int x, int y) {
    Line(kMarks, x - 10, y, x + 10, y);
    Line(kMarks, x, y - 10, x, y + 10);
}

std::string CamDxfWriter::Text() const {
    std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n4\n";
    text += "9\n$EXTMIN\n10\n" + Number(m_min[0]) + "\n20\n" + Number(m_min[1]) + "\n30\n0.0\n";
    text += "9\n$EXTMAX\n10\n" + Number(m_max[0]) + "\n20\n" + Number(m_max[1]) + "\n30\n0.0\n";
    text += "0\nENDSEC\n0\nSECTION\n2\nTABLES\n";
    text += "0\nTABLE\n2\nLTYPE\n70\n1\n0\nLTYPE\n2\nCONTINUOUS\n70\n0\n3\nSolid line\n72\n65\n"
            "73\n0\n40\n0.0\n0\nENDTAB\n";
    text += "0\nTABLE\n2\nLAYER\n70\n" + std::to_string(m_layers.size() + 1) + "\n";
    text += "0\nLAYER\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n";
    for (const auto &[name, colour] : m_layers)
        text +=
            "0\nLAYER\n2\n" + name + "\n70\n0\n62\n" + std::to_string(colour) + "\n6\nCONTINUOUS\n";
    text += "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    for (const std::string &entity : m_entities)
        text += entity;
    text += "0\nENDSEC\n0\nEOF\n";
    return text;
}

} // namespace ventrel
