// The chest checker: reads a description file as the program does and reports what would go wrong
// in the workshop, each finding with the line and column it comes from.
#pragma once

#include "Finding.h"

#include "chest/CWindchest.h"
#include "chest/ValveSizing.h"

#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class Ui;
struct WorkFolder;

struct CheckOptions {
    // The least wood between two holes, or between a hole and the plate's edge or a pilot hole.
    int min_web = 3;
    // A diameter or length further than this factor from the run of its neighbours is suspect.
    double trend_factor = 1.5;
};

// A text to check and the name its findings carry.
struct CheckSource {
    std::string file;
    std::string text;
};

struct CheckResult {
    std::vector<Finding> findings;
    // The chest as the reader left it, laid out and valve-sized (what the findings are about).
    std::unique_ptr<CWindchest> chest;
    ValveCounters counters;
    bool valves_ok = false;
};

// Reads the partition text (when given) and the chest text into a fresh chest, lays it out, sizes
// its valves and checks it. A text the reader refuses gives an error finding at the line where
// reading stopped; nothing is thrown. Turret outlines are opened in `folder`.
CheckResult CheckChest(const CheckSource &chest, const CheckSource *partitions,
                       const WorkFolder &folder, const CheckOptions &options);

// Findings in the order of their files and lines.
void SortFindings(std::vector<Finding> &findings);

} // namespace ventrel
