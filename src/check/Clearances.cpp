// Wood and room between what stands on the plate: holes, pipe bodies, valves, the plate's edge,
// pilot holes and partition walls.
#include "CheckContext.h"
#include "ClosePairs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ventrel {
namespace {

// Disc ids: pipes as stop * 100 + pipe, pilot holes from kPilot on.
constexpr int kPerStop = 100;
constexpr int kPilot = 1000000;

PipeRef RefOf(int id) {
    return {id / kPerStop, id % kPerStop};
}

std::string Millimetres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The radius the plate file drills a pipe's hole with.
double DrilledRadius(const CStop &stop, int k) {
    return stop.m_hole[static_cast<size_t>(k)] / 2 + 1;
}

template <typename Pick> std::vector<Disc> PipeDiscs(const CWindchest &chest, Pick pick) {
    std::vector<Disc> discs;
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            if (!stop.IsPresent(k))
                continue;
            const double r = pick(s, stop, k);
            if (r >= 0)
                discs.push_back({double(stop.X(k)), double(stop.Y(k)), r, s * kPerStop + k});
        }
    }
    return discs;
}

// Distance from a point to a segment.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

class Clearances {
public:
    explicit Clearances(CheckContext &context)
        : m_context(context), m_chest(context.chest), m_web(context.options.min_web) {}

    void Run() {
        Holes();
        Bodies();
        Valves();
        Edges();
        Walls();
    }

private:
    Finding &AddPipe(Severity severity, const char *code, PipeRef pipe, DatSourceMap::List list,
                     const std::string &text) {
        Finding &finding = m_context.Add(severity, code, m_context.dat,
                                         m_context.PipeOffset(pipe.stop, pipe.pipe, list), text);
        finding.stop = pipe.stop;
        finding.pipes = {pipe};
        return finding;
    }
    std::string Name(PipeRef pipe) const { return m_context.PipeName(pipe.stop, pipe.pipe); }

    // For the checks of pairs, whose findings can number in the millions: true when the error
    // of this kind is only counted, before its message is written.
    bool Counted(const char *code) {
        if (!m_context.Full(code))
            return false;
        m_context.CountUnlisted(code, Severity::Error);
        return true;
    }

    void Holes() {
        std::vector<Disc> discs = PipeDiscs(
            m_chest, [](int, const CStop &stop, int k) { return DrilledRadius(stop, k); });
        if (!m_chest.Stop(0).HasTurrets() && m_chest.StopCount() > 0) {
            const CStop &pilots = m_chest.m_frame_holes;
            for (int i = 0; i < pilots.PipeSlots(); ++i)
                discs.push_back({double(pilots.X(i)), double(pilots.Y(i)),
                                 pilots.m_hole[static_cast<size_t>(i)] / 2.0, kPilot + i});
        }
        ForEachClosePair(discs, m_web, [&](const Disc &a, const Disc &b, double gap) {
            if (a.id >= kPilot && b.id >= kPilot)
                return;
            const Disc &pipe = a.id < kPilot ? a : b;
            const Disc &other = a.id < kPilot ? b : a;
            if (Counted(other.id >= kPilot ? "pilot-web" : "hole-web"))
                return;
            const std::string wood =
                gap < 0 ? "overlaps" : "leaves " + Millimetres(gap) + " mm of wood to";
            if (other.id >= kPilot) {
                AddPipe(Severity::Error, "pilot-web", RefOf(pipe.id), DatSourceMap::kHoles,
                        Name(RefOf(pipe.id)) + ": plate hole " + wood + " pilot hole " +
                            std::to_string(other.id - kPilot + 1) + " (least " +
                            std::to_string(m_web) + " mm)");
                return;
            }
            AddPipe(Severity::Error, "hole-web", RefOf(pipe.id), DatSourceMap::kHoles,
                    Name(RefOf(pipe.id)) + ": plate hole " + wood + " the hole of " +
                        Name(RefOf(other.id)) + " (least " + std::to_string(m_web) + " mm)")
                .pipes.push_back(RefOf(other.id));
        });
    }

