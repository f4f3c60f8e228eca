// The chest's plate drawings as complete DXF R12 files for CAM programs.
#include "CamExport.h"
#include "CamDxfWriter.h"
#include "PlateExport.h"
#include "PlateGeometry.h"

namespace ventrel {
namespace {

// The same geometry as the plain drawings, each entity on the layer a CAM program assigns a tool
// to.
class CamSink : public PlateSink {
public:
    void Hole(PlateBoard board, int x, int y, int r) override { m_dxf[board].Hole(x, y, r); }
    void Cross(PlateBoard board, int x, int y) override { m_dxf[board].Cross(x, y); }
    void Outline(PlateBoard board, const CRectangle &rect) override {
        m_dxf[board].Rectangle(CamDxfWriter::kOutline, rect);
    }
    void PartitionRectangle(const CRectangle &rect) override {
        m_dxf[kPartitionBoard].Rectangle(CamDxfWriter::kPartitions, rect);
    }
    void PartitionLine(const CRectangle &line) override {
        m_dxf[kPartitionBoard].Line(CamDxfWriter::kPartitions, line.x1, line.y1, line.x2, line.y2);
    }

    std::array<std::string, 4> Texts() const { return BoardTexts(m_dxf); }

private:
    std::array<CamDxfWriter, 4> m_dxf;
};

} // namespace

std::array<std::string, 4> CamDxfTexts(const CWindchest &chest) {
    CamSink sink;
    WalkPlates(chest, sink);
    return sink.Texts();
}

bool ExportCamDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                  Ui &ui) {
    return ExportPlateFiles(chest, fileName, folder, ui, false, DxfFlavour::kCam);
}

} // namespace ventrel
