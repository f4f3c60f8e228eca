// What the drilling and cutting drawings hold, walked once for every DXF flavour that writes it.
#include "PlateGeometry.h"

#include "chest/CWindchest.h"

#include <algorithm>

namespace ventrel {
namespace {

void WalkPipes(const CWindchest &chest, PlateSink &sink) {
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            const int x = stop.X(k), y = stop.Y(k);
            const size_t slot = static_cast<size_t>(k);
            sink.Hole(kPlateBoard, x, y, stop.m_hole[slot] / 2 + 1);
            sink.Cross(kPlateBoard, x, y);
            sink.Cross(kFalseChestBoard, x, y);
            sink.Hole(kFalseChestBoard, x, y, stop.m_foot[slot] / 2 + 1);
            if (s == 1 && stop.m_mixture)
                sink.Hole(kMixtureBarBoard, x, 11, chest.m_plate_thickness / 4 + 1);
        }
    }
}

void WalkPilotHoles(const CWindchest &chest, PlateSink &sink) {
    const CStop &frame = chest.m_frame_holes;
    for (int i = 0; i < frame.PipeSlots(); ++i) {
        const size_t slot = static_cast<size_t>(i);
        sink.Hole(kPlateBoard, frame.X(i), frame.Y(i), frame.m_hole[slot] / 2);
        sink.Hole(kFalseChestBoard, frame.X(i), frame.Y(i), frame.m_foot[slot] / 2);
    }
}

void WalkOutlines(const CWindchest &chest, PlateSink &sink) {
    sink.Outline(kPlateBoard, chest.m_plate);
    sink.Outline(kFalseChestBoard, chest.m_plate);
    CRectangle strip = chest.m_plate;
    strip.y2 = 22;
    sink.Outline(kMixtureBarBoard, strip);
    if (chest.m_rect_count == 0)
        return;
    for (int i = 0; i < std::min(chest.m_rect_count, CWindchest::kMaxRects); ++i)
        sink.PartitionRectangle(chest.m_rects[static_cast<size_t>(i)]);
    for (int i = 0; i < std::min(chest.m_line_count, CWindchest::kMaxLines); ++i)
        sink.PartitionLine(chest.m_lines[static_cast<size_t>(i)]);
}

} // namespace

void WalkPlates(const CWindchest &chest, PlateSink &sink) {
    WalkPipes(chest, sink);
    WalkPilotHoles(chest, sink);
    WalkOutlines(chest, sink);
}

} // namespace ventrel
