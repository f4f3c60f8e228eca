// The command table: every menu item and toolbar button of the main view, as data.
#include "CommandTable.h"

#include "VentrelView.h"
#include "ViewHost.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace ventrel {
namespace {

using View = CVentrelView;
using Handler = std::function<void(View &)>;
using Predicate = std::function<bool(const View &)>;

Command Item(int id, const char *text, Handler handler, Predicate checked = {},
             Predicate enabled = {}) {
    Command command;
    command.id = id;
    command.menuText = text;
    command.handler = std::move(handler);
    command.checked = std::move(checked);
    command.enabled = std::move(enabled);
    return command;
}

// A greyed-out item: no handler.
Command Disabled(int id, const char *text, const char *tip = "") {
    Command command;
    command.id = id;
    command.menuText = text;
    command.tip = tip;
    return command;
}

Command Button(int id, const char *tip, Handler handler, Predicate checked = {}) {
    Command command = Item(id, "", std::move(handler), std::move(checked));
    command.tip = tip;
    return command;
}

void Nothing(View &) {}

Handler Font(int index) {
    return [index](View &view) {
        view.m_fontIndex = index;
        view.m_drawing.m_fontIndex = index;
        view.Repaint();
    };
}

Handler Standard(StandardView standard) {
    return [standard](View &view) {
        if (!view.g_scene)
            return;
        view.g_scene->SetView(standard);
        view.Repaint();
    };
}

Handler ScaleStep(bool rotate, float factor) {
    return [rotate, factor](View &view) {
        if (!view.g_scene)
            return;
        (rotate ? view.g_scene->m_rotateStep : view.g_scene->m_translateStep) *= factor;
    };
}

std::vector<Command> BuildTable() {
    std::vector<Command> table = {
        Item(57600, "&New\tCtrl+N", [](View &v) { v.Reset(); }),
        Item(57601, "&Open Chest\tCtrl+O", [](View &v) { v.OpenChest(); }),
        Item(32806, "Add Chest", [](View &v) { v.AddChest(); }),
        Item(32849, "Save all Chests", [](View &v) { v.SaveAllChests(); }),
        Item(32795, "&Open Organ", [](View &v) { v.OpenOrgan(); }),
        Item(57603, "&Save Organ\tCtrl+S", [](View &v) { v.SaveOrgan(); }),
        Item(57604, "Save Organ as...", [](View &v) { v.SaveOrganAs(); }),
        Item(32790, "&Export DXF\tCTRL+D", [](View &v) { v.ExportDxf(); }),
        Item(32837, "Open Pipe", [](View &v) { v.OpenPipe(); }),
        Item(32842, "Open X Y R Circles", [](View &v) { v.OpenCircles(); }),
        Item(32901, "Import Scenery...", [](View &v) { v.ImportScenery(); }),
        Item(57607, "&Print...\tCtrl+P", [](View &v) { v.Host().Print(); }),
        Item(32771, "Printing scale", [](View &v) { v.PrintingScaleDialog(); }),
        Item(57609, "Print Preview", [](View &v) { v.Host().PrintPreview(); }),
        Item(57606, "Printing Setup", Nothing),
        Item(57665, "&Quit", [](View &v) { v.QuitSaving(); }),
        Item(32831, "Exit without save", [](View &v) { v.QuitWithoutSaving(); }),
        Disabled(32822, "&Cancel\tCtrl+Z"),
        Item(57643, "Undo", Nothing),
        Item(32830, "Edit Pipe positions", [](View &v) { v.EditPipePositions(); }),
        Item(32844, "Edit Chest Position", [](View &v) { v.ShowChestPositions(); }),
        Disabled(57635, "&Cut\tCtrl+X"),
        Disabled(57634, "&Copy\tCtrl+C"),
        Disabled(57637, "Paste\tCtrl+V"),
        Item(32780, "Arial", Font(0)),
        Item(32774, "Ms Sans Serif", Font(1)),
        Item(32773, "Times", Font(2)),
        Item(32779, "Wingdings", [](View &v) { v.m_fontIndex = 3; }),
        Item(32776, "12", [](View &v) { v.m_fontSize = 12; }),
        Disabled(32777, "14"),
        Disabled(32778, "18"),
        Item(
            32834, "Register Windchest",
            [](View &v) {
                if (CWindchest *first = v.FirstChest()) {
                    first->m_show_registers = !first->m_show_registers;
                    v.Repaint();
                }
            },
            [](const View &v) { return v.g_chests && (*v.g_chests)[0].m_show_registers; }),
        Item(
            59392, "&Toolbar", [](View &v) { v.Host().ToggleBar(59392); },
            [](const View &v) { return v.Host().BarVisible(59392); }),
        Item(
            59393, "Status Bar", [](View &v) { v.Host().ToggleBar(59393); },
            [](const View &v) { return v.Host().BarVisible(59393); }),
        Item(
            32784, "Display 3D", [](View &v) { v.ToggleDisplay3D(); },
            [](const View &v) { return v.g_scene && v.g_scene->m_display3D; }),
        Item(32807, "Display chests", [](View &v) { v.ShowChestPositions(); }),
        Item(32793, "Vector Mode",
             [](View &v) {
                 if (v.g_scene) {
                     v.g_scene->ToggleVectorMode();
                     v.Repaint();
                 }
             }),
        Item(32833, "Rotate Organ", [](View &v) { v.ToggleSpin(); }),
        Item(32785, "Reset View 3D",
             [](View &v) {
                 if (!v.g_scene)
                     return;
                 v.g_scene->ResetCamera();
                 v.g_scene->m_translateStep = 10.0f;
                 v.Repaint();
             }),
        Item(32786, "Display Infos", [](View &v) { v.DisplayInfos(); }),
        Item(32789, "Display Magnet sizes", Nothing,
             [](const View &v) { return v.m_showMagnetSizes; }),
        Item(32788, "Toogle Rotation Axis ",
             [](View &v) {
                 if (v.g_scene)
                     v.g_scene->ToggleTurnAxis();
             }),
        Item(32792, "Masq dimensions",
             [](View &v) {
                 v.m_drawing.g_hideDimensions = !v.m_drawing.g_hideDimensions;
                 v.Repaint();
             }),
        Item(
            32836, "Masq Magnets",
            [](View &v) {
                if (CWindchest *first = v.FirstChest()) {
                    first->m_show_magnets = !first->m_show_magnets;
                    v.Repaint();
                }
            },
            [](const View &v) { return v.g_chests && !(*v.g_chests)[0].m_show_magnets; }),
        Item(32794, "Texture", [](View &v) { v.ChooseTexture(); }),
        Item(32805, "Color", [](View &v) { v.ChooseColour(); }),
        Item(
            32796, "Grid",
            [](View &v) {
                v.m_showGrid = !v.m_showGrid;
                v.Repaint();
            },
            [](const View &v) { return v.m_showGrid; }),
        Item(32843, "Line Width", [](View &v) { v.LineWidthDialog(); }),
        Item(32809, "Axes", [](View &v) { v.AddAxes(); }),
        Item(32823, "Front", Standard(StandardView::Front)),
        Item(32824, "Left", Standard(StandardView::Left)),
        Item(32825, "Right", Standard(StandardView::Right)),
        Item(32826, "Top", Standard(StandardView::Top)),
        Disabled(32827, "Bottom"),
        Item(32840, "STOP", [](View &v) { v.OpenStop(); }),
        Item(32841, "Keyboard", [](View &v) { v.CreateKeyboard(); }),
        Item(32798, "Polyline", [](View &v) { v.OpenPolylineDialog(); }),
        Item(32829, "Loft", [](View &v) { v.OpenLoftEditor(); }),
        Item(32828, "Create Background", [](View &v) { v.CreateBackground(); }),
        Item(32808, "TOWER", [](View &v) { v.CreateTower(); }),
        Item(32797, "Bar", [](View &v) { v.CreateBar(); }),
        Item(32818, "Line Horizontal", Nothing),
        Disabled(32820, "Line Vertical"),
        Disabled(32819, "Arc"),
        Item(32847, "Extrude", [](View &v) { v.Extrude(); }),
        Item(32848, "TURRET", [](View &v) { v.CreateTurret(); }),
        Item(32845, "Create Pedalboard", [](View &v) { v.CreatePedalboard(); }),
        Item(32850, "Stop from Scale...", [](View &v) { v.StopFromScale(); }),
        Item(32851, "Scale Chart", [](View &v) { v.ShowScaleChart(); }),
        Item(32846, "Write PEDALBOARD DXF", [](View &v) { v.WritePedalboardDxf(); }),
        Item(57670, "User Guide\tF1", [](View &v) { v.Host().ShowGuide(); }),
        Item(57664, "&About Ventrel...", [](View &v) { v.Host().ShowAbout(); }),
        Button(32799, "Rotation step - (x 0.8)", ScaleStep(true, 0.8f)),
        Button(32800, "Rotation step + (x 1.2)", ScaleStep(true, 1.2f)),
        Button(32801, "Translation step - (x 0.8)", ScaleStep(false, 0.8f)),
        Button(32802, "Translation step + (x 1.2)", ScaleStep(false, 1.2f)),
        Disabled(32803, "", "(no action)"),
        Button(
            32804, "Pick objects in 3D (right click)", [](View &v) { v.TogglePicking(); },
            [](const View &v) { return v.g_scene && v.g_scene->m_pickEnabled == 1; }),
        // Toolbar 148: buttons no command of the view handles.
        Disabled(32812, "", "(no action)"),
        Disabled(32817, "", "(no action)"),
        Disabled(32813, "", "(no action)"),
        Disabled(32814, "", "(no action)"),
        Disabled(32816, "", "(no action)"),
    };
    return table;
}

} // namespace

