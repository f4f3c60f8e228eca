// The pipes of a stop computed from its scale: diameter, holes and speaking length of every note.
#pragma once

#include "StopScale.h"

#include <string>
#include <vector>

namespace ventrel {

struct ScalePipe {
    int note = 1;             // keyboard note (1 is the lowest C)
    double halfTones = 0;     // the deviation at this note
    double position = 0;      // half-tones above 8' C at which the reference diameter is taken
    double frequency = 0;     // Hz
    double exactDiameter = 0; // mm, before rounding (of the round pipe of the same section)
    int diameter = 0;         // mm: the body diameter, or the side of a square pipe
    int hole = 0;             // mm: plate hole
    int foot = 0;             // mm: false-chest hole
    int length = 0;           // mm: speaking length of the body
};

// The hole a rule gives for a body diameter.
int HoleFor(const HoleRule &rule, double diameter, int plateHole);

// `count` pipes from the scale's first note (its own pipe count when count < 0). Empty, with a
// message naming the field in `error`, when the scale is out of range or a pipe would come out
// with a size of no use (under 1 mm, or wider than 2 m).
std::vector<ScalePipe> ComputePipes(const StopScale &scale, std::string &error, int count = -1);

} // namespace ventrel
