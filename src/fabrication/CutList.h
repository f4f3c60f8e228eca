// The cut list of a chest: its text, its file, and the refresh that lays out and writes it.
#pragma once

#include <string>

namespace ventrel {

class CWindchest;
class Ui;
struct ValveCounters;
struct WorkFolder;

// The five board lines of the cut list for the chest read from `fileName`.
std::string CutListText(const CWindchest &chest, const std::string &fileName);

// The cut list's file name for a chest file's name ("orgue.dat" gives "orgue_commande.wri").
std::string CutListName(const std::string &fileName);

// Writes the cut list "<name>_commande.wri" into folder.output; false (message shown) when the
// name is empty or the file cannot be written.
bool WriteCommande(const CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
                   Ui &ui);

// Layout, cut list, valves (the cut list is written into folder.output). Returns the valve
// sizing's result; `written` tells whether the cut list was written.
bool Refresh(CWindchest &chest, const std::string &fileName, const WorkFolder &folder,
             ValveCounters &counters, Ui &ui, bool *written = nullptr);

} // namespace ventrel
