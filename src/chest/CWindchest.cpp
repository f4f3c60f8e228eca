// The windchest record and the organ's table of chests.
#include "CWindchest.h"

namespace ventrel {

CWindchest::CWindchest() = default;

ChestTable::ChestTable() {
    chests.reserve(kMaxChests);
    for (int i = 0; i < kMaxChests; ++i)
        chests.push_back(std::make_unique<CWindchest>());
}

} // namespace ventrel
