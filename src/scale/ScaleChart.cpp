// The scale chart: every stop's deviation in half-tones against the note, one line per stop.
#include "ScaleChart.h"

#include "Footage.h"
#include "StopDeviation.h"
#include "chest/CWindchest.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ventrel {
namespace {

constexpr std::array<Rgb, 10> kColours = {{{0, 90, 200},
                                           {200, 40, 40},
                                           {30, 140, 60},
                                           {150, 70, 200},
                                           {230, 130, 0},
                                           {0, 160, 170},
                                           {130, 80, 40},
                                           {220, 60, 160},
                                           {90, 90, 90},
                                           {150, 150, 0}}};
constexpr int kFontHeight = 14;
constexpr int kPickDistance = 6;

Rgb ColourOf(size_t line) {
    return kColours[line % kColours.size()];
}

// Width of a text in the chart's font, near enough to place and pick labels.
int TextWidth(const std::string &text) {
    return static_cast<int>(text.size()) * kFontHeight * 6 / 10;
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

std::string Signed(int value) {
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

} // namespace

std::string OctaveName(int note) {
    const int octave = (note - 1) / 12;
    if (note < 1)
        return "C";
    if (octave == 0)
        return "C";
    if (octave <= 5)
        return "c" + std::string(static_cast<size_t>(octave - 1), '\'');
    return "c" + std::to_string(octave - 1);
}

ScaleChart::ScaleChart(std::vector<ChartLine> lines, std::string title, int width, int height)
    : m_lines(std::move(lines)), m_title(std::move(title)), m_width(std::max(width, 1)),
      m_height(std::max(height, 1)) {
    int minNote = 1 << 20, maxNote = -(1 << 20);
    double minHt = 0, maxHt = 0;
    size_t longestName = 0;
    for (const ChartLine &line : m_lines) {
        longestName = std::max(longestName, line.name.size());
        for (const DeviationPoint &p : line.points) {
            minNote = std::min(minNote, p.note);
            maxNote = std::max(maxNote, p.note);
            if (std::isfinite(p.halfTones)) {
                minHt = std::min(minHt, p.halfTones);
                maxHt = std::max(maxHt, p.halfTones);
            }
        }
    }
    if (minNote > maxNote)
        minNote = maxNote = 1;
    m_firstNote = 1 + 12 * static_cast<int>(std::floor((minNote - 1) / 12.0));
    m_lastNote = 1 + 12 * static_cast<int>(std::ceil((maxNote - 1) / 12.0));
    if (m_lastNote <= m_firstNote)
        m_lastNote = m_firstNote + 12;
    m_low = std::clamp(std::min(-3, static_cast<int>(std::floor(minHt)) - 1), -40, -3);
    m_high = std::clamp(std::max(3, static_cast<int>(std::ceil(maxHt)) + 1), 3, 40);

    m_left = 48;
    m_top = 36;
    const int labelRoom = std::min(TextWidth(std::string(longestName, 'x')) + 16, m_width / 3);
    m_right = std::max(m_left + 10, m_width - labelRoom - 8);
    m_bottom = std::max(m_top + 10, m_height - 36);

    // Names at the right end of their lines, moved apart so that none covers another.
    m_labels.resize(m_lines.size());
    std::vector<size_t> order;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const auto &points = m_lines[i].points;
        m_labels[i].x = m_right + 8;
        m_labels[i].width = TextWidth(m_lines[i].name);
        m_labels[i].y =
            points.empty() ? m_top : HalfToneY(points.back().halfTones) - kFontHeight / 2;
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return m_labels[a].y < m_labels[b].y; });
    for (size_t k = 1; k < order.size(); ++k)
        m_labels[order[k]].y =
            std::max(m_labels[order[k]].y, m_labels[order[k - 1]].y + kFontHeight + 2);
}

int ScaleChart::NoteX(double note) const {
    return m_left + static_cast<int>(std::lround((note - m_firstNote) * (m_right - m_left) /
                                                 (m_lastNote - m_firstNote)));
}

int ScaleChart::HalfToneY(double halfTones) const {
    const double clamped = std::clamp(halfTones, double(m_low), double(m_high));
    return m_top + static_cast<int>(
                       std::lround((m_high - clamped) * (m_bottom - m_top) / (m_high - m_low)));
}

