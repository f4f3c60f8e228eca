// A stop computed from its scale written out: a description-file section, a stop file, a CStop.
#pragma once

#include "ScalePipes.h"

#include <string>
#include <vector>

namespace ventrel {

class CStop;

// Where the stop stands on the chest and how its pipes are arranged.
struct StopPlacement {
    int x0 = 20, y0 = 20;
    int incx = 1;
};

// "" when the placement can be written in a description file, else a message naming the field:
// the origin is read without its sign, and INCX is one of 1, -1, 2, -2, 3 and 33.
std::string CheckPlacement(const StopPlacement &placement);

// One stop section of a description file, French keywords or English ones (an English section
// belongs in a file whose first line is "ENGLISH"), the pipe lists 14 numbers a line.
std::string DatStopSection(const StopScale &scale, const std::vector<ScalePipe> &pipes,
                           const StopPlacement &placement, bool english);

// Pipes in a stop file: for every twelfth pipe (pipes 0, 12, 24, ...) its diameter, false-chest
// hole, plate hole and length. A stop file holds 56 pipes, so it takes 61 computed pipes.
inline constexpr int kStopFileComputedPipes = 61;
std::string StopFileText(const std::vector<ScalePipe> &pipes);

// The stop as the description reader would have read it from DatStopSection.
void FillStop(CStop &stop, const StopScale &scale, const std::vector<ScalePipe> &pipes,
              const StopPlacement &placement);

} // namespace ventrel
