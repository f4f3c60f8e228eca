// The scale chart: every stop's deviation in half-tones against the note, one line per stop.
#pragma once

#include "StopScale.h"

#include <map>
#include <string>
#include <vector>

namespace ventrel {

class Canvas;
class CWindchest;

struct ChartLine {
    std::string name; // as written beside the line
    int stop = -1;    // the stop's index in its chest, -1 for a line of no chest stop
    std::vector<DeviationPoint> points;
};

// The chart's geometry in device pixels, its drawing through a Canvas and the line under a point.
class ScaleChart {
public:
    ScaleChart(std::vector<ChartLine> lines, std::string title, int width, int height);

    // White paper, the half-tone grid, the octave grid (a line on every C), the 0-line of the
    // reference scale, then each line in its colour with its name at its right end. The line of
    // `highlighted` (an index into Lines(), or -1) is drawn thicker, above the others.
    void Draw(Canvas &canvas, int highlighted = -1) const;

    // The line drawn nearest to (x, y), within a few pixels of it or on its name; -1 for none.
    int LineAt(int x, int y) const;

    int NoteX(double note) const;
    int HalfToneY(double halfTones) const;
    const std::vector<ChartLine> &Lines() const { return m_lines; }
    int FirstNote() const { return m_firstNote; }
    int LastNote() const { return m_lastNote; }
    int LowHalfTones() const { return m_low; }
    int HighHalfTones() const { return m_high; }

private:
    struct Label {
        int x = 0, y = 0, width = 0;
    };
    std::vector<ChartLine> m_lines;
    std::string m_title;
    int m_width, m_height;
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    int m_firstNote = 1, m_lastNote = 13;
    int m_low = -3, m_high = 3;
    std::vector<Label> m_labels; // one per line
};

// "C", "c", "c'", "c''" ...: the name of the C that starts the octave of a keyboard note.
std::string OctaveName(int note);

// One line per stop of the chest (stops with no present pipe left out), named with its footage:
// the footage given in `footages` under the stop's name, else the one GuessFootage finds.
std::vector<ChartLine> ChestChartLines(const CWindchest &chest,
                                       const std::map<std::string, double> &footages = {});

} // namespace ventrel
