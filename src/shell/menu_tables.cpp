// SPDX-License-Identifier: MIT
// Each window's menu. The pages share one menu, written out once below; each
// window then differs from it in a few captions, names and disabled items,
// listed beside it and kept exactly as they are.
#include "navigation_menus.h"

namespace vora::shell {

namespace {

using C = Command;
using W = WindowId;

// The menu of the resistor, capacitor and inductor pages (apart from the
// About item's name), which the other windows vary.
WindowMenus PageMenus(const char* aboutName) {
    return {
        .file = {.name = "mnuFile", .caption = "&File"},
        .home = {.name = "mnumain",
                 .caption = "&Home",
                 .shortcut = "Ctrl+H",
                 .command = C::ShowPage,
                 .target = W::frmmain},
        .exit = {.name = "mnuExit",
                 .caption = "&Exit",
                 .shortcut = "Ctrl+X",
                 .command = C::ReturnHome},
        .engineering = {.name = "mnuElectrical", .caption = "&Engineering"},
        .dc = {.name = "mnuDC",
               .caption = "&DC Circuit Analysis",
               .command = C::ShowPage,
               .target = W::frmDC,
               .disabled = true},
        .cd = {.name = "mnuCD",
               .caption = "&Capacitor And Dielectrics",
               .command = C::ShowPage,
               .target = W::frmDCC},
        .ei = {.name = "mnuEI",
               .caption = "&Electromagnetic Induction",
               .command = C::ShowPage,
               .target = W::frmDCL},
        .ac = {.name = "mnuAC", .caption = "&AC Circuit Analysis "},
        .single = {.name = "mnusingle",
                   .caption = "&Single Phase AC Circuit Analysis",
                   .command = C::ShowPage,
                   .target = W::FrmAC},
        .poly = {.name = "mnuthree", .caption = "&Poly Phase AC Circuit Analysis"},
        .lineToPhase = {.name = "mnuLinetophase",
                        .caption = "&Line To Phase NetWorks",
                        .command = C::ShowPage,
                        .target = W::frmThreeLtop},
        .phaseToLine = {.name = "mnuphasetoline",
                        .caption = "&Phase To Line NetWorks",
                        .command = C::ShowPage,
                        .target = W::FrmThreePtoL},
        .help = {.name = "mnuHelp", .caption = "&Help"},
        .content = {.name = "mnuabout",
                    .caption = "&Content ",
                    .shortcut = "F1",
                    .command = C::ShowOnly,
                    .target = W::frmHelp},
        .about = {.name = aboutName,
                  .caption = "&About VORA",
                  .shortcut = "Ctrl+B",
                  .command = C::ShowOnly,
                  .target = W::frmAB},
    };
}

// The main window shows a page without hiding itself, and has no Home.
WindowMenus MainMenus() {
    WindowMenus m = PageMenus("mnuVORA");
    m.file.caption = "File";
    m.home = {.name = "nmumain",
              .caption = "&Home",
              .shortcut = "Ctrl+H",
              .command = C::None,
              .target = W::frmmain,
              .disabled = true};
    m.exit = {.name = "mnuExit", .caption = "Exit", .shortcut = "Ctrl+X", .command = C::Exit};
    m.engineering.name = "mnuEl";
    for (MenuItem* page : {&m.dc, &m.cd, &m.ei, &m.single, &m.lineToPhase, &m.phaseToLine}) {
        page->command = C::ShowOnly;
        page->disabled = false;
    }
    m.ac.caption = "&AC Circuit Analysis";
    m.single.caption = "&Single  Phase AC Circuit";
    m.poly.caption = "&Poly Phase AC Circuit";
    m.help.caption = "Help";
    m.acShowsOnOpen = true;
    return m;
}

WindowMenus AcMenus() {
    WindowMenus m = PageMenus("mnuVORA");
    m.file.caption = "File";
    m.dc.command = C::DcFromAc;
    m.dc.disabled = false;
    m.ac.caption = "&AC Circuit Anaysis";
    m.single.disabled = true;
    m.poly.caption = "Poly Phase AC Circuit Analysis";
    return m;
}

WindowMenus LineToPhaseMenus() {
    WindowMenus m = PageMenus("mnuas");
    m.exit.caption = "Exit";
    m.dc.caption = "&DC CIrcuit Analysis";
    m.dc.disabled = false;
    m.ac.caption = "&AC Circuit Analysis";
    m.single.name = "mnusinglephase";
    m.lineToPhase.disabled = true;
    m.phaseToLine.caption = "phase To Line NetWorks";
    m.about.caption = "About VORA";
    return m;
}

WindowMenus PhaseToLineMenus() {
    WindowMenus m = PageMenus("mnuasc");
    m.home.name = "mnumainmenu";
    m.engineering.name = "mnuElectirca";
    m.dc.disabled = false;
    m.ac.caption = "&AC Circuit Analysis";
    m.single.name = "mnusinglephase";
    m.poly.name = "mnuthreephase";
    m.lineToPhase.name = "mnulinephase";
    m.phaseToLine.command = C::None;
    m.phaseToLine.disabled = true;
    m.help.caption = "Help";
    m.content.caption = " &Content ";
    m.about.caption = "About VORA";
    return m;
}

// A page added to the set takes the shared menu as it is, every item of
// which leads to another page; the item that names the page itself is
// disabled when the menus are built.
WindowMenus AddedPageMenus() {
    WindowMenus m = PageMenus("mnuVORA");
    m.dc.disabled = false;
    return m;
}

} // namespace

const WindowMenus kMainMenus = MainMenus();
const WindowMenus kResistorMenus = PageMenus("mnuVORA");
const WindowMenus kCapacitorMenus = PageMenus("mnuVORA");
const WindowMenus kInductorMenus = PageMenus("mnub");
const WindowMenus kAcMenus = AcMenus();
const WindowMenus kLineToPhaseMenus = LineToPhaseMenus();
const WindowMenus kPhaseToLineMenus = PhaseToLineMenus();
const WindowMenus kAddedPageMenus = AddedPageMenus();

const WindowMenus& MenusOf(WindowId id) {
    return *Entry(id).menus;
}

} // namespace vora::shell
