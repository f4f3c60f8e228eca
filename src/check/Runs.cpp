// Values that break the run of their rank where a slip of the pen is likely, and holes that no
// valve or foot can serve.
#include "CheckContext.h"

#include "chest/ValveSizing.h"

#include <algorithm>

namespace ventrel {
namespace {

// Pipe k stands out of its rank when it is beyond `factor` of both neighbours in the same
// direction (a lone spike or dip; a mixture's break back rises on one side only). The end pipes
// have one neighbour and are allowed the square of the factor.
bool OutOfRun(const CStop::PipeArray &values, int n, int k, double factor) {
    const double v = values[static_cast<size_t>(k)];
    auto at = [&](int i) { return static_cast<double>(values[static_cast<size_t>(i)]); };
    if (n < 3)
        return false;
    if (k == 0 || k == n - 1) {
        // Only against a neighbour that is itself in the run of the next one.
        const double neighbour = at(k == 0 ? 1 : n - 2), next = at(k == 0 ? 2 : n - 3);
        const double wide = factor * factor;
        if (neighbour <= 0 || next <= 0 || neighbour > next * factor || neighbour * factor < next)
            return false;
        return v > neighbour * wide || v * wide < neighbour;
    }
    const double low = std::min(at(k - 1), at(k + 1)), high = std::max(at(k - 1), at(k + 1));
    return low > 0 && (v > high * factor || v * factor < low);
}

} // namespace

void CheckRuns(CheckContext &context) {
    const CWindchest &chest = context.chest;
    const int largestValve = kValveClasses.back();
    std::vector<bool> miscounted(static_cast<size_t>(chest.StopCount()), false);
    for (const Finding &finding : context.findings)
        if (finding.code == "list-count" && finding.stop >= 0 && finding.stop < chest.StopCount())
            miscounted[static_cast<size_t>(finding.stop)] = true;
    for (int s = 0; s < chest.StopCount(); ++s) {
        // The values of a miscounted stop are shifted: its list finding says all there is.
        if (miscounted[static_cast<size_t>(s)])
            continue;
        const CStop &stop = chest.Stop(s);
        const int n = stop.PipeSlots();
        for (int k = 0; k < n; ++k) {
            if (!stop.IsPresent(k))
                continue;
            const size_t i = static_cast<size_t>(k);
            auto add = [&](Severity severity, const char *code, DatSourceMap::List list,
                           const std::string &text) {
                Finding &finding =
                    context.Add(severity, code, context.dat, context.PipeOffset(s, k, list),
                                context.PipeName(s, k) + ": " + text);
                finding.stop = s;
                finding.pipes = {{s, k}};
            };
            if (OutOfRun(stop.m_diameter, n, k, context.options.trend_factor))
                add(Severity::Warning, "out-of-run", DatSourceMap::kDiameters,
                    "diameter " + std::to_string(stop.m_diameter[i]) +
                        " is out of the run of its neighbours");
            if (OutOfRun(stop.m_length, n, k, context.options.trend_factor))
                add(Severity::Warning, "out-of-run", DatSourceMap::kLengths,
                    "length " + std::to_string(stop.m_length[i]) +
                        " is out of the run of its neighbours");
            if (stop.m_hole[i] > stop.m_foot[i])
                add(Severity::Warning, "hole-over-foot", DatSourceMap::kHoles,
                    "plate hole " + std::to_string(stop.m_hole[i]) +
                        " is larger than its foot hole " + std::to_string(stop.m_foot[i]));
            const long long need = static_cast<long long>(stop.m_hole[i]) + chest.m_valve_margin;
            if (need > largestValve || need <= 0)
                add(Severity::Error, "valve-size", DatSourceMap::kHoles,
                    "plate hole " + std::to_string(stop.m_hole[i]) + " with the valve margin " +
                        std::to_string(chest.m_valve_margin) + " needs " + std::to_string(need) +
                        " mm: no valve class fits (largest " + std::to_string(largestValve) + ")");
        }
    }
}

} // namespace ventrel
