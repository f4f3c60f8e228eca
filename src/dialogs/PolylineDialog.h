// The modeless polyline dialog: shape buttons, "Length", "Undo", "Clear" and saving the outline.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ventrel {

class L_2D_Drawing;
class Ui;

class PolylineDialog {
public:
    // Control ids.
    enum : int {
        kOk = 1,
        kCancel = 2,
        kPolyline = 133,
        kLine = 142,
        kQuarter1 = 150,
        kQuarter2 = 156,
        kQuarter3 = 158,
        kQuarter4 = 1030,
        kLength = 1029,
        kShapes = 1031,
        kArc = 1032,
        kUndo = 1033,
        kEndPolyline = 1034,
        kClear = 1041,
        kTool = 1044,
    };
    static constexpr const char *kCaption = "PolyLine";
    static constexpr const char *kFilter = "Save PolyLine (*.poly)|*.poly;|";
    static constexpr const char *kSaveTitle = "Save PolyLine or cancel ?";
    static constexpr int kKeyLeft = 37;

    struct Button {
        int id;
        const char *text; // what the button shows (a picture in the original)
    };
    // The buttons in the order the dialog lays them out.
    static const std::vector<Button> &Buttons();

    // What the dialog asks of the view: a file dialog giving the path to write (nothing when
    // cancelled); the view is redrawn through the Ui.
    using AskFile =
        std::function<std::optional<std::filesystem::path>(const char *filter, const char *title)>;

    PolylineDialog(L_2D_Drawing &drawing, Ui &ui, AskFile askFile);

    const std::string &Field(int id) const;
    void SetField(int id, const std::string &text);

    // Presses a button; true when the dialog closes on it (OK written or cancelled, Cancel).
    bool Press(int id);
    // A right click in the dialog: Undo.
    void RightClick();
    // A key pressed in the dialog; true when it closes the dialog (the Left arrow).
    bool KeyDown(int key);

private:
    // The "Length" field; nothing (with a message) when it is not a number.
    std::optional<int> Length();
    void Quarter(int kind);
    bool Ok();

    L_2D_Drawing &m_drawing;
    Ui &m_ui;
    AskFile m_askFile;
    std::map<int, std::string> m_fields;
};

} // namespace ventrel
