// The export choices kept in the settings from one session to the next.
#pragma once

namespace ventrel {

// "Export DXF for CAM": false until first chosen.
bool LoadExportForCam();
void SaveExportForCam(bool forCam);

} // namespace ventrel
