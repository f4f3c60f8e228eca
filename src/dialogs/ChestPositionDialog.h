// The modeless chest-position dialog: the organ's chests, their stops, and where each one stands.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ventrel {

struct ChestTable;
class Ui;

class ChestPositionDialog {
public:
    // Control ids.
    enum : int {
        kOk = 1,
        kCancel = 2,
        kRefresh = 3,
        kAddChest = 4,
        kDeleteChest = 5,
        kX = 1005,
        kY = 1006,
        kZ = 1007,
        kChests = 1026,
        kChestCopy = 1027,
        kStopsEmpty = 1064,
        kStops = 1065,
    };
    static constexpr const char *kCaption = "Chest positions";
    static constexpr const char *kXEdited = "TOTO";

    // What the dialog asks of the view.
    struct Hooks {
        std::function<ChestTable *()> chests; // the organ's table, nullptr before the first chest
        std::function<void(int)> makeCurrent; // makes chest i the view's active chest
        std::function<void()> rebuild3D;      // lays the chests out and builds the scene again
        std::function<void()> addChest;       // the view's "Add Chest" (file dialog and load)
        std::function<void(int)> deleteChest; // removes chest i, the following ones moving up
    };

    ChestPositionDialog(Ui &ui, Hooks hooks);

    // Opening (or showing again): chest 0 is current, selections are not frozen, lists refilled.
    void Open();
    // Refills the three lists from the table and shows the current chest's position.
    void Fill();

    const std::string &Field(int id) const;
    // A field typed by the user. Editing X replaces the drop-down list by the single "TOTO".
    void SetField(int id, const std::string &text);
    const std::vector<std::string> &Lines(int id) const;
    // The selected line of a list, -1 for none.
    int Selection(int id) const;

    // The user selects line `line` of list 1026 or 1065.
    void SelectChest(int line);
    void SelectStop(int line);
    void FocusChestList();
    // A right click in the dialog: list selections no longer change the current chest.
    void RightClick();
    void HorizontalScroll();
    bool Frozen() const { return m_frozen; }
    int Current() const { return m_current; }

    // The selected chest (the first without a selection) moves to X, Y, Z; the scene is rebuilt.
    // False (nothing stored) when a field is not an integer or the organ has no chest.
    bool Refresh();
    void AddChest();
    // Removes the selected chest; nothing without a selection.
    void DeleteChest();
    // Presses a button; true when the dialog closes on it.
    bool Press(int id);

private:
    int ChestCount() const;
    void ShowPosition();

    Ui &m_ui;
    Hooks m_hooks;
    int m_current = 0;
    bool m_frozen = false;
    std::map<int, std::string> m_fields;
    std::map<int, std::vector<std::string>> m_lines;
    std::map<int, int> m_selection;
};

} // namespace ventrel
