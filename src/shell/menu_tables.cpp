// SPDX-License-Identifier: MIT
// Each window's menu, row by row. Captions, names and disabled items differ
// slightly from window to window and are kept exactly as they are.
#include "navigation_menus.h"

namespace vora::shell {

namespace {

using C = Command;
using W = WindowId;

const WindowMenus kMain{
    {"mnuFile", "File"},
    {"nmumain", "&Home", "Ctrl+H", C::None, W::frmmain, true},
    {"mnuExit", "Exit", "Ctrl+X", C::Exit},
    {"mnuEl", "&Engineering"},
    {"mnuDC", "&DC Circuit Analysis", "", C::ShowOnly, W::frmDC},
    {"mnuCD", "&Capacitor And Dielectrics", "", C::ShowOnly, W::frmDCC},
    {"mnuEI", "&Electromagnetic Induction", "", C::ShowOnly, W::frmDCL},
    {"mnuAC", "&AC Circuit Analysis"},
    {"mnusingle", "&Single  Phase AC Circuit", "", C::ShowOnly, W::FrmAC},
    {"mnuthree", "&Poly Phase AC Circuit"},
    {"mnuLinetophase", "&Line To Phase NetWorks", "", C::ShowOnly, W::frmThreeLtop},
    {"mnuphasetoline", "&Phase To Line NetWorks", "", C::ShowOnly, W::FrmThreePtoL},
    {"mnuHelp", "Help"},
    {"mnuabout", "&Content ", "F1", C::ShowOnly, W::frmHelp},
    {"mnuVORA", "&About VORA", "Ctrl+B", C::ShowOnly, W::frmAB},
    true};

const WindowMenus kAc{
    {"mnuFile", "File"},
    {"mnumain", "&Home", "Ctrl+H", C::ShowPage, W::frmmain},
    {"mnuExit", "&Exit", "Ctrl+X", C::ReturnHome},
    {"mnuElectrical", "&Engineering"},
    {"mnuDC", "&DC Circuit Analysis", "", C::DcFromAc, W::frmDC},
    {"mnuCD", "&Capacitor And Dielectrics", "", C::ShowPage, W::frmDCC},
    {"mnuEI", "&Electromagnetic Induction", "", C::ShowPage, W::frmDCL},
    {"mnuAC", "&AC Circuit Anaysis"},
    {"mnusingle", "&Single Phase AC Circuit Analysis", "", C::ShowPage, W::FrmAC, true},
    {"mnuthree", "Poly Phase AC Circuit Analysis"},
    {"mnuLinetophase", "&Line To Phase NetWorks", "", C::ShowPage, W::frmThreeLtop},
    {"mnuphasetoline", "&Phase To Line NetWorks", "", C::ShowPage, W::FrmThreePtoL},
    {"mnuHelp", "&Help"},
    {"mnuabout", "&Content ", "F1", C::ShowOnly, W::frmHelp},
    {"mnuVORA", "&About VORA", "Ctrl+B", C::ShowOnly, W::frmAB}};

// The resistor page; the capacitor and inductor pages differ only in the
// name of their About item.
WindowMenus ElementPageMenus(const char* aboutName) {
    return {{"mnuFile", "&File"},
            {"mnumain", "&Home", "Ctrl+H", C::ShowPage, W::frmmain},
            {"mnuExit", "&Exit", "Ctrl+X", C::ReturnHome},
            {"mnuElectrical", "&Engineering"},
            {"mnuDC", "&DC Circuit Analysis", "", C::ShowPage, W::frmDC, true},
            {"mnuCD", "&Capacitor And Dielectrics", "", C::ShowPage, W::frmDCC},
            {"mnuEI", "&Electromagnetic Induction", "", C::ShowPage, W::frmDCL},
            {"mnuAC", "&AC Circuit Analysis "},
            {"mnusingle", "&Single Phase AC Circuit Analysis", "", C::ShowPage, W::FrmAC},
            {"mnuthree", "&Poly Phase AC Circuit Analysis"},
            {"mnuLinetophase", "&Line To Phase NetWorks", "", C::ShowPage, W::frmThreeLtop},
            {"mnuphasetoline", "&Phase To Line NetWorks", "", C::ShowPage, W::FrmThreePtoL},
            {"mnuHelp", "&Help"},
            {"mnuabout", "&Content ", "F1", C::ShowOnly, W::frmHelp},
            {aboutName, "&About VORA", "Ctrl+B", C::ShowOnly, W::frmAB}};
}

const WindowMenus kLineToPhase{
    {"mnuFile", "&File"},
    {"mnumain", "&Home", "Ctrl+H", C::ShowPage, W::frmmain},
    {"mnuExit", "Exit", "Ctrl+X", C::ReturnHome},
    {"mnuElectrical", "&Engineering"},
    {"mnuDC", "&DC CIrcuit Analysis", "", C::ShowPage, W::frmDC},
    {"mnuCD", "&Capacitor And Dielectrics", "", C::ShowPage, W::frmDCC},
    {"mnuEI", "&Electromagnetic Induction", "", C::ShowPage, W::frmDCL},
    {"mnuAC", "&AC Circuit Analysis"},
    {"mnusinglephase", "&Single Phase AC Circuit Analysis", "", C::ShowPage, W::FrmAC},
    {"mnuthree", "&Poly Phase AC Circuit Analysis"},
    {"mnuLinetophase", "&Line To Phase NetWorks", "", C::ShowPage, W::frmThreeLtop, true},
    {"mnuphasetoline", "phase To Line NetWorks", "", C::ShowPage, W::FrmThreePtoL},
    {"mnuHelp", "&Help"},
    {"mnuabout", "&Content ", "F1", C::ShowOnly, W::frmHelp},
    {"mnuas", "About VORA", "Ctrl+B", C::ShowOnly, W::frmAB}};

const WindowMenus kPhaseToLine{
    {"mnuFile", "&File"},
    {"mnumainmenu", "&Home", "Ctrl+H", C::ShowPage, W::frmmain},
    {"mnuExit", "&Exit", "Ctrl+X", C::ReturnHome},
    {"mnuElectirca", "&Engineering"},
    {"mnuDC", "&DC Circuit Analysis", "", C::ShowPage, W::frmDC},
    {"mnuCD", "&Capacitor And Dielectrics", "", C::ShowPage, W::frmDCC},
    {"mnuEI", "&Electromagnetic Induction", "", C::ShowPage, W::frmDCL},
    {"mnuAC", "&AC Circuit Analysis"},
    {"mnusinglephase", "&Single Phase AC Circuit Analysis", "", C::ShowPage, W::FrmAC},
    {"mnuthreephase", "&Poly Phase AC Circuit Analysis"},
    {"mnulinephase", "&Line To Phase NetWorks", "", C::ShowPage, W::frmThreeLtop},
    {"mnuphasetoline", "&Phase To Line NetWorks", "", C::None, W::FrmThreePtoL, true},
    {"mnuHelp", "Help"},
    {"mnuabout", " &Content ", "F1", C::ShowOnly, W::frmHelp},
    {"mnuasc", "About VORA", "Ctrl+B", C::ShowOnly, W::frmAB}};

} // namespace

const WindowMenus& MenusOf(WindowId id) {
    static const WindowMenus dc = ElementPageMenus("mnuVORA");
    static const WindowMenus dcc = ElementPageMenus("mnuVORA");
    static const WindowMenus dcl = ElementPageMenus("mnub");
    switch (id) {
    case WindowId::frmDC:
        return dc;
    case WindowId::frmDCC:
        return dcc;
    case WindowId::frmDCL:
        return dcl;
    case WindowId::FrmAC:
        return kAc;
    case WindowId::frmThreeLtop:
        return kLineToPhase;
    case WindowId::FrmThreePtoL:
        return kPhaseToLine;
    default:
        return kMain;
    }
}

} // namespace vora::shell
