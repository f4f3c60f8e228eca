// The chest's four plate drawings as DXF files.
#pragma once

#include <string>

namespace ventrel {

class CWindchest;
class Ui;
struct WorkFolder;

// Writes "<name>_som.dxf", "_fs.dxf", "_mix.dxf" and "_bar.dxf" into folder.output and records
// their names in the chest (the cut list names them). False (message shown) when the name is empty
// or a file cannot be written.
bool ExportDxf(CWindchest &chest, const std::string &fileName, const WorkFolder &folder, Ui &ui);

} // namespace ventrel