const std::vector<Command> &Commands() {
    // Fixed data: the handlers act on the view they are given, never on state of their own.
    static const std::vector<Command> table = BuildTable();
    return table;
}

const Command *FindCommand(int id) {
    static const std::map<int, size_t> index = [] {
        std::map<int, size_t> ids;
        const auto &table = Commands();
        for (size_t i = 0; i < table.size(); ++i)
            ids[table[i].id] = i;
        return ids;
    }();
    const auto it = index.find(id);
    return it == index.end() ? nullptr : &Commands()[it->second];
}

const std::vector<Menu> &Menus() {
    static const std::vector<Menu> menus = {
        {"&File",
         {57600,      57601, 32806, 32849,      kSeparator,   32795,      57603,      57604,
          kSeparator, 32790, 32837, 32842,      32901,        32840,      kSeparator, 57607,
          32771,      57609, 57606, kSeparator, kRecentFiles, kSeparator, 57665,      32831}},
        {"&Edit", {32822, 57643, kSeparator, 57635, 57634, 57637, kSeparator, 32830, 32844}},
        {"F&onts", {32780, 32774, 32773, 32779, kSeparator, 32776, 32777, 32778}},
        {"&View",
         {59392, 59393, kSeparator, 32784, 32807, 32793, 32833, 32785, 32788, kSeparator, 32823,
          32824, 32825, 32826, 32827, kSeparator, 32809}},
        {"&Chest",
         {32786, 32789, 32792, 32836, 32834, kSeparator, 32794, 32805, 32796, 32843, 32851}},
        {"C&reate",
         {32841, 32798, 32829, 32828, 32808, 32797, kSeparator, 32818, 32820, 32819, kSeparator,
          32847, 32848, kSeparator, 32845, 32846, kSeparator, 32850}},
        {"&Help", {57670, kSeparator, 57664}},
    };
    return menus;
}

