// SPDX-License-Identifier: MIT
// The menu bar that every window of the page set carries.
#pragma once

#include "navigation.h"
#include "window_registry.h"

class QMainWindow;

namespace vora::shell {

// What choosing a menu item does.
enum class Command {
    None,       // opens a submenu, or a disabled item
    ShowPage,   // target visible, the rest of the page set hidden
    ShowOnly,   // target visible, nothing hidden
    ReturnHome, // this window hidden, the main window shown
    Exit,       // the main window's Exit: the program ends
    DcFromAc,   // the AC page's "&DC Circuit Analysis": shows frmDC, hides four
};

struct MenuItem {
    const char* name;    // objectName of the action, or of the QMenu of a submenu
    const char* caption; // with its access key and blanks exactly as shown
    const char* shortcut = "";
    Command command = Command::None;
    WindowId target = WindowId::frmmain;
    bool disabled = false;
};

// The rows of one window's menu table, in the order of the menu tree.
struct WindowMenus {
    MenuItem file, home, exit;
    MenuItem engineering, dc, cd, ei, ac, single, poly, lineToPhase, phaseToLine;
    MenuItem help, content, about;
    bool acShowsOnOpen = false; // the main window's "&AC Circuit Analysis" shows FrmAC
};

// The menu table of a window of the page set, from its row.
const WindowMenus& MenusOf(WindowId id);

// Adds File and Engineering before the window's own menus (the Reset menu of
// four pages) and Help after them; their items ask `windows` for the moves.
void InstallNavigationMenus(QMainWindow& window, WindowId id, Navigation& windows);

} // namespace vora::shell
