// The DXF of a circle file: one circle per hole, in file order.
#include "CircleDxf.h"
#include "DxfWriter.h"

#include "chest/CWindchest.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

namespace ventrel {

bool WriteCirclesDxf(const CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                     Ui &ui) {
    DxfWriter dxf;
    if (!dxf.Open(folder.Out(fileName + ".DXF"))) {
        ui.MessageBox("Cannot write the DXF file " + dxf.Error());
        return false;
    }
    const int count = std::min(chest.m_circle_count, CWindchest::kMaxCircles);
    for (int i = 0; i < count; ++i) {
        const CCircle &circle = chest.m_circles[static_cast<size_t>(i)];
        dxf.Circle(circle.x, circle.y, circle.r);
    }
    if (!dxf.Close()) {
        ui.MessageBox("Cannot write the DXF file " + dxf.Error());
        return false;
    }
    return true;
}

} // namespace ventrel
