// The DXF of a circle file: one circle per hole, in file order.
#pragma once

#include <string>

namespace ventrel {

class CWindchest;
class Ui;
struct WorkFolder;

// Writes `fileName` + ".DXF" (trous.cir gives trous.cir.DXF) from the chest's circle table.
bool WriteCirclesDxf(const CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                     Ui &ui);

} // namespace ventrel
