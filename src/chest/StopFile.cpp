// Reading a stop file (".stop"): one 56-pipe stop given octave by octave.
#include "StopFile.h"

#include "CTextScanner.h"
#include "CWindchest.h"

#include "platform/Ui.h"

namespace ventrel {

bool ReadStopFile(CWindchest &chest, const std::string &text, Ui &ui) {
    const int s = chest.StopCount();
    if (s >= CWindchest::kMaxStops) {
        ui.MessageBox(Format("A windchest holds %d stops: the stop file is not added",
                             CWindchest::kMaxStops));
        return false;
    }
    CStop &stop = chest.Stop(s);
    stop.Reset();
    stop.m_pipe_count = kStopFilePipes;
    stop.m_name = "stop";
    stop.m_x0 = 0;
    stop.m_y0 = 150 * s;
    CTextScanner scan(text, ui);
    // Groups of diameter, foot hole, plate hole and length for each C: pipes 0, 12, ..., 60.
    for (int p = 0; p <= kStopFilePipes / 12 * 12 + 12; p += 12) {
        const size_t slot = static_cast<size_t>(p);
        stop.m_diameter[slot] = LimitMillimetres(scan.ReadInt());
        stop.m_foot[slot] = LimitMillimetres(scan.ReadInt());
        stop.m_hole[slot] = LimitMillimetres(scan.ReadInt());
        stop.m_length[slot] = LimitMillimetres(scan.ReadInt());
    }
    chest.m_stop_count = s + 1;
    chest.InterpolateOctaves(stop);
    return true;
}

} // namespace ventrel
