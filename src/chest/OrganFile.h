// The organ file (".org"): chest description files with their positions, free bars and pipes.
#pragma once

#include <string>
#include <vector>

namespace ventrel {

class Ui;
struct ChestTable;
struct WorkFolder;

struct OrganFile {
    enum class Kind { Chest, Bar, Pipe };
    // One line: "SOMMIER file x y z a b c", "BARRE p q r x y z" or "TUYAU p q r x y z".
    struct Item {
        Kind kind = Kind::Chest;
        std::string file;        // chests only
        int size[3] = {0, 0, 0}; // bars and pipes: p, q, r
        int position[3] = {0, 0, 0};
    };
    std::vector<Item> items; // in file order

    static OrganFile Parse(const std::string &text, Ui &ui);
};

// Reads every chest of the organ into the table from index 0 on, lays each out and places it
// (no cut list, no valve sizing). A chest file that cannot be read leaves an empty chest in its
// place; chests beyond the table's 30 are refused with a message. Returns the chest count;
// `unread`, when given, receives the names of the chest files that could not be read whole.
int LoadOrganChests(const OrganFile &organ, ChestTable &table, const WorkFolder &folder, Ui &ui,
                    std::vector<std::string> *unread = nullptr);

// "SOMMIER name x y z 1 0 0 \r\n" for each chest in use, then "BARRE p q r x y z \r\n" or
// "TUYAU p q r x y z \r\n" for each free bar and pipe given (chest items among them are skipped).
std::string OrganFileText(const ChestTable &table, const std::vector<OrganFile::Item> &free = {});

// The organ file name for a name: orgue.dat gives orgue.org; a name without '.' gets ".org".
std::string OrganFileName(const std::string &name);

// Writes the organ file atomically; false with a message when it cannot be written.
bool WriteOrganFile(const ChestTable &table, const std::string &name, const WorkFolder &folder,
                    Ui &ui, const std::vector<OrganFile::Item> &free = {});

} // namespace ventrel
