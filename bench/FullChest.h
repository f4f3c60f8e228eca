// The largest chest there is, for the benchmarks that draw one.
#pragma once

#include "chest/CWindchest.h"
#include "chest/ValveSizing.h"

#include <algorithm>
#include <string>

namespace ventrel::bench {

// 100 stops of 80 round pipes in staggered rows, one under the other, laid out and sized.
inline void FillFullChest(CWindchest &chest, ValveCounters &counters) {
    chest.m_stop_count = CWindchest::kMaxStops;
    for (int s = 0; s < CWindchest::kMaxStops; ++s) {
        CStop &stop = chest.Stop(s);
        stop.m_name = "Stop" + std::to_string(s);
        stop.m_pipe_count = CStop::kMaxPipes;
        stop.m_incx = 1;
        stop.m_x0 = 20;
        stop.m_y0 = 20 + 260 * s;
        for (int k = 0; k < CStop::kMaxPipes; ++k) {
            const size_t i = static_cast<size_t>(k);
            stop.m_diameter[i] = std::max(12, 60 - k / 2);
            stop.m_hole[i] = std::max(6, 20 - k / 6);
            stop.m_foot[i] = std::max(8, 30 - k / 4);
            stop.m_length[i] = 2000 - 20 * k;
        }
    }
    chest.Layout();
    chest.SizeValves(counters);
}

} // namespace ventrel::bench
