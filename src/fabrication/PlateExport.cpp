// The chest's drilling and cutting drawings: plate, false chest, mixture bar and partitions.
#include "PlateExport.h"
#include "DxfWriter.h"
#include "OutputNames.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <array>

namespace ventrel {
namespace {

enum Board { kPlate, kFalseChest, kMixtureBar, kPartitions };
constexpr std::array<const char *, 4> kSuffixes = {"_som.dxf", "_fs.dxf", "_mix.dxf", "_bar.dxf"};

// The holes of every pipe: plate and false-chest circles with their drilling crosses, and the
// mixture bar's holes for a mixture rank in second place.
void WritePipes(const CWindchest &chest, std::array<DxfWriter, 4> &dxf) {
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            const int x = stop.X(k), y = stop.Y(k);
            const size_t slot = static_cast<size_t>(k);
            dxf[kPlate].Circle(x, y, stop.m_hole[slot] / 2 + 1);
            dxf[kPlate].Cross(x, y);
            dxf[kFalseChest].Cross(x, y);
            dxf[kFalseChest].Circle(x, y, stop.m_foot[slot] / 2 + 1);
            if (s == 1 && stop.m_mixture)
                dxf[kMixtureBar].Circle(x, 11, chest.m_plate_thickness / 4 + 1);
        }
    }
}

void WritePilotHoles(const CWindchest &chest, std::array<DxfWriter, 4> &dxf) {
    const CStop &frame = chest.m_frame_holes;
    for (int i = 0; i < frame.PipeSlots(); ++i) {
        const size_t slot = static_cast<size_t>(i);
        dxf[kPlate].Circle(frame.X(i), frame.Y(i), frame.m_hole[slot] / 2);
        dxf[kFalseChest].Circle(frame.X(i), frame.Y(i), frame.m_foot[slot] / 2);
    }
}

void WriteOutlines(const CWindchest &chest, std::array<DxfWriter, 4> &dxf) {
    dxf[kPlate].Rectangle(chest.m_plate);
    dxf[kFalseChest].Rectangle(chest.m_plate);
    CRectangle strip = chest.m_plate;
    strip.y2 = 22;
    dxf[kMixtureBar].Rectangle(strip);
    if (chest.m_rect_count == 0)
        return;
    for (int i = 0; i < std::min(chest.m_rect_count, CWindchest::kMaxRects); ++i)
        dxf[kPartitions].Rectangle(chest.m_rects[static_cast<size_t>(i)]);
    for (int i = 0; i < std::min(chest.m_line_count, CWindchest::kMaxLines); ++i) {
        const CRectangle &line = chest.m_lines[static_cast<size_t>(i)];
        dxf[kPartitions].Line(line.x1, line.y1, line.x2, line.y2);
    }
}

} // namespace

bool ExportDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder, Ui &ui) {
    ui.MessageBox(Format("DXF file will be stored on : .***%s", fileName.c_str()));
    if (fileName.empty())
        return false;
    for (size_t i = 0; i < kSuffixes.size(); ++i)
        chest.m_dxf_names[i] = DerivedName(fileName, kSuffixes[i]);

    std::array<DxfWriter, 4> dxf;
    for (size_t i = 0; i < dxf.size(); ++i) {
        if (!dxf[i].Open(folder.Out(chest.m_dxf_names[i]))) {
            ui.MessageBox("Cannot write the DXF file " + dxf[i].Error());
            return false;
        }
    }
    WritePipes(chest, dxf);
    WritePilotHoles(chest, dxf);
    WriteOutlines(chest, dxf);
    for (DxfWriter &writer : dxf) {
        if (!writer.Close()) {
            ui.MessageBox("Cannot write the DXF file " + writer.Error());
            return false;
        }
    }
    ui.MessageBox(Format("DXF has been stored successfully on :%s", fileName.c_str()));
    return true;
}

} // namespace ventrel