    void Bodies() {
        const std::vector<Disc> discs =
            PipeDiscs(m_chest, [](int, const CStop &stop, int k) { return stop.W(k) / 2.0; });
        ForEachClosePair(discs, 0, [&](const Disc &a, const Disc &b, double) {
            const PipeRef pa = RefOf(a.id), pb = RefOf(b.id);
            // Square bodies overlap only when both sides do.
            if (m_chest.Stop(pa.stop).m_square && m_chest.Stop(pb.stop).m_square) {
                const double reach = a.r + b.r;
                if (std::abs(a.x - b.x) >= reach || std::abs(a.y - b.y) >= reach)
                    return;
            }
            if (Counted("body-overlap"))
                return;
            AddPipe(Severity::Error, "body-overlap", pa, DatSourceMap::kDiameters,
                    Name(pa) + ": its body overlaps the body of " + Name(pb))
                .pipes.push_back(pb);
        });
    }

    // Every note has its valve under its pipe, except the ranks of a mixture (one valve per note
    // for the group) and slider stops (they take the wind of their master's valves).
    void Valves() {
        const bool registers = m_chest.m_show_registers;
        const std::vector<Disc> discs =
            PipeDiscs(m_chest, [registers](int, const CStop &stop, int k) {
                if (stop.m_mixture || (registers && stop.m_slider == 1))
                    return -1.0;
                return stop.m_valve[static_cast<size_t>(k)] / 2.0;
            });
        ForEachClosePair(discs, 0, [&](const Disc &a, const Disc &b, double) {
            const PipeRef pa = RefOf(a.id), pb = RefOf(b.id);
            if (Counted("valve-overlap"))
                return;
            AddPipe(Severity::Error, "valve-overlap", pa, DatSourceMap::kHoles,
                    Name(pa) + ": its " + std::to_string(int(2 * a.r)) +
                        " mm valve overlaps the valve of " + Name(pb))
                .pipes.push_back(pb);
        });
    }

    void Edges() {
        const CRectangle &plate = m_chest.m_plate;
        for (const Disc &hole : PipeDiscs(
                 m_chest, [](int, const CStop &stop, int k) { return DrilledRadius(stop, k); })) {
            const double wood = std::min({hole.x - plate.x1, plate.x2 - hole.x, hole.y - plate.y1,
                                          plate.y2 - hole.y}) -
                                hole.r;
            if (wood < m_web)
                AddPipe(Severity::Error, "edge-web", RefOf(hole.id), DatSourceMap::kHoles,
                        Name(RefOf(hole.id)) + ": plate hole " +
                            (wood < 0 ? std::string("runs off the plate")
                                      : "leaves " + Millimetres(wood) +
                                            " mm of wood to the plate's edge") +
                            " (least " + std::to_string(m_web) + " mm)");
        }
    }

