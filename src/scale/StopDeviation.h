// The reverse of a scale: a chest stop's diameters as half-tone deviations from the reference.
#pragma once

#include "StopScale.h"

#include <string>
#include <vector>

namespace ventrel {

class CStop;

// One point per present pipe (plate hole not 0, diameter above 0), at the pipe's keyboard note;
// square pipes count by the round pipe of the same cross-section.
std::vector<DeviationPoint> StopDeviations(const CStop &stop, double footage);

// A chest stop's footage, which the description file does not hold.
struct GuessedFootage {
    double footage = 8;
    std::string from; // "name" or "length"
};

// From the stop's name when it ends in a footage ("Montre8", "Soubasse16") or is a usual
// mutation ("Nazard", "Tierce"); otherwise (and always for a mixture rank, whose number counts
// ranks) from the length of its first pipe, as a stopped pipe when the name says so.
GuessedFootage GuessFootage(const CStop &stop);

} // namespace ventrel
