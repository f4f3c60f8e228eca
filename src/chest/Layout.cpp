// Placing the pipes of a windchest on its plate: stop rules, slider pass, bounds, plate, pilot
// holes.
#include "CWindchest.h"

#include "math/Saturate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ventrel {
namespace {

// trunc √v in double precision; no value for a negative v.
bool TruncatedRoot(std::int64_t v, int &root) {
    if (v < 0)
        return false;
    root = static_cast<int>(std::trunc(std::sqrt(static_cast<double>(v))));
    return true;
}

std::int64_t Square(int v) {
    return static_cast<std::int64_t>(v) * v;
}

void SetPipe(CStop &stop, int k, int x, int y) {
    if (k < 0 || k >= CStop::kMaxPipes)
        return;
    stop.m_x[static_cast<size_t>(k)] = x;
    stop.m_y[static_cast<size_t>(k)] = y;
}

} // namespace

int CWindchest::Gap(const CStop &stop, int k) const {
    return std::max({stop.W(k) / 5, m_min_gap, stop.m_gap});
}

void CWindchest::Layout() {
    const int count = StopCount();
    if (count == 0)
        return;
    for (int s = 0; s < count;) {
        CStop &stop = Stop(s);
        if (stop.HasTurrets()) {
            LayoutTurret(stop);
        } else if (stop.m_incx == 3 || stop.m_incx == 33) {
            LayoutLine(stop);
        } else if (stop.m_mixture) {
            LayoutMixture();
            s = std::max(s + 1, std::min(m_mixture_end, count));
            continue;
        } else {
            LayoutRows(stop);
        }
        if (m_show_registers)
            SliderPass();
        ComputeBounds(stop);
        ++s;
    }
    ComputePlate();
    if (!Stop(0).HasTurrets())
        PlacePilotHoles();
}

// Two staggered rows (|INCX| = 1) or columns (other codes), each pipe nesting between its
// neighbours.
void CWindchest::LayoutRows(CStop &stop) {
    stop.m_valve_drawn = true;
    const int n = stop.PipeSlots();
    const bool rows = stop.m_incx == 1 || stop.m_incx == -1;
    const int sigma = stop.m_incx > 0 ? 1 : -1;
    SetPipe(stop, 0, stop.m_x0 + stop.W(0) / 2, stop.m_y0 + stop.W(0) / 2);
    stop.m_side[0] = -1;
    const int yA = stop.Y(0);
    int yB = yA;
    for (int k = 1; k < n; k += 2) {
        const bool pairs = k + 1 < n;
        stop.m_side[static_cast<size_t>(k)] = -1;
        if (pairs)
            stop.m_side[static_cast<size_t>(k + 1)] = -1;
        const int c = Gap(stop, k);
        int e = (stop.W(k) + c) / 2;
        const int d = c + (stop.W(k - 1) + stop.W(k)) / 2;
        int f = 0;
        TruncatedRoot(Square(d) - Square(e), f);
        if (k == 1)
            yB = yA + f;
        const int g = c + (stop.W(k) + stop.W(k + 1)) / 2;
        int h = 0;
        const bool hasH = TruncatedRoot(Square(g) - Square(f), h);
        const int m = (stop.W(k + 2) + c) / 2;
        int p = hasH ? std::max(h, m) : m;
        int xk = 0, yk = 0, xNext = 0, yNext = 0;
        if (rows && !stop.m_square) {
            if (p < 20) {
                p = 20;
                e = 20;
            }
            xk = stop.X(k - 1) + sigma * e;
            yk = yB;
            xNext = xk + sigma * p;
            yNext = yA;
        } else if (rows) {
            xk = stop.X(k - 1);
            yk = yB;
            xNext = xk + d;
            yNext = yA;
        } else if (!stop.m_square) {
            xk = stop.X(0) + f;
            yk = stop.Y(k - 1) + e;
            xNext = stop.X(0);
            yNext = stop.Y(k - 1) + 2 * e;
        } else {
            xk = stop.X(0) + c + (stop.W(0) + stop.W(1)) / 2;
            yk = stop.Y(k - 1);
            xNext = stop.X(0);
            yNext = yk + sigma * (c + stop.W(k + 1));
        }
        SetPipe(stop, k, xk, yk);
        if (pairs)
            SetPipe(stop, k + 1, xNext, yNext);
    }
}

