// The chest's plate drawings as complete DXF R12 files for CAM programs.
#pragma once

#include <array>
#include <string>

namespace ventrel {

class CWindchest;
class Ui;
struct WorkFolder;

// The four drawings as complete DXF R12 texts, in the order of the chest's DXF names.
std::array<std::string, 4> CamDxfTexts(const CWindchest &chest);

// Writes the same four drawings as ExportDxf, under the same names (kept in the
// chest for the cut list), as complete DXF R12 files: holes on one layer per drill diameter,
// drilling marks on "MARKS", outlines on "OUTLINE", partitions on "PARTITIONS". The four files
// replace the previous ones only once all four are written; a chest with neither stop nor partition
// is refused, as by ExportPlateFiles.
bool ExportCamDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder, Ui &ui);

} // namespace ventrel
