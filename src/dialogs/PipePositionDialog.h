// The modeless "Pipe positions" window: what the last pick found, and "REFRESH" moving that pipe.
#pragma once

#include "chest/PipePicking.h"

#include <functional>
#include <map>
#include <string>

namespace ventrel {

class CWindchest;
class Ui;

class PipePositionDialog {
public:
    enum : int {
        kOk = 1,
        kCancel = 2,
        kRefresh = 3,
        kUndo = 4,
        kX = 1059,
        kY = 1060,
        kPipeNumber = 1063,
        kStopName = 1064,
        kDiameter = 1065,
        kLength = 1066,
        kArrangement = 1067,
        kSlider = 1068,
    };
    static constexpr const char *kCaption = "Pipe positions";

    static const std::map<int, const char *> &Labels();
    // X position and Y position are typed by the user; the other fields only show the pick.
    static bool Editable(int id) { return id == kX || id == kY; }

    // The pipes picked are those of the organ's first chest, which `firstChest` gives (nullptr
    // while there is none); repaints and messages go through ui.
    PipePositionDialog(Ui &ui, std::function<CWindchest *()> firstChest);

    void Fill(const PipePositionFields &fields);
    const std::string &Field(int id) const;
    void SetField(int id, const std::string &text);
    int Fills() const { return m_fills; }

    // "REFRESH": the typed X and Y become the position of the picked pipe of the first chest.
    // False (nothing stored) when a field is not an integer or no pipe has been picked.
    bool Refresh();
    // Presses a button; true when the window closes on it (OK, Cancel).
    bool Press(int id);

    // The X, Y and pipe number the dialog shows.
    int m_x = 0, m_y = 0, m_pipe = 0;

private:
    Ui &m_ui;
    std::function<CWindchest *()> m_firstChest;
    std::map<int, std::string> m_fields;
    int m_fills = 0;
};

} // namespace ventrel