// One line along X; split into a C side and a C sharp side for a diatonic stop.
void CWindchest::LayoutLine(CStop &stop) {
    const int n = stop.PipeSlots();
    SetPipe(stop, 0, stop.m_x0 + stop.W(0) / 2, stop.m_y0 + stop.W(0) / 2);
    SetPipe(stop, 1, stop.m_x0 + stop.m_diatonic_offset, stop.Y(0));
    if (!stop.m_diatonic) {
        for (int k = 1; k < n; ++k)
            SetPipe(stop, k, stop.X(k - 1) + stop.W(k) + Gap(stop, k), stop.Y(0));
        return;
    }
    const bool back = stop.m_incx == 33;
    for (int k = 2; k < n; k += 2) {
        const int c = Gap(stop, k);
        const int yC = back ? stop.Y(0) + stop.W(0) / 2 - stop.W(k) / 2 : stop.Y(0);
        SetPipe(stop, k, stop.X(k - 2) + stop.W(k - 2) + c, yC);
        if (k + 1 < n) {
            const int ySharp = back ? stop.Y(0) + stop.W(0) / 2 - stop.W(k + 1) / 2 : stop.Y(1);
            SetPipe(stop, k + 1, stop.X(k - 1) - stop.W(k - 1) - c, ySharp);
        }
    }
}

// Pipes on the points of the first turret's path: pipe 0 on the middle point, odd pipes before
// it going outward, even pipes after it.
void CWindchest::LayoutTurret(CStop &stop) {
    const int n = stop.PipeSlots();
    const int h = n / 2;
    const L_2D_Drawing &forme = stop.Turret(0).m_forme;
    // An outline point beyond the millimetre range (or not a number) cannot place a pipe: it is
    // held at the range's edge (NaN at 0).
    auto toInt = [](float v) { return SaturatingInt(v, kLargestMillimetres); };
    for (int i = 0; i < n; ++i) {
        const int q = i >= h ? 2 * (i - h) : 2 * (h - i) - 1;
        const Vec2 point = forme.Point(i);
        SetPipe(stop, q, toInt(point.x) + stop.m_x0, toInt(point.y) + stop.m_y0);
    }
}

// A mixture group: one column per note, one row per rank, all ranks of a note on one valve.
void CWindchest::LayoutMixture() {
    const int first = std::clamp(m_mixture_first, 0, StopCount() - 1);
    const int end = std::clamp(m_mixture_end, first + 1, StopCount());
    CStop &lead = Stop(first);
    const int leadCount = lead.PipeSlots();

    int widest = -1;
    int widestStop = first;
    int widestHole = 0;
    for (int k = 0; k < leadCount; ++k) {
        for (int s = first; s < end; ++s) {
            if (Stop(s).W(k) > widest) {
                widest = Stop(s).W(k);
                widestStop = s;
                widestHole = Stop(s).m_hole[static_cast<size_t>(CStop::Slot(k))];
            }
        }
    }
    const CStop &largest = Stop(widestStop);
    for (int s = first; s < end; ++s) {
        CStop &stop = Stop(s);
        SetPipe(stop, 0, stop.m_x0 + stop.W(0) / 2, stop.m_y0 + stop.W(0) / 2);
        for (int k = 1; k < leadCount; ++k) {
            SetPipe(stop, k, lead.X(k - 1) + m_mixture_extra + largest.W(k), stop.Y(0));
            lead.m_valve_rects[static_cast<size_t>(k)] = {
                lead.X(k) - widestHole / 2, lead.X(k) + widestHole / 2,
                lead.Y(k) - widestHole / 2 - 30, lead.Y(k) + widestHole / 2 + 30};
        }
    }
    for (int s = first; s < end; ++s) {
        CStop &stop = Stop(s);
        stop.m_valve_drawn = true;
        ComputeBounds(stop);
        std::fill_n(stop.m_side.begin(), stop.PipeSlots(), -1);
    }
}

