// The export choices kept in the settings from one session to the next.
#include "ExportSettings.h"

#include "RecentFiles.h"

#include <QSettings>

namespace ventrel {
namespace {

constexpr const char *kForCamKey = "Settings/ExportDxfForCam";

} // namespace

bool LoadExportForCam() {
    return QSettings(RecentFiles::kOrganisation, RecentFiles::kApplication)
        .value(kForCamKey, false)
        .toBool();
}

void SaveExportForCam(bool forCam) {
    QSettings(RecentFiles::kOrganisation, RecentFiles::kApplication).setValue(kForCamKey, forCam);
}

} // namespace ventrel
