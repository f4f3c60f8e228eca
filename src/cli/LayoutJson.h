// The layout document of a chest, shared by the layout and stop commands.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace ventrel {
class CWindchest;
struct ValveCounters;
} // namespace ventrel

namespace ventrel::cli {

nlohmann::ordered_json LayoutJson(const CWindchest &chest, bool valvesOk,
                                  const ValveCounters &counters);

} // namespace ventrel::cli
