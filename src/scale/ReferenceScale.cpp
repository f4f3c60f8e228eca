// The reference scale (Normalmensur) and the pitch of a stop's notes.
#include "ReferenceScale.h"

#include <cmath>

namespace ventrel {

double HalfTonesAbove8(double footage) {
    return 12.0 * std::log2(8.0 / footage);
}

double ReferencePosition(double footage, int note) {
    return std::round(HalfTonesAbove8(footage)) + (note - 1);
}

double ReferenceDiameter(double position) {
    return kReferenceDiameter * std::exp2(-position / kHalvingHalfTones);
}

double DeviationOf(double diameter, double position) {
    return position + kHalvingHalfTones * std::log2(diameter / kReferenceDiameter);
}

double SpeedOfSound(double celsius) {
    return 331300.0 * std::sqrt(1.0 + celsius / 273.15);
}

double NoteFrequency(double footage, int note, double pitch) {
    // a' is 33 half-tones above 8' C.
    return pitch * std::exp2((note - 1 - 33) / 12.0) * (8.0 / footage);
}

} // namespace ventrel
