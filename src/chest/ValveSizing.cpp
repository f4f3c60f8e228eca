// Choosing a standard valve for every pipe from its plate hole and the valve margin.
#include "CWindchest.h"

namespace ventrel {

bool CWindchest::SizeValves(ValveCounters &counters) {
    if (StopCount() == 0)
        return false;
    m_valve_count = 0;
    counters.counts.fill(0);
    for (int s = 0; s < StopCount(); ++s) {
        CStop &stop = Stop(s);
        for (int k = 0; k < stop.PipeSlots(); ++k) {
            ++m_valve_count;
            const long long need =
                static_cast<long long>(stop.m_hole[static_cast<size_t>(k)]) + m_valve_margin;
            size_t c = 0;
            while (c + 1 < kValveClasses.size() &&
                   !(kValveClasses[c] < need && need <= kValveClasses[c + 1]))
                ++c;
            if (c + 1 >= kValveClasses.size())
                return false; // later pipes keep their previous valves
            stop.m_valve[static_cast<size_t>(k)] = kValveClasses[c + 1];
            ++counters.counts[c + 1];
        }
    }
    return true;
}

} // namespace ventrel