// Register mode: a slider stop stands on the X of the master's pipes of the same notes.
void CWindchest::SliderPass() {
    const CStop &master = Stop(m_master_stop);
    for (int s = 0; s < StopCount(); ++s) {
        CStop &stop = Stop(s);
        if (stop.m_slider != 1)
            continue;
        const int row = stop.Y(stop.m_first_pipe - 1);
        for (int j = 0; j < stop.PipeSlots(); ++j) {
            const int note = j + stop.m_first_pipe - 1;
            // A slider stop reaching past its master keeps its own X there.
            const int x = note >= 0 && note < master.PipeSlots() ? master.X(note) : stop.X(j);
            SetPipe(stop, j, x, row);
        }
    }
    for (int s = 0; s < StopCount(); ++s)
        ComputeBounds(Stop(s));
}

void CWindchest::ComputeBounds(CStop &stop) const {
    const int n = stop.m_pipe_count;
    CRectangle &b = stop.m_bounds;
    b.x1 = stop.m_x0;
    b.y1 = stop.m_y0;
    const int incx = stop.m_incx;
    if (!stop.m_square) {
        if (incx == 1 || ((incx == 3 || incx == 33) && !stop.m_diatonic)) {
            b.x2 = stop.X(n - 1) + stop.W(n - 1);
            b.y2 = stop.Y(1) + stop.W(0) / 2;
        } else if (incx == 2 || incx == -2) {
            b.x2 = stop.X(1) + stop.W(1) / 2;
            b.y2 = stop.Y(n - 1) + stop.W(n - 1) / 2;
        } else if (incx == -1) {
            b.x1 = stop.X(n - 1) - stop.W(n - 1) / 2;
            b.x2 = stop.X(0) + stop.W(0) / 2;
            b.y2 = stop.Y(1) + stop.W(0) / 2;
        } else if (incx == 3 || incx == 33) {
            b.x2 = stop.X(1) + stop.W(1) / 2;
            b.y2 = stop.Y(0) + stop.W(0) / 2;
        }
        // Any other code keeps the previous x2 and y2.
        return;
    }
    if (incx == 1) {
        b.x2 = stop.X(n - 2) + stop.W(n - 2) / 2;
        b.y2 = stop.Y(1) + stop.W(1) / 2;
    } else if (incx == -2) {
        b.x1 = stop.X(0) - stop.W(0) / 2;
        b.y1 = stop.Y(n - 2) - stop.W(n - 1) / 2;
        b.x2 = stop.X(1) + stop.W(1) / 2;
        b.y2 = stop.Y(0) + stop.W(0) / 2;
    } else {
        b.x2 = stop.X(1) + stop.W(1) / 2;
        b.y2 = stop.Y(n - 2) + stop.W(n - 2) / 2;
    }
}

void CWindchest::ComputePlate() {
    int x2 = -10000, y2 = -10000;
    for (int s = 0; s < StopCount(); ++s) {
        x2 = std::max(x2, Stop(s).m_bounds.x2);
        y2 = std::max(y2, Stop(s).m_bounds.y2);
    }
    m_plate = {0, x2 + 42, 0, y2 + 50};
}

// Ten pilot holes 11 mm from the plate's edges, and an eleventh at the central hole.
void CWindchest::PlacePilotHoles() {
    const int w = m_plate.x2, d = m_plate.y2;
    const int holes[10][2] = {
        {11, 11},          {w - 11, 11},    {w - 11, d - 11},      {11, d - 11}, {w / 3, 11},
        {2 * (w / 3), 11}, {w / 3, d - 11}, {2 * (w / 3), d - 11}, {11, d / 2},  {w - 11, d / 2}};
    CStop &frame = m_frame_holes;
    frame.m_pipe_count = 10;
    for (int i = 0; i < 10; ++i)
        SetPipe(frame, i, holes[i][0], holes[i][1]);
    if (m_central_hole[1] != 0) {
        SetPipe(frame, 10, m_central_hole[0] != 0 ? m_central_hole[0] : w / 2, m_central_hole[1]);
        frame.m_pipe_count = 11;
    }
    for (int i = 0; i < frame.m_pipe_count; ++i) {
        frame.m_hole[static_cast<size_t>(i)] = m_pilot_diameter;
        frame.m_foot[static_cast<size_t>(i)] = m_pilot_diameter;
        frame.m_diameter[static_cast<size_t>(i)] = m_pilot_diameter;
    }
    frame.m_bounds = m_plate;
}

} // namespace ventrel
