// The cut list text of a chest.
#pragma once

#include <string>

namespace ventrel {

class CWindchest;

// The five board lines of the cut list for the chest read from `fileName`.
std::string CutListText(const CWindchest &chest, const std::string &fileName);

// The cut list's file name for a chest file's name ("orgue.dat" gives "orgue_commande.wri").
std::string CutListName(const std::string &fileName);

} // namespace ventrel
