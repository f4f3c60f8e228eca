// What the drilling and cutting drawings hold, walked once for every DXF flavour that writes it.
#pragma once

#include "chest/Geometry.h"

#include <array>
#include <string>

namespace ventrel {

class CWindchest;

// The four drawings of a chest, in the order of the chest's DXF names.
enum PlateBoard { kPlateBoard, kFalseChestBoard, kMixtureBarBoard, kPartitionBoard };
constexpr std::array<const char *, 4> kPlateBoardSuffixes = {"_som.dxf", "_fs.dxf", "_mix.dxf",
                                                             "_bar.dxf"};

// Receives the drawings' entities, board by board.
class PlateSink {
public:
    virtual ~PlateSink() = default;
    // A drilled hole of radius r.
    virtual void Hole(PlateBoard board, int x, int y, int r) = 0;
    // A drilling mark centred on the point.
    virtual void Cross(PlateBoard board, int x, int y) = 0;
    // The board's outline.
    virtual void Outline(PlateBoard board, const CRectangle &rect) = 0;
    // A partition: a rectangle of wood, or a wall drawn as one line.
    virtual void PartitionRectangle(const CRectangle &rect) = 0;
    virtual void PartitionLine(const CRectangle &line) = 0;
};

// The texts of the four boards' writers, in the order of the chest's DXF names.
template <typename Writer>
std::array<std::string, 4> BoardTexts(const std::array<Writer, 4> &boards) {
    std::array<std::string, 4> texts;
    for (size_t i = 0; i < boards.size(); ++i)
        texts[i] = boards[i].Text();
    return texts;
}

// The pipes' holes and marks (a mixture rank in second place also drills the mixture bar), the
// pilot holes, the outlines and the partitions, in the order the drawings list them.
void WalkPlates(const CWindchest &chest, PlateSink &sink);

} // namespace ventrel