void ScaleChart::Draw(Canvas &canvas, int highlighted) const {
    const Rgb black{0, 0, 0}, grid{215, 215, 215}, octave{150, 150, 150};
    canvas.FillRect(0, 0, m_width, m_height, Rgb{255, 255, 255});
    canvas.SetTransparentBackground(true);
    canvas.SetFont("Arial", kFontHeight);
    canvas.SetTextColour(black);
    canvas.Text(m_left, 8, m_title);

    const int step = m_high - m_low <= 16 ? 1 : (m_high - m_low <= 32 ? 2 : 5);
    for (int ht = m_low; ht <= m_high; ++ht) {
        if (ht % step != 0)
            continue;
        const int y = HalfToneY(ht);
        canvas.SetPen(ht == 0 ? black : grid, ht == 0 ? 2 : 1);
        canvas.MoveTo(m_left, y);
        canvas.LineTo(m_right, y);
        const std::string label = Signed(ht);
        canvas.Text(m_left - 8 - TextWidth(label), y - kFontHeight / 2, label);
    }
    canvas.Text(4, m_top - kFontHeight - 4, "ht");
    for (int note = m_firstNote; note <= m_lastNote; note += 12) {
        const int x = NoteX(note);
        canvas.SetPen(octave, 1);
        canvas.MoveTo(x, m_top);
        canvas.LineTo(x, m_bottom);
        canvas.Text(x - 4, m_bottom + 6, OctaveName(note));
    }
    canvas.Text(m_right - TextWidth("note"), m_bottom + 6 + kFontHeight, "note");
    canvas.SetBrush(octave);
    canvas.FrameRect(m_left, m_top, m_right + 1, m_bottom + 1);

    auto drawLine = [&](size_t i, int width) {
        const ChartLine &line = m_lines[i];
        const Rgb colour = ColourOf(i);
        canvas.SetPen(colour, width);
        for (size_t k = 0; k < line.points.size(); ++k) {
            const int x = NoteX(line.points[k].note), y = HalfToneY(line.points[k].halfTones);
            if (k == 0)
                canvas.MoveTo(x, y);
            else
                canvas.LineTo(x, y);
        }
        if (line.points.size() == 1) {
            const int x = NoteX(line.points[0].note), y = HalfToneY(line.points[0].halfTones);
            canvas.Ellipse(x - 3, y - 3, x + 4, y + 4);
        }
        canvas.SetTextColour(colour);
        canvas.Text(m_labels[i].x, m_labels[i].y, line.name);
    };
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (static_cast<int>(i) != highlighted)
            drawLine(i, 2);
    if (highlighted >= 0 && highlighted < static_cast<int>(m_lines.size()))
        drawLine(static_cast<size_t>(highlighted), 4);
}

int ScaleChart::LineAt(int x, int y) const {
    int best = -1;
    double bestDistance = kPickDistance + 0.5;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Label &label = m_labels[i];
        if (x >= label.x && x <= label.x + label.width && y >= label.y &&
            y <= label.y + kFontHeight)
            return static_cast<int>(i);
        const auto &points = m_lines[i].points;
        for (size_t k = 0; k < points.size(); ++k) {
            const double ax = NoteX(points[k].note), ay = HalfToneY(points[k].halfTones);
            const size_t next = k + 1 < points.size() ? k + 1 : k;
            const double bx = NoteX(points[next].note), by = HalfToneY(points[next].halfTones);
            const double distance = DistanceToSegment(x, y, ax, ay, bx, by);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<int>(i);
            }
        }
    }
    return best;
}

std::vector<ChartLine> ChestChartLines(const CWindchest &chest,
                                       const std::map<std::string, double> &footages) {
    std::vector<ChartLine> lines;
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        const auto given = footages.find(stop.m_name);
        const double footage = given != footages.end() ? given->second : GuessFootage(stop).footage;
        ChartLine line{stop.m_name + " " + FormatFootage(footage) + "'", s,
                       StopDeviations(stop, footage)};
        if (!line.points.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace ventrel
