// The pipes of a stop computed from its scale: diameter, holes and speaking length of every note.
#include "ScalePipes.h"

#include "ReferenceScale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ventrel {
namespace {

// To the nearest millimetre, a half to the even one (as the examples' own script rounds).
long Millimetres(double value) {
    return std::lrint(value);
}

} // namespace

int HoleFor(const HoleRule &rule, double diameter, int plateHole) {
    double hole = 0;
    if (!rule.table.empty()) {
        const auto &table = rule.table;
        if (diameter <= table.front().first)
            hole = table.front().second;
        else if (diameter >= table.back().first)
            hole = table.back().second;
        else
            for (size_t i = 1; i < table.size(); ++i)
                if (diameter <= table[i].first) {
                    const auto [d0, h0] = table[i - 1];
                    const auto [d1, h1] = table[i];
                    hole = h0 + (h1 - h0) * (diameter - d0) / (d1 - d0);
                    break;
                }
        return std::max(1, static_cast<int>(Millimetres(hole)));
    }
    long value = Millimetres(diameter * rule.ratio);
    value = std::max<long>(value, rule.minimum);
    if (rule.maximum > 0)
        value = std::min<long>(value, rule.maximum);
    if (rule.overHole >= 0)
        value = std::max<long>(value, plateHole + rule.overHole);
    return std::max(1, static_cast<int>(value));
}

std::vector<ScalePipe> ComputePipes(const StopScale &scale, std::string &error, int count) {
    error = CheckScale(scale);
    if (!error.empty())
        return {};
    if (count < 0)
        count = scale.pipeCount;
    const double sound = SpeedOfSound(scale.temperature);
    // An open body holds half a wave length; a stopped or half-stopped one a quarter.
    const double waveShare = scale.construction == Construction::Open ? 0.5 : 0.25;
    std::vector<ScalePipe> pipes;
    for (int k = 0; k < count; ++k) {
        ScalePipe pipe;
        pipe.note = scale.firstNote + k;
        pipe.halfTones = DeviationAt(scale.deviation, pipe.note);
        pipe.position = ReferencePosition(scale.footage, pipe.note);
        pipe.exactDiameter = ReferenceDiameter(pipe.position - pipe.halfTones);
        const double built = scale.square ? pipe.exactDiameter * std::sqrt(std::numbers::pi) / 2
                                          : pipe.exactDiameter;
        pipe.frequency = NoteFrequency(scale.footage, pipe.note, scale.pitch);
        const double length =
            sound / pipe.frequency * waveShare - scale.endCorrection * pipe.exactDiameter;
        const std::string which =
            "pipe " + std::to_string(k + 1) + " (note " + std::to_string(pipe.note) + ")";
        if (!(built >= 0.5) || built > 2000) {
            error = "deviation: " + which + " would be " + std::to_string(std::lround(built)) +
                    " mm wide";
            return {};
        }
        if (!(length >= 0.5)) {
            error = "end correction: " + which + " would be " +
                    std::to_string(std::lround(length)) + " mm long";
            return {};
        }
        pipe.diameter = static_cast<int>(Millimetres(built));
        pipe.length = static_cast<int>(Millimetres(length));
        pipe.hole = HoleFor(scale.plateHole, pipe.diameter, 0);
        pipe.foot = HoleFor(scale.falseChestHole, pipe.diameter, pipe.hole);
        pipes.push_back(pipe);
    }
    return pipes;
}

} // namespace ventrel
