// SPDX-License-Identifier: MIT
// The menu bars: names, captions with their access keys and blanks,
// shortcuts, disabled items, and where the Reset menu sits.
#include "shell/window_set.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace vora::shell {
namespace {

using W = WindowId;

// One line per menu and item: "name|caption|shortcut" with "(off)" for a
// disabled item and two blanks of indent per submenu level.
void Dump(const QList<QAction*>& actions, int depth, QStringList& out) {
    for (QAction* a : actions) {
        const QString indent(depth * 2, ' ');
        if (QMenu* menu = a->menu()) {
            out << indent + menu->objectName() + "|" + menu->title();
            Dump(menu->actions(), depth + 1, out);
        } else {
            out << indent + a->objectName() + "|" + a->text() + "|" +
                       a->shortcut().toString() + (a->isEnabled() ? "" : "(off)");
        }
    }
}

QStringList MenuOf(WindowSet& windows, W id) {
    QStringList out;
    Dump(windows.window(id)->menuBar()->actions(), 0, out);
    return out;
}

class Menus : public ::testing::Test {
protected:
    testing::RecordingMessages messages_;
    WindowSet windows_{messages_};
};

TEST_F(Menus, MainWindow) {
    EXPECT_EQ(MenuOf(windows_, W::frmmain),
              (QStringList{
                  "mnuFile|File",
                  "  nmumain|&Home|Ctrl+H(off)",
                  "  mnuExit|Exit|Ctrl+X",
                  "mnuEl|&Engineering",
                  "  mnuDC|&DC Circuit Analysis|",
                  "  mnuCD|&Capacitor And Dielectrics|",
                  "  mnuEI|&Electromagnetic Induction|",
                  "  mnuAC|&AC Circuit Analysis",
                  "    mnusingle|&Single  Phase AC Circuit|",
                  "    mnuthree|&Poly Phase AC Circuit",
                  "      mnuLinetophase|&Line To Phase NetWorks|",
                  "      mnuphasetoline|&Phase To Line NetWorks|",
                  "  mnuTransient|RC And RL Transients|",
                  "mnuHelp|Help",
                  "  mnuabout|&Content |F1",
                  "  mnuVORA|&About VORA|Ctrl+B",
              }));
}

TEST_F(Menus, AcPage) {
    const QStringList menu = MenuOf(windows_, W::FrmAC);
    const QStringList expected{
        "mnuFile|File",
        "  mnumain|&Home|Ctrl+H",
        "  mnuExit|&Exit|Ctrl+X",
        "mnuElectrical|&Engineering",
        "  mnuDC|&DC Circuit Analysis|",
        "  mnuCD|&Capacitor And Dielectrics|",
        "  mnuEI|&Electromagnetic Induction|",
        "  mnuAC|&AC Circuit Anaysis",
        "    mnusingle|&Single Phase AC Circuit Analysis|(off)",
        "    mnuthree|Poly Phase AC Circuit Analysis",
        "      mnuLinetophase|&Line To Phase NetWorks|",
        "      mnuphasetoline|&Phase To Line NetWorks|",
    };
    ASSERT_GE(menu.size(), expected.size());
    EXPECT_EQ(menu.mid(0, expected.size()), expected);
    EXPECT_EQ(menu.mid(menu.size() - 3),
              (QStringList{"mnuHelp|&Help", "  mnuabout|&Content |F1",
                           "  mnuVORA|&About VORA|Ctrl+B"}));
}

TEST_F(Menus, ElementPagesDisableTheResistorItemAndKeepResetBeforeHelp) {
    for (W id : {W::frmDC, W::frmDCC, W::frmDCL}) {
        const QStringList menu = MenuOf(windows_, id);
        SCOPED_TRACE(menu.join('\n').toStdString());
        EXPECT_TRUE(menu.contains("  mnuDC|&DC Circuit Analysis|(off)"));
        EXPECT_TRUE(menu.contains("  mnuCD|&Capacitor And Dielectrics|"));
        EXPECT_TRUE(menu.contains("  mnuEI|&Electromagnetic Induction|"));
        EXPECT_TRUE(menu.contains("  mnuAC|&AC Circuit Analysis "));
        EXPECT_TRUE(menu.contains("mnuFile|&File"));
        const int reset = menu.indexOf("mnuresate|&Reset");
        ASSERT_GT(reset, 0);
        EXPECT_LT(menu.indexOf("mnuElectrical|&Engineering"), reset);
        EXPECT_EQ(menu.indexOf("mnuHelp|&Help"), reset + 6);
        const QString about = id == W::frmDCL ? "mnub" : "mnuVORA";
        EXPECT_EQ(menu.last(), "  " + about + "|&About VORA|Ctrl+B");
    }
}

TEST_F(Menus, ThreePhasePages) {
    const QStringList ltop = MenuOf(windows_, W::frmThreeLtop);
    for (const char* line : {"  mnuExit|Exit|Ctrl+X", "  mnuDC|&DC CIrcuit Analysis|",
                             "    mnusinglephase|&Single Phase AC Circuit Analysis|",
                             "      mnuLinetophase|&Line To Phase NetWorks|(off)",
                             "      mnuphasetoline|phase To Line NetWorks|",
                             "  mnuas|About VORA|Ctrl+B"})
        EXPECT_TRUE(ltop.contains(line)) << line;
    const QStringList ptol = MenuOf(windows_, W::FrmThreePtoL);
    for (const char* line : {"  mnumainmenu|&Home|Ctrl+H", "mnuElectirca|&Engineering",
                             "    mnuthreephase|&Poly Phase AC Circuit Analysis",
                             "      mnulinephase|&Line To Phase NetWorks|",
                             "      mnuphasetoline|&Phase To Line NetWorks|(off)",
                             "mnuHelp|Help", "  mnuabout| &Content |F1",
                             "  mnuasc|About VORA|Ctrl+B"})
        EXPECT_TRUE(ptol.contains(line)) << line;
}

TEST_F(Menus, EveryWindowOfThePageSetHasExactlyOneDisabledItem) {
    for (W id : kPageSet) {
        const QStringList menu = MenuOf(windows_, id);
        EXPECT_EQ(menu.filter("(off)").size(), 1) << menu.join('\n').toStdString();
    }
}

} // namespace
} // namespace vora::shell
