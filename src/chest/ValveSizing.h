// Standard valve diameters and the program-wide magnet, pallet and valve-count settings.
#pragma once

#include <array>

namespace ventrel {

// Ascending valve diameters in millimetres; index 0 is only a lower bound. 16 ... 35 are the
// 5/8 to 1-3/8 inch valves; 50 has no inch name.
inline constexpr std::array<int, 9> kValveClasses = {0, 16, 19, 22, 25, 28, 32, 35, 50};

// Kept for the whole program, not per chest: the counters of the last sizing run, and the magnet
// ("Electro") and pallet sizes edited in the chest settings dialog.
struct ValveCounters {
    std::array<int, 9> counts{};
    int magnet_width = 15;
    int magnet_depth = 50;
    int pallet_width = 15;
    int pallet_depth = 32;
};

} // namespace ventrel
