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

// The command as a toolbar shows it: its picture, and the short text a style may show.
Command OnToolbar(Command command, const char *picture, const char *buttonText = "") {
    command.picture = picture;
    command.buttonText = buttonText;
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
        OnToolbar(Item(kNew, "&New\tCtrl+N", [](View &v) { v.Reset(); }), "new"),
        OnToolbar(Item(kOpenChest, "&Open Chest\tCtrl+O", [](View &v) { v.OpenChest(); }), "open"),
        Item(kAddChest, "Add Chest", [](View &v) { v.AddChest(); }),
        Item(kSaveAllChests, "Save all Chests", [](View &v) { v.SaveAllChests(); }),
        Item(kOpenOrgan, "&Open Organ", [](View &v) { v.OpenOrgan(); }),
        OnToolbar(Item(kSaveOrgan, "&Save Organ\tCtrl+S", [](View &v) { v.SaveOrgan(); }), "save"),
        Item(kSaveOrganAs, "Save Organ as...", [](View &v) { v.SaveOrganAs(); }),
        Item(kExportDxf, "&Export DXF\tCTRL+D", [](View &v) { v.ExportDxf(); }),
        Item(
            kExportDxfForCam, "Export DXF for CAM", [](View &v) { v.ToggleExportForCam(); },
            [](const View &v) { return v.m_exportForCam; }),
        Item(kExportWorkshopReport, "Export Workshop Report...",
             [](View &v) { v.ExportWorkshopReport(); }),
        Item(kOpenPipe, "Open Pipe", [](View &v) { v.OpenPipe(); }),
        Item(kOpenCircles, "Open X Y R Circles", [](View &v) { v.OpenCircles(); }),
        Item(kImportScenery, "Import Scenery...", [](View &v) { v.ImportScenery(); }),
        Item(kExport3D, "Export 3D...", [](View &v) { v.Export3D(); }),
        OnToolbar(Item(kPrint, "&Print...\tCtrl+P", [](View &v) { v.Host().Print(); }), "print"),
        Item(kPrintingScale, "Printing scale", [](View &v) { v.PrintingScaleDialog(); }),
        Item(kPrintPreview, "Print Preview", [](View &v) { v.Host().PrintPreview(); }),
        Item(kPrintSetup, "Printing Setup", Nothing),
        Item(kQuit, "&Quit", [](View &v) { v.QuitSaving(); }),
        Item(kExitWithoutSave, "Exit without save", [](View &v) { v.QuitWithoutSaving(); }),
        Disabled(kCancel, "&Cancel\tCtrl+Z"),
        Item(kUndo, "Undo", Nothing),
        Item(kEditPipePositions, "Edit Pipe positions", [](View &v) { v.EditPipePositions(); }),
        Item(kEditChestPosition, "Edit Chest Position", [](View &v) { v.ShowChestPositions(); }),
        OnToolbar(Disabled(kCut, "&Cut\tCtrl+X"), "cut", "Cut"),
        OnToolbar(Disabled(kCopy, "&Copy\tCtrl+C"), "copy", "Copy"),
        OnToolbar(Disabled(kPaste, "Paste\tCtrl+V"), "paste", "Paste"),
        Item(kFontArial, "Arial", Font(0)),
        Item(kFontMsSansSerif, "Ms Sans Serif", Font(1)),
        Item(kFontTimes, "Times", Font(2)),
        Item(kFontWingdings, "Wingdings", [](View &v) { v.m_fontIndex = 3; }),
        Item(kFontSize12, "12", [](View &v) { v.m_fontSize = 12; }),
        Disabled(kFontSize14, "14"),
        Disabled(kFontSize18, "18"),
        Item(
            kRegisterWindchest, "Register Windchest",
            [](View &v) {
                if (CWindchest *first = v.FirstChest()) {
                    first->m_show_registers = !first->m_show_registers;
                    v.Repaint();
                }
            },
            [](const View &v) { return v.g_chests && (*v.g_chests)[0].m_show_registers; }),
        Item(
            kToolbar, "&Toolbar", [](View &v) { v.Host().ToggleBar(kToolbar); },
            [](const View &v) { return v.Host().BarVisible(kToolbar); }),
        Item(
            kStatusBar, "Status Bar", [](View &v) { v.Host().ToggleBar(kStatusBar); },
            [](const View &v) { return v.Host().BarVisible(kStatusBar); }),
        Item(
            kDisplay3D, "Display 3D", [](View &v) { v.ToggleDisplay3D(); },
            [](const View &v) { return v.g_scene && v.g_scene->m_display3D; }),
        Item(kDisplayChests, "Display chests", [](View &v) { v.ShowChestPositions(); }),
        Item(kVectorMode, "Vector Mode",
             [](View &v) {
                 if (v.g_scene) {
                     v.g_scene->ToggleVectorMode();
                     v.Repaint();
                 }
             }),
        Item(kRotateOrgan, "Rotate Organ", [](View &v) { v.ToggleSpin(); }),
        Item(kResetView3D, "Reset View 3D",
             [](View &v) {
                 if (!v.g_scene)
                     return;
                 v.g_scene->ResetCamera();
                 v.g_scene->m_translateStep = 10.0f;
                 v.Repaint();
             }),
        OnToolbar(Item(kFitOrgan, "Fit Organ\tHome", [](View &v) { v.FitOrgan(); }), "fit-organ",
                  "Fit"),
        Item(kDisplayInfos, "Display Infos", [](View &v) { v.DisplayInfos(); }),
        Item(kDisplayMagnetSizes, "Display Magnet sizes", Nothing,
             [](const View &v) { return v.m_showMagnetSizes; }),
        Item(kToggleRotationAxis, "Toogle Rotation Axis ",
             [](View &v) {
                 if (v.g_scene)
                     v.g_scene->ToggleTurnAxis();
             }),
        Item(kMasqDimensions, "Masq dimensions",
             [](View &v) {
                 v.m_drawing.g_hideDimensions = !v.m_drawing.g_hideDimensions;
                 v.Repaint();
             }),
        Item(
            kMasqMagnets, "Masq Magnets",
            [](View &v) {
                if (CWindchest *first = v.FirstChest()) {
                    first->m_show_magnets = !first->m_show_magnets;
                    v.Repaint();
                }
            },
            [](const View &v) { return v.g_chests && !(*v.g_chests)[0].m_show_magnets; }),
        Item(kTexture, "Texture", [](View &v) { v.ChooseTexture(); }),
        Item(kColor, "Color", [](View &v) { v.ChooseColour(); }),
        Item(
            kGrid, "Grid",
            [](View &v) {
                v.m_showGrid = !v.m_showGrid;
                v.Repaint();
            },
            [](const View &v) { return v.m_showGrid; }),
        Item(kLineWidth, "Line Width", [](View &v) { v.LineWidthDialog(); }),
        Item(kAxes, "Axes", [](View &v) { v.AddAxes(); }),
        Item(kViewFront, "Front", Standard(StandardView::Front)),
        Item(kViewLeft, "Left", Standard(StandardView::Left)),
        Item(kViewRight, "Right", Standard(StandardView::Right)),
        Item(kViewTop, "Top", Standard(StandardView::Top)),
        Disabled(kViewBottom, "Bottom"),
        Item(kStop, "STOP", [](View &v) { v.OpenStop(); }),
        Item(kKeyboard, "Keyboard", [](View &v) { v.CreateKeyboard(); }),
        Item(kPolyline, "Polyline", [](View &v) { v.OpenPolylineDialog(); }),
        Item(kLoft, "Loft", [](View &v) { v.OpenLoftEditor(); }),
        Item(kCreateBackground, "Create Background", [](View &v) { v.CreateBackground(); }),
        Item(kTower, "TOWER", [](View &v) { v.CreateTower(); }),
        Item(kBar, "Bar", [](View &v) { v.CreateBar(); }),
        Item(kLineHorizontal, "Line Horizontal", Nothing),
        Disabled(kLineVertical, "Line Vertical"),
        Disabled(kArc, "Arc"),
        Item(kExtrude, "Extrude", [](View &v) { v.Extrude(); }),
        Item(kTurret, "TURRET", [](View &v) { v.CreateTurret(); }),
        Item(kCreatePedalboard, "Create Pedalboard", [](View &v) { v.CreatePedalboard(); }),
        Item(kStopFromScale, "Stop from Scale...", [](View &v) { v.StopFromScale(); }),
        Item(kScaleChart, "Scale Chart", [](View &v) { v.ShowScaleChart(); }),
        Item(kCheckChest, "Check Chest", [](View &v) { v.CheckChest(); }),
        Item(kWritePedalboardDxf, "Write PEDALBOARD DXF", [](View &v) { v.WritePedalboardDxf(); }),
        Item(kUserGuide, "User Guide\tF1", [](View &v) { v.Host().ShowGuide(); }),
        OnToolbar(Item(kAbout, "&About Ventrel...", [](View &v) { v.Host().ShowAbout(); }),
                  "about"),
        OnToolbar(Button(kRotationStepDown, "Rotation step - (x 0.8)", ScaleStep(true, 0.8f)),
                  "rotation-step-down", "R-"),
        OnToolbar(Button(kRotationStepUp, "Rotation step + (x 1.2)", ScaleStep(true, 1.2f)),
                  "rotation-step-up", "R+"),
        OnToolbar(
            Button(kTranslationStepDown, "Translation step - (x 0.8)", ScaleStep(false, 0.8f)),
            "translation-step-down", "T-"),
        OnToolbar(Button(kTranslationStepUp, "Translation step + (x 1.2)", ScaleStep(false, 1.2f)),
                  "translation-step-up", "T+"),
        OnToolbar(Disabled(kNoAction, "", "(no action)"), "no-action", "-"),
        OnToolbar(Button(
                      kPickObjects, "Pick objects in 3D (right click)",
                      [](View &v) { v.TogglePicking(); },
                      [](const View &v) { return v.g_scene && v.g_scene->m_pickEnabled == 1; }),
                  "pick", "Pick"),
        // Toolbar 148: buttons no command of the view handles.
        OnToolbar(Disabled(kSecondBar1, "", "(no action)"), "preset-1", "1"),
        OnToolbar(Disabled(kSecondBar2, "", "(no action)"), "preset-2", "2"),
        OnToolbar(Disabled(kSecondBar3, "", "(no action)"), "preset-3", "3"),
        OnToolbar(Disabled(kSecondBar4, "", "(no action)"), "preset-4", "4"),
        OnToolbar(Disabled(kSecondBar5, "", "(no action)"), "preset-5", "5"),
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
        {"&File", {kNew,          kOpenChest,   kAddChest,        kSaveAllChests,
                   kSeparator,    kOpenOrgan,   kSaveOrgan,       kSaveOrganAs,
                   kSeparator,    kExportDxf,   kExportDxfForCam, kExportWorkshopReport,
                   kOpenPipe,     kOpenCircles, kImportScenery,   kExport3D,
                   kStop,         kSeparator,   kPrint,           kPrintingScale,
                   kPrintPreview, kPrintSetup,  kSeparator,       kRecentFiles,
                   kSeparator,    kQuit,        kExitWithoutSave}},
        {"&Edit",
         {kCancel, kUndo, kSeparator, kCut, kCopy, kPaste, kSeparator, kEditPipePositions,
          kEditChestPosition}},
        {"F&onts",
         {kFontArial, kFontMsSansSerif, kFontTimes, kFontWingdings, kSeparator, kFontSize12,
          kFontSize14, kFontSize18}},
        {"&View",
         {kToolbar, kStatusBar, kSeparator, kDisplay3D, kDisplayChests, kVectorMode, kRotateOrgan,
          kResetView3D, kFitOrgan, kToggleRotationAxis, kSeparator, kViewFront, kViewLeft,
          kViewRight, kViewTop, kViewBottom, kSeparator, kAxes}},
        {"&Chest",
         {kDisplayInfos, kDisplayMagnetSizes, kMasqDimensions, kMasqMagnets, kRegisterWindchest,
          kSeparator, kTexture, kColor, kGrid, kLineWidth, kScaleChart, kCheckChest}},
        {"C&reate",
         {kKeyboard, kPolyline, kLoft, kCreateBackground, kTower, kBar, kSeparator, kLineHorizontal,
          kLineVertical, kArc, kSeparator, kExtrude, kTurret, kSeparator, kCreatePedalboard,
          kWritePedalboardDxf, kSeparator, kStopFromScale}},
        {"&Help", {kUserGuide, kSeparator, kAbout}},
    };
    return menus;
}

const std::vector<int> &ToolbarButtons(int toolbar) {
    static const std::vector<int> main = {kNew,
                                          kOpenChest,
                                          kSaveOrgan,
                                          kSeparator,
                                          kCut,
                                          kCopy,
                                          kPaste,
                                          kSeparator,
                                          kPrint,
                                          kAbout,
                                          kRotationStepDown,
                                          kSeparator,
                                          kRotationStepUp,
                                          kSeparator,
                                          kTranslationStepDown,
                                          kTranslationStepUp,
                                          kNoAction,
                                          kPickObjects,
                                          kSeparator,
                                          kFitOrgan};
    static const std::vector<int> second = {kSecondBar1, kSecondBar2, kSecondBar3, kSecondBar4,
                                            kSecondBar5};
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
