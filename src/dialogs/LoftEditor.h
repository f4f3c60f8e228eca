// The modeless loft editor: a COUPLE and a FORME outline read from .poly files, swept into a loft.
#pragma once

#include "outline/L_2D_Drawing.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ventrel {

class Scene;
class Ui;

class LoftEditor {
public:
    // Control ids.
    enum : int {
        kOk = 1,
        kCancel = 2,
        kMakeLoft = 3,
        kSaveLoft = 4,
        kClearLoft = 5,
        kFormePlane = 1005,
        kForme = 1030,
        kCouple = 1049,
        kNumber1 = 1054,
        kNumber2 = 1055,
        kNumber3 = 1056,
        kNumber4 = 1057,
        kCouplePlane = 1062,
    };
    static constexpr const char *kCaption = "LOFT";
    static constexpr const char *kFilter = "Fichiers de tuyaux (*.poly)|*.poly;|";
    static constexpr const char *kCoupleTitle = "Get PolyLine 1 Name ?";
    static constexpr const char *kFormeTitle = "Get PolyLine 2 Name ?";

    // What the editor asks of the view.
    struct Hooks {
        // A file dialog; the path chosen (its folder becomes the current one), nothing on cancel.
        std::function<std::optional<std::filesystem::path>(const char *filter, const char *title)>
            askFile;
        std::function<Scene *()> scene;     // the view's scene, nullptr while there is none
        std::function<void()> sceneChanged; // the scene's objects changed: bounds, lists
        std::function<void()> show3D;       // the 3D display on
    };

    // Opening: the scene becomes the editor's preview (slots 0 and 1 empty objects, slot 2 none).
    LoftEditor(Ui &ui, Hooks hooks);
    // Closing without Close() still frees the preview.
    ~LoftEditor();
    LoftEditor(const LoftEditor &) = delete;
    LoftEditor &operator=(const LoftEditor &) = delete;

    const std::string &Field(int id) const;
    void SetField(int id, const std::string &text);
    // The entries of the two plane lists, and their selections.
    static const std::vector<std::string> &PlaneNames();
    int PlaneSelection(int id) const;

    // The COUPLE (1049) or FORME (1030) edit gains the focus: a file dialog, then the outline is
    // read and previewed. False when cancelled or the file cannot be read (the outline it had
    // stays).
    bool ChooseFile(int id);
    // A plane list's selection changes: the outline is read again, its plane set, the preview
    // rebuilt.
    void SelectPlane(int id, int index);
    // A plane list gains the focus: the outline's plane becomes the list's selection.
    void FocusPlane(int id);
    // "Make Loft": only with both outlines.
    bool MakeLoft();
    // Presses a button; true when the editor closes on it (OK, Cancel).
    bool Press(int id);
    // Frees both outlines and the three previews; the scene is left empty.
    void Close();
    bool Open() const { return m_open; }

    // The outlines read (nullptr until a file was read).
    const L_2D_Drawing *Couple() const { return m_couple.get(); }
    const L_2D_Drawing *Forme() const { return m_forme.get(); }

private:
    struct Side {
        int edit, plane, slot;
        const char *title;
    };
    static const Side &SideOf(int id);
    std::unique_ptr<L_2D_Drawing> &Drawing(const Side &side);
    // Reads the outline of one side from its path; false (the outline unchanged) when it cannot.
    bool Read(const Side &side);
    void Preview(const Side &side);

    Ui &m_ui;
    Hooks m_hooks;
    bool m_open = true;
    std::map<int, std::string> m_fields;
    std::map<int, int> m_planes;
    std::map<int, std::filesystem::path> m_paths;
    std::unique_ptr<L_2D_Drawing> m_couple, m_forme;
};

} // namespace ventrel