    void Walls() {
        if (m_chest.m_rect_count <= 0 && m_chest.m_line_count <= 0)
            return;
        struct Wall {
            double ax, ay, bx, by;
            size_t offset;
            std::string text;
        };
        std::vector<Wall> walls;
        const CheckedText *source = m_context.partitions ? m_context.partitions : &m_context.dat;
        auto offsetOf = [](const std::vector<size_t> &offsets, int i) {
            return static_cast<size_t>(i) < offsets.size() ? offsets[static_cast<size_t>(i)]
                                                           : DatSourceMap::kNone;
        };
        for (int i = 0; i < std::min(m_chest.m_rect_count, CWindchest::kMaxRects); ++i) {
            const CRectangle &r = m_chest.m_rects[static_cast<size_t>(i)];
            const size_t at = offsetOf(source->map.rects, i);
            const std::string text = "RECT " + std::to_string(r.x1) + " " + std::to_string(r.x2) +
                                     " " + std::to_string(r.y1) + " " + std::to_string(r.y2);
            walls.push_back({double(r.x1), double(r.y1), double(r.x2), double(r.y1), at, text});
            walls.push_back({double(r.x1), double(r.y2), double(r.x2), double(r.y2), at, text});
            walls.push_back({double(r.x1), double(r.y1), double(r.x1), double(r.y2), at, text});
            walls.push_back({double(r.x2), double(r.y1), double(r.x2), double(r.y2), at, text});
        }
        for (int i = 0; i < std::min(m_chest.m_line_count, CWindchest::kMaxLines); ++i) {
            const CRectangle &l = m_chest.m_lines[static_cast<size_t>(i)];
            walls.push_back({double(l.x1), double(l.y1), double(l.x2), double(l.y2),
                             offsetOf(source->map.lines, i),
                             "LINE " + std::to_string(l.x1) + " " + std::to_string(l.y1) + " " +
                                 std::to_string(l.x2) + " " + std::to_string(l.y2)});
        }
        // Holes by X, so that each wall looks only at the holes within its reach in X.
        std::vector<Disc> holes = PipeDiscs(
            m_chest, [](int, const CStop &stop, int k) { return DrilledRadius(stop, k); });
        double largest = 0;
        for (const Disc &hole : holes)
            largest = std::max(largest, hole.r);
        std::sort(holes.begin(), holes.end(),
                  [](const Disc &a, const Disc &b) { return a.x < b.x; });
        for (const Wall &wall : walls) {
            const double left = std::min(wall.ax, wall.bx) - largest;
            const double right = std::max(wall.ax, wall.bx) + largest;
            const double top = std::min(wall.ay, wall.by) - largest;
            const double bottom = std::max(wall.ay, wall.by) + largest;
            auto it = std::lower_bound(holes.begin(), holes.end(), left,
                                       [](const Disc &d, double v) { return d.x < v; });
            for (; it != holes.end() && it->x <= right; ++it) {
                if (it->y < top || it->y > bottom)
                    continue;
                if (SegmentDistance(it->x, it->y, wall.ax, wall.ay, wall.bx, wall.by) >= it->r)
                    continue;
                const PipeRef pipe = RefOf(it->id);
                Finding &finding = m_context.Add(
                    Severity::Error, "partition-crossing", *source, wall.offset,
                    Name(pipe) + ": plate hole crosses the partition wall " + wall.text);
                finding.stop = pipe.stop;
                finding.pipes = {pipe};
            }
        }
    }

    CheckContext &m_context;
    const CWindchest &m_chest;
    int m_web;
};

} // namespace

void CheckClearances(CheckContext &context) {
    Clearances(context).Run();
}

// What the layout mends silently: a turret outline with fewer points than its stop has pipes, a
// slider stop reaching past its master's pipes.
void CheckMends(CheckContext &context) {
    const CWindchest &chest = context.chest;
    for (int s = 0; s < chest.StopCount(); ++s) {
        const CStop &stop = chest.Stop(s);
        const DatSourceMap::StopSource *source = context.StopSource(s);
        if (stop.HasTurrets()) {
            const CLoft *turret = stop.TurretOrNull(0);
            const int points = turret ? turret->m_forme.PointCount() : 0;
            if (points < stop.PipeSlots()) {
                const size_t at = source && !source->turrets.empty() ? source->turrets.front()
                                                                     : DatSourceMap::kNone;
                Finding &finding = context.Add(
                    Severity::Warning, "turret-short", context.dat, at,
                    "stop " + stop.m_name + ": its turret outline " +
                        (turret ? turret->m_forme_name : std::string()) + " has " +
                        std::to_string(points) + " points for " + std::to_string(stop.PipeSlots()) +
                        " pipes: the pipes after the last point stand at the stop's origin");
                finding.stop = s;
            }
        }
        if (chest.m_show_registers && stop.m_slider == 1) {
            const CStop &master = chest.Stop(chest.m_master_stop);
            const int reach = stop.m_first_pipe - 1 + stop.PipeSlots();
            if (stop.m_first_pipe < 1 || reach > master.PipeSlots()) {
                Finding &finding = context.Add(
                    Severity::Warning, "slider-past-master", context.dat,
                    source ? source->name : DatSourceMap::kNone,
                    "stop " + stop.m_name + ": pipes " + std::to_string(stop.m_first_pipe) +
                        " to " + std::to_string(reach) + " reach past its master " + master.m_name +
                        " (" + std::to_string(master.PipeSlots()) +
                        " pipes): the pipes beyond keep their own places");
                finding.stop = s;
            }
        }
    }
}

} // namespace ventrel
