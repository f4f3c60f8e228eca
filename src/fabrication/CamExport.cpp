// The chest's plate drawings as complete DXF R12 files for CAM programs.
#include "CamExport.h"
#include "CamDxfWriter.h"
#include "OutputNames.h"

#include "chest/CWindchest.h"
#include "platform/AtomicFile.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <array>

namespace ventrel {
namespace {

enum Board { kPlate, kFalseChest, kMixtureBar, kPartitions };
constexpr std::array<const char *, 4> kSuffixes = {"_som.dxf", "_fs.dxf", "_mix.dxf", "_bar.dxf"};

// The same geometry as the plate export, each entity on the layer a CAM program assigns a tool to.
std::array<CamDxfWriter, 4> Drawings(const CWindchest &chest) {
    std::array<CamDxfWriter, 4> dxf;
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            const int x = stop.X(k), y = stop.Y(k);
            const size_t slot = static_cast<size_t>(k);
            dxf[kPlate].Hole(x, y, stop.m_hole[slot] / 2 + 1);
            dxf[kPlate].Cross(x, y);
            dxf[kFalseChest].Cross(x, y);
            dxf[kFalseChest].Hole(x, y, stop.m_foot[slot] / 2 + 1);
            if (s == 1 && stop.m_mixture)
                dxf[kMixtureBar].Hole(x, 11, chest.m_plate_thickness / 4 + 1);
        }
    }
    const CStop &frame = chest.m_frame_holes;
    for (int i = 0; i < frame.PipeSlots(); ++i) {
        const size_t slot = static_cast<size_t>(i);
        dxf[kPlate].Hole(frame.X(i), frame.Y(i), frame.m_hole[slot] / 2);
        dxf[kFalseChest].Hole(frame.X(i), frame.Y(i), frame.m_foot[slot] / 2);
    }
    dxf[kPlate].Rectangle(CamDxfWriter::kOutline, chest.m_plate);
    dxf[kFalseChest].Rectangle(CamDxfWriter::kOutline, chest.m_plate);
    CRectangle strip = chest.m_plate;
    strip.y2 = 22;
    dxf[kMixtureBar].Rectangle(CamDxfWriter::kOutline, strip);
    if (chest.m_rect_count > 0) {
        for (int i = 0; i < std::min(chest.m_rect_count, CWindchest::kMaxRects); ++i)
            dxf[kPartitions].Rectangle(CamDxfWriter::kPartitions,
                                       chest.m_rects[static_cast<size_t>(i)]);
        for (int i = 0; i < std::min(chest.m_line_count, CWindchest::kMaxLines); ++i) {
            const CRectangle &line = chest.m_lines[static_cast<size_t>(i)];
            dxf[kPartitions].Line(CamDxfWriter::kPartitions, line.x1, line.y1, line.x2, line.y2);
        }
    }
    return dxf;
}

} // namespace

bool ExportCamDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                  Ui &ui) {
    ui.MessageBox(Format("DXF file will be stored on : .***%s", fileName.c_str()));
    if (fileName.empty())
        return false;
    std::array<std::string, 4> names;
    for (size_t i = 0; i < kSuffixes.size(); ++i)
        names[i] = DerivedName(fileName, kSuffixes[i]);
    const std::array<CamDxfWriter, 4> drawings = Drawings(chest);
    // All four written beside their targets first; only then do they replace the old files.
    std::array<AtomicFile, 4> files;
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i].Open(folder.Out(names[i])) || !files[i].Write(drawings[i].Text())) {
            ui.MessageBox("Cannot write the DXF file " + files[i].Error());
            return false;
        }
    }
    for (AtomicFile &file : files) {
        if (!file.Commit()) {
            ui.MessageBox("Cannot write the DXF file " + file.Error());
            return false;
        }
    }
    chest.m_dxf_names = names;
    ui.MessageBox(Format("DXF has been stored successfully on :%s", fileName.c_str()));
    return true;
}

} // namespace ventrel
