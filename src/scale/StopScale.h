// A stop described by its scale: footage, compass, construction, half-tone deviation and hole
// rules.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ventrel {

// How the pipe's top is closed; it decides the wave length the body holds.
enum class Construction { Open, Stopped, HalfStopped };

// The deviation from the reference scale, in half-tones, at one note of the keyboard compass
// (note 1 is the lowest C).
struct DeviationPoint {
    int note = 1;
    double halfTones = 0;
    friend bool operator==(const DeviationPoint &, const DeviationPoint &) = default;
};

// A hole diameter derived from the pipe's body diameter: a ratio with limits, or a table of
// (body diameter, hole diameter) pairs interpolated in between and held flat beyond its ends.
struct HoleRule {
    double ratio = 0.22;
    int minimum = 0;
    int maximum = 0;   // 0: no upper limit
    int overHole = -1; // false-chest holes: at least the plate hole plus this; -1: no such bound
    std::vector<std::pair<int, int>> table;
};

struct StopScale {
    std::string name = "Principal8";
    double footage = 8;
    int firstNote = 1;
    int pipeCount = 56;
    Construction construction = Construction::Open;
    bool square = false; // wooden pipes: the side of the square of the same cross-section
    // Points along the compass, by increasing note; the deviation is interpolated linearly
    // between them and held flat before the first and after the last.
    std::vector<DeviationPoint> deviation = {{1, 0.0}};
    double pitch = 440;               // a' in Hz
    double temperature = 18;          // air in the pipes, degrees Celsius
    double endCorrection = 5.0 / 3.0; // body shortened by this many diameters
    // The rules the bundled example chests were written with.
    HoleRule plateHole{0.22, 6, 40, -1, {}};
    HoleRule falseChestHole{0.5, 0, 0, 4, {}};
};

// The deviation of the line at a note.
double DeviationAt(const std::vector<DeviationPoint> &line, double note);

// "2,0@25,-1@49": a value, optionally followed by @note (a first value without a note stands at
// note 1). Empty with a message in `error` when the text is not such a list.
std::vector<DeviationPoint> ParseDeviation(const std::string &text, std::string &error);
std::string FormatDeviation(const std::vector<DeviationPoint> &line);

// Every value in its range; "" when the scale is sound, else one message naming the field.
std::string CheckScale(const StopScale &scale);

} // namespace ventrel
