// The chest's drilling and cutting drawings: plate, false chest, mixture bar and partitions.
#pragma once

#include <array>
#include <string>

namespace ventrel {

class CWindchest;
class Ui;
struct WorkFolder;

// The four DXF texts of a laid-out chest, in the order of the chest's DXF names: plate ("_som"),
// false chest ("_fs"), mixture bar ("_mix"), partitions ("_bar").
std::array<std::string, 4> PlateDxfTexts(const CWindchest &chest);

// The plain drawings the workshop has always had, or the complete files for CAM (CamExport.h).
enum class DxfFlavour { kPlain, kCam };

// Writes the four DXF files (and, withCutList, the cut list naming them) into folder.output as one
// set: all are written to temporary files, and renamed over their targets only when every one was
// written; otherwise none is replaced and the message names the file and the reason. A chest with
// neither stop nor partition is refused with a message naming the file. False on any refusal.
bool ExportPlateFiles(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                      Ui &ui, bool withCutList, DxfFlavour flavour = DxfFlavour::kPlain);

// Writes "<name>_som.dxf", "_fs.dxf", "_mix.dxf" and "_bar.dxf" into folder.output as one set and
// records their names in the chest (the cut list names them). False (message shown) when the name
// is empty or a file cannot be written.
bool ExportDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder, Ui &ui);

} // namespace ventrel
