// One stop ("jeu") of a windchest: its inputs from the description file and its laid-out pipes.
#pragma once

#include "Geometry.h"
#include "outline/CLoft.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace ventrel {

class CStop {
public:
    static constexpr int kMaxPipes = 80;
    static constexpr int kMaxTurrets = 10;
    static constexpr size_t kMaxNameLength = 127;
    using PipeArray = std::array<int, kMaxPipes>;

    CStop() = default;
    CStop(const CStop &other);
    CStop &operator=(const CStop &other);
    CStop(CStop &&) = default;
    CStop &operator=(CStop &&) = default;

    // Back to the defaults, keeping a turret table it already has (with a count of 0).
    void Reset();

    // Per-pipe reads clamped into the tables, so that no index can read outside them.
    static int Slot(int k) { return k < 0 ? 0 : (k >= kMaxPipes ? kMaxPipes - 1 : k); }
    // The diameter of pipe k; beyond the last pipe, the last pipe's diameter.
    int W(int k) const { return m_diameter[Slot(k >= m_pipe_count ? m_pipe_count - 1 : k)]; }
    int X(int k) const { return m_x[Slot(k)]; }
    int Y(int k) const { return m_y[Slot(k)]; }
    bool IsPresent(int k) const { return m_hole[Slot(k)] != 0; }
    // Pipes that are really in the tables (the count clamped to 0 ... 80).
    int PipeSlots() const { return m_pipe_count < 0 ? 0 : std::min(m_pipe_count, kMaxPipes); }

    // The turret table, created on first use.
    CLoft &Turret(int i);
    const CLoft *TurretOrNull(int i) const;
    bool HasTurrets() const { return m_turret_count > 0; }

    int m_pipe_count = 0;
    int m_first_pipe = 1;
    int m_incx = 1;
    bool m_diatonic = false;
    int m_slider = 0;
    int m_diatonic_offset = 0;
    int m_x0 = 0, m_y0 = 0;
    std::string m_name;
    CRectangle m_bounds;
    std::array<CRectangle, kMaxPipes> m_valve_rects{};
    PipeArray m_x{}, m_y{};
    PipeArray m_diameter{};
    PipeArray m_hole{};
    PipeArray m_foot{};
    PipeArray m_length{};
    PipeArray m_valve{};
    bool m_square = false;
    int m_gap = 0;
    PipeArray m_side{};
    bool m_valve_drawn = false;
    bool m_mixture = false;
    std::unique_ptr<std::array<CLoft, kMaxTurrets>> m_turrets;
    int m_turret_count = 0;
    int m_selected_pipe = -1;
    // m_selected_pipe when the whole stop is selected (from the scale chart): every pipe drawn
    // as a picked one.
    static constexpr int kWholeStop = -2;
};

} // namespace ventrel
