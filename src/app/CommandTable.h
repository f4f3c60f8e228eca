// The command table: every menu item and toolbar button of the main view, as data.
#pragma once

#include "CommandIds.h"

#include <functional>
#include <string>
#include <vector>

namespace ventrel {

class CVentrelView;

struct Command {
    int id = 0;
    // The text as the menu shows it, with '&' before the mnemonic and "\t" before the accelerator;
    // empty for a toolbar button without a menu entry.
    const char *menuText = "";
    // What a toolbar button without menu text says in its tooltip.
    const char *tip = "";
    // On a toolbar: the name of its picture (a drawing the front end has under that name), and
    // the short text a style may show beside or instead of it.
    const char *picture = "";
    const char *buttonText = "";
    // Run by the command; a command without one is disabled (greyed out).
    std::function<void(CVentrelView &)> handler;
    // Whether the item is enabled beyond having a handler, and whether it shows a check mark.
    std::function<bool(const CVentrelView &)> enabled;
    std::function<bool(const CVentrelView &)> checked;

    bool Checkable() const { return static_cast<bool>(checked); }
};

// One menu of the menu bar: its title and its item ids in order, 0 for a separator. The recent
// files of the File menu stand where kRecentFiles is.
struct Menu {
    const char *title;
    std::vector<int> items;
};

inline constexpr int kSeparator = 0;
inline constexpr int kRecentFiles = -1;
inline constexpr int kMainToolbar = 128;
inline constexpr int kSecondToolbar = 148;

// Every command, in the order of the table.
const std::vector<Command> &Commands();
const Command *FindCommand(int id);
const std::vector<Menu> &Menus();
// The buttons of toolbar 128 or 148, in order, 0 for a separator.
const std::vector<int> &ToolbarButtons(int toolbar);

bool IsEnabled(const CVentrelView &view, int id);
bool IsChecked(const CVentrelView &view, int id);
// Runs an enabled command; false (nothing done) for an unknown or disabled one.
bool RunCommand(CVentrelView &view, int id);

// The menu text without its '&' and accelerator ("&Save Organ\tCtrl+S" gives "Save Organ").
std::string PlainText(const char *menuText);
// The accelerator after the tab ("Ctrl+S"), or "".
std::string Accelerator(const char *menuText);

} // namespace ventrel
