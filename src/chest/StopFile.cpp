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
    if (text.find_first_of("0123456789") == std::string::npos) {
        ui.MessageBox("The stop file holds no number: no stop is added");
        return false;
    }
    CStop &stop = chest.Stop(s);
    const CStop before = stop;
    stop.Reset();
    stop.m_pipe_count = kStopFilePipes;
    stop.m_name = "stop";
    stop.m_x0 = 0;
    stop.m_y0 = 150 * s;
    CTextScanner scan(text, ui);
    // Groups of diameter, foot hole, plate hole and length for each C: pipes 0, 12, ..., 60.
    for (int p = 0; p <= kStopFilePipes / 12 * 12 + 12; p += 12) {
        const size_t slot = static_cast<size_t>(p);
        for (int *value : {&stop.m_diameter[slot], &stop.m_foot[slot], &stop.m_hole[slot],
                           &stop.m_length[slot]}) {
            *value = LimitMillimetres(scan.ReadInt());
            if (*value < 0) {
                ui.MessageBox(Format("Line %d of the stop file: the negative size %d is refused; "
                                     "no stop is added",
                                     scan.Line(), *value));
                stop = before;
                return false;
            }
        }
    }
    chest.m_stop_count = s + 1;
    chest.InterpolateOctaves(stop);
    return true;
}

} // namespace ventrel