const std::vector<int> &ToolbarButtons(int toolbar) {
    static const std::vector<int> main = {57600, 57601,      57603, kSeparator, 57635, 57634,
                                          57637, kSeparator, 57607, 57664,      32799, kSeparator,
                                          32800, kSeparator, 32801, 32802,      32803, 32804};
    static const std::vector<int> second = {32812, 32817, 32813, 32814, 32816};
    static const std::vector<int> none;
    return toolbar == kMainToolbar ? main : toolbar == kSecondToolbar ? second : none;
}

bool IsEnabled(const CVentrelView &view, int id) {
    const Command *command = FindCommand(id);
    if (!command || !command->handler)
        return false;
    return !command->enabled || command->enabled(view);
}

bool IsChecked(const CVentrelView &view, int id) {
    const Command *command = FindCommand(id);
    return command && command->checked && command->checked(view);
}

bool RunCommand(CVentrelView &view, int id) {
    if (!IsEnabled(view, id))
        return false;
    FindCommand(id)->handler(view);
    return true;
}

std::string PlainText(const char *menuText) {
    std::string text;
    for (const char *p = menuText; *p && *p != '\t'; ++p)
        if (*p != '&')
            text += *p;
    return text;
}

std::string Accelerator(const char *menuText) {
    const char *tab = std::strchr(menuText, '\t');
    return tab ? std::string(tab + 1) : std::string();
}

} // namespace ventrel
