// The chest's drilling and cutting drawings: plate, false chest, mixture bar and partitions.
#include "PlateExport.h"

#include "CamExport.h"
#include "CutList.h"
#include "DxfWriter.h"
#include "OutputNames.h"
#include "PlateGeometry.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <array>
#include <vector>

namespace ventrel {
namespace {

// The drawings as the workshop's plain DXF: entities only, on layer 0.
class PlainSink : public PlateSink {
public:
    void Hole(PlateBoard board, int x, int y, int r) override { m_dxf[board].Circle(x, y, r); }
    void Cross(PlateBoard board, int x, int y) override { m_dxf[board].Cross(x, y); }
    void Outline(PlateBoard board, const CRectangle &rect) override {
        m_dxf[board].Rectangle(rect);
    }
    void PartitionRectangle(const CRectangle &rect) override {
        m_dxf[kPartitionBoard].Rectangle(rect);
    }
    void PartitionLine(const CRectangle &line) override {
        m_dxf[kPartitionBoard].Line(line.x1, line.y1, line.x2, line.y2);
    }

    std::array<std::string, 4> Texts() const { return BoardTexts(m_dxf); }

private:
    std::array<DxfWriter, 4> m_dxf;
};

} // namespace

std::array<std::string, 4> PlateDxfTexts(const CWindchest &chest) {
    PlainSink sink;
    WalkPlates(chest, sink);
    return sink.Texts();
}

bool ExportPlateFiles(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                      Ui &ui, bool withCutList, DxfFlavour flavour) {
    if (chest.StopCount() == 0 && chest.m_rect_count == 0 && chest.m_line_count == 0) {
        ui.MessageBox(Format("%s: no stop in this chest: nothing is exported", fileName.c_str()));
        return false;
    }
    ui.MessageBox(Format("DXF file will be stored on : .***%s", fileName.c_str()));
    if (fileName.empty())
        return false;
    for (size_t i = 0; i < kPlateBoardSuffixes.size(); ++i)
        chest.m_dxf_names[i] = DerivedName(fileName, kPlateBoardSuffixes[i]);
    const std::array<std::string, 4> texts =
        flavour == DxfFlavour::kCam ? CamDxfTexts(chest) : PlateDxfTexts(chest);

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
