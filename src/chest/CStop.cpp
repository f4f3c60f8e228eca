// One stop of a windchest.
#include "CStop.h"

#include <algorithm>

namespace ventrel {

CStop::CStop(const CStop &other) {
    *this = other;
}

CStop &CStop::operator=(const CStop &other) {
    if (this == &other)
        return *this;
    std::unique_ptr<std::array<CLoft, kMaxTurrets>> turrets;
    if (other.m_turrets)
        turrets = std::make_unique<std::array<CLoft, kMaxTurrets>>(*other.m_turrets);
    m_pipe_count = other.m_pipe_count;
    m_first_pipe = other.m_first_pipe;
    m_incx = other.m_incx;
    m_diatonic = other.m_diatonic;
    m_slider = other.m_slider;
    m_diatonic_offset = other.m_diatonic_offset;
    m_x0 = other.m_x0;
    m_y0 = other.m_y0;
    m_name = other.m_name;
    m_bounds = other.m_bounds;
    m_valve_rects = other.m_valve_rects;
    m_x = other.m_x;
    m_y = other.m_y;
    m_diameter = other.m_diameter;
    m_hole = other.m_hole;
    m_foot = other.m_foot;
    m_length = other.m_length;
    m_valve = other.m_valve;
    m_square = other.m_square;
    m_gap = other.m_gap;
    m_side = other.m_side;
    m_valve_drawn = other.m_valve_drawn;
    m_mixture = other.m_mixture;
    m_turrets = std::move(turrets);
    m_turret_count = other.m_turret_count;
    m_selected_pipe = other.m_selected_pipe;
    return *this;
}

void CStop::Reset() {
    auto turrets = std::move(m_turrets);
    *this = CStop();
    m_turrets = std::move(turrets);
    m_turret_count = 0;
}

CLoft &CStop::Turret(int i) {
    if (!m_turrets)
        m_turrets = std::make_unique<std::array<CLoft, kMaxTurrets>>();
    return (*m_turrets)[static_cast<size_t>(std::clamp(i, 0, kMaxTurrets - 1))];
}

const CLoft *CStop::TurretOrNull(int i) const {
    if (!m_turrets || i < 0 || i >= kMaxTurrets || i >= m_turret_count)
        return nullptr;
    return &(*m_turrets)[static_cast<size_t>(i)];
}

} // namespace ventrel
