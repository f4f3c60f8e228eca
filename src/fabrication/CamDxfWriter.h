// Complete DXF R12 drawings for CAM programs: a header with units and extents, a layer table, and
// the holes on one layer per drill diameter.
#pragma once

#include "chest/Geometry.h"

#include <map>
#include <string>
#include <vector>

namespace ventrel {

// Collects lines and circles by layer, then writes them as one DXF R12 (AC1009) text with
// $INSUNITS = 4 (millimetres), $EXTMIN / $EXTMAX, an LTYPE and a LAYER table, and the entities.
class CamDxfWriter {
public:
    static constexpr const char *kOutline = "OUTLINE";
    static constexpr const char *kMarks = "MARKS";
    static constexpr const char *kPartitions = "PARTITIONS";

    // The layer of the holes a drill of this diameter makes: "DRILL_22", "DRILL_12.5".
    static std::string DrillLayer(double diameter);

    void Line(const std::string &layer, int x1, int y1, int x2, int y2);
    // A drilled hole, on the layer of its diameter.
    void Hole(int x, int y, int r);
    void Rectangle(const std::string &layer, const CRectangle &rect);
    // A drilling mark: two 20 mm lines crossing at the point.
    void Cross(int x, int y);

    // The whole file.
    std::string Text() const;
    bool Empty() const { return m_entities.empty(); }

private:
    void Extend(double x, double y);

    std::vector<std::string> m_entities;
    std::map<std::string, int> m_layers; // name -> colour
    double m_min[2] = {0, 0}, m_max[2] = {0, 0};
    bool m_extended = false;
};

} // namespace ventrel
