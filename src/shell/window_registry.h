// SPDX-License-Identifier: MIT
// Every window of the program, one row each: what it is called, how it looks,
// how it is made, which menu bar it carries and whether it is a calculation
// page. The window set, the menus, the randomized user, the benchmarks and
// the screenshot tool all read this table, so a new page is its own folder
// plus one row here (with the include of its header); the other windows'
// Engineering menus list it under the row's menuCaption.
//
// A row's position is its WindowId: the windows the code names have an
// enumerator, a further page needs none.
#pragma once

#include "about_window.h"
#include "help_window.h"
#include "main_window.h"
#include "pages/ac/ac_page.h"
#include "pages/element/element_page.h"
#include "pages/three_phase/three_phase_pages.h"
#include "pages/transient/transient_page.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vora::widgets {
class MessageBoxes;
}

namespace vora::shell {

enum class WindowId {
    frmmain,
    frmDC,
    frmDCC,
    frmDCL,
    FrmAC,
    frmThreeLtop,
    FrmThreePtoL,
    frmHelp,
    frmAB,
    frmTransient,
};

class Navigation;
struct WindowMenus;
extern const WindowMenus kMainMenus, kResistorMenus, kCapacitorMenus, kInductorMenus, kAcMenus,
    kLineToPhaseMenus, kPhaseToLineMenus, kAddedPageMenus;

struct WindowEntry {
    WindowId id;
    const char* name;  // objectName, also the X11 window role
    const char* title; // window title
    QRgb colour;       // page background
    // Makes the window; `windows` is null only when a calculation page is made
    // on its own (the benchmarks).
    QMainWindow* (*create)(Navigation* windows, widgets::MessageBoxes& messages);
    // The menu bar of a window of the page set; help and about have none.
    const WindowMenus* menus = nullptr;
    bool calculationPage = false;
    // What a saved working is called (a calculation page only).
    const char* pageName = "";
    // Where the other windows' Engineering menus have no row of their own
    // for this page, they add one with this caption at their end.
    const char* menuCaption = "";
    // That item's objectName; without one, "mnu" and the window's name.
    const char* menuName = "";
};

// A calculation page needs only the message facade.
template <class Page> QMainWindow* MakePage(Navigation*, widgets::MessageBoxes& messages) {
    return new Page(messages);
}

struct WindowEntry;
// Makes the row's window and gives it the row's name, title and colour.
// `windows` is null only for a calculation page made on its own.
QMainWindow* MakeWindow(const WindowEntry& row, Navigation* windows,
                        widgets::MessageBoxes& messages);

inline constexpr auto kWindows = std::to_array<WindowEntry>({
    {.id = WindowId::frmmain,
     .name = "frmmain",
     .title = "VORA",
     .colour = qRgb(0, 255, 0),
     .create = [](Navigation*, widgets::MessageBoxes&) -> QMainWindow* { return new MainWindow; },
     .menus = &kMainMenus},
    {.id = WindowId::frmDC,
     .name = "frmDC",
     .title = "VORA",
     .colour = qRgb(255, 255, 0),
     .create = &MakePage<pages::frmDC>,
     .menus = &kResistorMenus,
     .calculationPage = true,
     .pageName = "DC Circuit Analysis"},
    {.id = WindowId::frmDCC,
     .name = "frmDCC",
     .title = "VORA",
     .colour = qRgb(0, 0, 255),
     .create = &MakePage<pages::frmDCC>,
     .menus = &kCapacitorMenus,
     .calculationPage = true,
     .pageName = "Capacitor And Dielectrics"},
    {.id = WindowId::frmDCL,
     .name = "frmDCL",
     .title = "VORA",
     .colour = qRgb(0, 255, 255),
     .create = &MakePage<pages::frmDCL>,
     .menus = &kInductorMenus,
     .calculationPage = true,
     .pageName = "Electromagnetic Induction"},
    {.id = WindowId::FrmAC,
     .name = "FrmAC",
     .title = "VORA",
     .colour = qRgb(128, 255, 128),
     .create = &MakePage<pages::FrmAC>,
     .menus = &kAcMenus,
     .calculationPage = true,
     .pageName = "Single Phase AC Circuit"},
    {.id = WindowId::frmThreeLtop,
     .name = "frmThreeLtop",
     .title = "VORA",
     .colour = qRgb(0, 255, 255),
     .create = &MakePage<pages::frmThreeLtop>,
     .menus = &kLineToPhaseMenus,
     .calculationPage = true,
     .pageName = "Line To Phase"},
    {.id = WindowId::FrmThreePtoL,
     .name = "FrmThreePtoL",
     .title = "VORA",
     .colour = qRgb(255, 192, 128),
     .create = &MakePage<pages::FrmThreePtoL>,
     .menus = &kPhaseToLineMenus,
     .calculationPage = true,
     .pageName = "Phase To Line"},
    {.id = WindowId::frmHelp,
     .name = "frmHelp",
     .title = "How To Intaracting With \"VORA\" Soft",
     .colour = qRgb(192, 255, 192),
     .create = [](Navigation* w, widgets::MessageBoxes&) -> QMainWindow* {
         return new HelpWindow(*w);
     }},
    {.id = WindowId::frmAB,
     .name = "frmAB",
     .title = "About VORA Soft",
     .colour = qRgb(255, 128, 255),
     .create = [](Navigation* w, widgets::MessageBoxes&) -> QMainWindow* {
         return new AboutWindow(*w);
     }},
    {.id = WindowId::frmTransient,
     .name = "frmTransient",
     .title = "VORA",
     .colour = qRgb(216, 191, 255),
     .create = &MakePage<pages::frmTransient>,
     .menus = &kAddedPageMenus,
     .calculationPage = true,
     .pageName = "RC And RL Transients",
     .menuCaption = "RC And RL Transients",
     .menuName = "mnuTransient"},
});

constexpr std::size_t kWindowCount = kWindows.size();

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kWindows.size(); ++i)
        if (static_cast<std::size_t>(kWindows[i].id) != i) return false;
    return true;
}
static_assert(RowsInOrder(), "a row's position is its WindowId");

constexpr const WindowEntry& Entry(WindowId id) {
    return kWindows[static_cast<std::size_t>(id)];
}

// Every window's id, in the registry's order.
inline constexpr auto kWindowIds = [] {
    std::array<WindowId, kWindowCount> ids{};
    for (std::size_t i = 0; i < kWindowCount; ++i)
        ids[i] = kWindows[i].id;
    return ids;
}();

// The windows with a menu bar: what navigation shows and hides.
constexpr bool InPageSet(WindowId id) {
    return Entry(id).menus != nullptr;
}

// Built at start-up rather than at compile time: the sanitizer builds do not
// take the menu tables' addresses as constants.
inline const std::vector<WindowId> kPageSet = [] {
    std::vector<WindowId> set;
    for (const WindowEntry& e : kWindows)
        if (e.menus) set.push_back(e.id);
    return set;
}();

// The row of the window with this objectName, or nullptr.
constexpr const WindowEntry* FindWindow(std::string_view name) {
    for (const WindowEntry& e : kWindows)
        if (name == e.name) return &e;
    return nullptr;
}

} // namespace vora::shell
