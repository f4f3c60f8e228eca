// The chest's drilling and cutting drawings: plate, false chest, mixture bar and partitions.
#include "PlateExport.h"

#include "CutList.h"
#include "DxfWriter.h"
#include "OutputNames.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <array>
#include <vector>

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

std::array<std::string, 4> PlateDxfTexts(const CWindchest &chest) {
    std::array<DxfWriter, 4> dxf;
    WritePipes(chest, dxf);
    WritePilotHoles(chest, dxf);
    WriteOutlines(chest, dxf);
    std::array<std::string, 4> texts;
    for (size_t i = 0; i < dxf.size(); ++i)
        texts[i] = dxf[i].Text();
    return texts;
}

bool ExportPlateFiles(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                      Ui &ui, bool withCutList) {
    if (chest.StopCount() == 0 && chest.m_rect_count == 0 && chest.m_line_count == 0) {
        ui.MessageBox(Format("%s: no stop in this chest: nothing is exported", fileName.c_str()));
        return false;
    }
    ui.MessageBox(Format("DXF file will be stored on : .***%s", fileName.c_str()));
    if (fileName.empty())
        return false;
    for (size_t i = 0; i < kSuffixes.size(); ++i)
        chest.m_dxf_names[i] = DerivedName(fileName, kSuffixes[i]);
    const std::array<std::string, 4> texts = PlateDxfTexts(chest);

    // All the files go to temporaries first; none replaces its target unless all were written.
    std::array<AtomicFile, 5> files;
    std::vector<AtomicFile *> set;
    std::string error;
    const size_t count = withCutList ? 5 : 4;
    for (size_t i = 0; i < count && error.empty(); ++i) {
        const std::string name = i < 4 ? chest.m_dxf_names[i] : CutListName(fileName);
        const std::string &text = i < 4 ? texts[i] : CutListText(chest, fileName);
        if (files[i].Open(folder.Out(name)) && files[i].Write(text))
            set.push_back(&files[i]);
        else
            error = files[i].Error();
    }
    if (error.empty())
        CommitTogether(set, &error);
    if (!error.empty()) {
        ui.MessageBox(
            withCutList ? "Cannot write the DXF files and the cut list: none is replaced: " + error
                        : "Cannot write the DXF files: none is replaced: " + error);
        return false;
    }
    ui.MessageBox(Format("DXF has been stored successfully on :%s", fileName.c_str()));
    return true;
}

bool ExportDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder, Ui &ui) {
    return ExportPlateFiles(chest, fileName, folder, ui, false);
}

} // namespace ventrel
