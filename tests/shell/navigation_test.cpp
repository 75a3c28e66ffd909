// SPDX-License-Identifier: MIT
// Moving between windows: which windows exist and which are visible after
// each command, and what survives hiding.
#include "shell/window_set.h"
#include "support/recording_messages.h"
#include "support/startup.h"
#include "support/widgets.h"
#include "widgets/unit_list.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace vora::shell {
namespace {

using W = WindowId;
using testing::Child;

class Navigation : public ::testing::Test {
protected:
    // Chooses the menu item `name` on window `id`.
    void Choose(W id, const char* name) {
        QAction* action = Child<QAction>(*windows_.window(id), name);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    // The windows of the page set that are visible, plus help and about.
    std::vector<W> Visible() const {
        std::vector<W> ids;
        for (std::size_t i = 0; i < kWindowCount; ++i)
            if (windows_.visible(static_cast<W>(i))) ids.push_back(static_cast<W>(i));
        return ids;
    }
    std::vector<W> Created() const {
        std::vector<W> ids;
        for (std::size_t i = 0; i < kWindowCount; ++i)
            if (windows_.created(static_cast<W>(i))) ids.push_back(static_cast<W>(i));
        return ids;
    }

    testing::RecordingMessages messages_;
    WindowSet windows_{messages_};
};

TEST_F(Navigation, StartupShowsTheMainWindowAndThePreface) {
    ASSERT_TRUE(testing::StartUp(windows_));
    EXPECT_EQ(Visible(), std::vector<W>{W::frmmain});
    EXPECT_EQ(Created(), std::vector<W>{W::frmmain});
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Preface");
    EXPECT_EQ(messages_.shown[0].icon, widgets::MessageBoxes::Icon::Warning);
    EXPECT_TRUE(messages_.shown[0].text.startsWith(
        "This Learning Materials deals with Electricity and Electronics"));
}

TEST_F(Navigation, MainWindowShowsPagesWithoutHidingAnything) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmDC}));
    EXPECT_EQ(Created(), (std::vector<W>{W::frmmain, W::frmDC}));
    Choose(W::frmmain, "mnuVORA");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmDC, W::frmAB}));
}

TEST_F(Navigation, OpeningTheMainWindowsAcSubmenuShowsTheAcPage) {
    ASSERT_TRUE(testing::StartUp(windows_));
    auto* ac = Child<QMenu>(*windows_.window(W::frmmain), "mnuAC");
    ASSERT_NE(ac, nullptr);
    emit ac->aboutToShow();
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::FrmAC}));
    Choose(W::frmmain, "mnuLinetophase");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::FrmAC, W::frmThreeLtop}));
}

TEST_F(Navigation, PageCommandsShowOnePageAndCreateTheWholePageSetHidden) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    Choose(W::frmDC, "mnuabout"); // Content hides nothing
    Choose(W::frmDC, "mnumain");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmHelp}));
    for (W id : kPageSet)
        EXPECT_TRUE(windows_.created(id));
    EXPECT_FALSE(windows_.created(W::frmAB));

    Choose(W::frmmain, "mnuCD");
    Choose(W::frmDCC, "mnuCD"); // the page's own item hides every other page
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmDCC, W::frmHelp}));
    Choose(W::frmDCC, "mnuVORA");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmDCC, W::frmHelp, W::frmAB}));
}

TEST_F(Navigation, ExitHidesOnlyThePageThatIssuedIt) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    Choose(W::frmmain, "mnuEI");
    Choose(W::frmDCL, "mnuExit");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmDC}));
}

TEST_F(Navigation, AcPageDcItemHidesOnlyFourWindows) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuCD");
    Choose(W::frmmain, "mnusingle");
    Choose(W::FrmAC, "mnuDC");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmDC, W::frmDCC}));
    EXPECT_FALSE(windows_.created(W::frmDCL));
    EXPECT_TRUE(windows_.created(W::frmThreeLtop));
    EXPECT_TRUE(windows_.created(W::FrmThreePtoL));
}

TEST_F(Navigation, ThreePhasePagesReachOtherPagesAlone) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuLinetophase");
    Choose(W::frmThreeLtop, "mnuCD");
    EXPECT_EQ(Visible(), std::vector<W>{W::frmDCC});
    windows_.ShowPage(W::FrmThreePtoL);
    Choose(W::FrmThreePtoL, "mnuEI");
    EXPECT_EQ(Visible(), std::vector<W>{W::frmDCL});
}

TEST_F(Navigation, AboutExitBringsBackAHiddenMainWindow) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    Choose(W::frmDC, "mnuCD");
    Choose(W::frmDCC, "mnuVORA");
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmDCC, W::frmAB}));
    Child<QPushButton>(*windows_.window(W::frmAB), "cmdok")->click();
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmDCC}));

    Choose(W::frmDCC, "mnuabout");
    Child<QPushButton>(*windows_.window(W::frmHelp), "cmd0k")->click();
    EXPECT_EQ(Visible(), (std::vector<W>{W::frmmain, W::frmDCC}));
}

TEST_F(Navigation, PagesKeepEverythingAcrossHideAndShowAndLoadOnce) {
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    QMainWindow* dc = windows_.window(W::frmDC);
    testing::Type(*dc, "txtR1", "47");
    Child<widgets::UnitList>(*dc, "cboR1")->setCurrentIndex(2);
    testing::Click(*dc, "optR1s");
    for (const char* item : {"mnuCD", "mnuEI", "mnusingle", "mnuLinetophase", "mnuphasetoline"}) {
        windows_.ShowPage(W::frmDC);
        Choose(W::frmDC, item);
        EXPECT_FALSE(dc->isVisible()) << item;
    }
    Choose(W::FrmThreePtoL, "mnuDC");
    EXPECT_TRUE(dc->isVisible());
    EXPECT_EQ(testing::Text(*dc, "txtR1"), "47");
    EXPECT_EQ(Child<widgets::UnitList>(*dc, "cboR1")->position(), 2);
    EXPECT_EQ(Child<widgets::UnitList>(*dc, "cboR1")->count(), 4);
    EXPECT_TRUE(Child<QAbstractButton>(*dc, "optR1s")->isChecked());
    EXPECT_EQ(windows_.window(W::frmDC), dc);
}

TEST_F(Navigation, ClosingByTheTitleBar) {
    int exits = 0;
    QObject::connect(&windows_, &WindowSet::exitRequested, [&] { ++exits; });
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuDC");
    Choose(W::frmDC, "mnuCD");
    windows_.window(W::frmDCC)->close(); // a page goes home
    EXPECT_EQ(Visible(), std::vector<W>{W::frmmain});
    Choose(W::frmmain, "mnuVORA");
    windows_.window(W::frmAB)->close(); // about hides
    EXPECT_EQ(Visible(), std::vector<W>{W::frmmain});
    EXPECT_EQ(exits, 0);
    windows_.window(W::frmmain)->close(); // the main window ends the program
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(windows_.created(W::frmDCC)); // nothing is destroyed
}

TEST_F(Navigation, MainExitEndsTheProgram) {
    int exits = 0;
    QObject::connect(&windows_, &WindowSet::exitRequested, [&] { ++exits; });
    ASSERT_TRUE(testing::StartUp(windows_));
    Choose(W::frmmain, "mnuExit");
    EXPECT_FALSE(windows_.visible(W::frmmain));
    EXPECT_EQ(exits, 1);
}

TEST_F(Navigation, ShortcutsWorkFromEveryWindowThatHasThem) {
    ASSERT_TRUE(testing::StartUp(windows_));
    for (W page : {W::frmDC, W::frmDCC, W::frmDCL, W::FrmAC, W::frmThreeLtop, W::FrmThreePtoL,
                   W::frmTransient}) {
        windows_.ShowPage(page);
        QMainWindow* w = windows_.window(page);
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_B, Qt::ControlModifier);
        EXPECT_TRUE(windows_.visible(W::frmAB)) << w->objectName().toStdString();
        QTest::keyClick(w, Qt::Key_F1);
        EXPECT_TRUE(windows_.visible(W::frmHelp));
        QTest::keyClick(w, Qt::Key_H, Qt::ControlModifier);
        EXPECT_TRUE(windows_.visible(W::frmmain));
        EXPECT_FALSE(w->isVisible());
        windows_.Hide(W::frmAB);
        windows_.Hide(W::frmHelp);
    }
    // Home is disabled on the main window, so its shortcut does nothing.
    QMainWindow* main = windows_.window(W::frmmain);
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(main->isVisible());
}

// Every enabled item of every window's menu opens the window its caption
// names. The expectations are written out here, by window objectName, rather
// than read from the menu tables, so that a table wired to the wrong page
// fails.
TEST(MenuItems, EveryItemOpensTheWindowItNames) {
    struct Item {
        const char* item;
        const char* opens;
    };
    struct Window {
        W id;
        std::vector<Item> items;
    };
    const std::vector<Window> windows = {
        {W::frmmain,
         {{"mnuDC", "frmDC"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusingle", "FrmAC"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuVORA", "frmAB"}}},
        {W::frmDC,
         {{"mnumain", "frmmain"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusingle", "FrmAC"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuVORA", "frmAB"}}},
        {W::frmDCC,
         {{"mnumain", "frmmain"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusingle", "FrmAC"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuVORA", "frmAB"}}},
        {W::frmDCL,
         {{"mnumain", "frmmain"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusingle", "FrmAC"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnub", "frmAB"}}},
        {W::FrmAC,
         {{"mnumain", "frmmain"},
          {"mnuDC", "frmDC"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuVORA", "frmAB"}}},
        {W::frmThreeLtop,
         {{"mnumain", "frmmain"},
          {"mnuDC", "frmDC"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusinglephase", "FrmAC"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuas", "frmAB"}}},
        {W::FrmThreePtoL,
         {{"mnumainmenu", "frmmain"},
          {"mnuDC", "frmDC"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusinglephase", "FrmAC"},
          {"mnulinephase", "frmThreeLtop"},
          {"mnuTransient", "frmTransient"},
          {"mnuabout", "frmHelp"},
          {"mnuasc", "frmAB"}}},
        {W::frmTransient,
         {{"mnumain", "frmmain"},
          {"mnuDC", "frmDC"},
          {"mnuCD", "frmDCC"},
          {"mnuEI", "frmDCL"},
          {"mnusingle", "FrmAC"},
          {"mnuLinetophase", "frmThreeLtop"},
          {"mnuphasetoline", "FrmThreePtoL"},
          {"mnuabout", "frmHelp"},
          {"mnuVORA", "frmAB"}}},
    };
    for (const Window& window : windows) {
        for (const Item& item : window.items) {
            testing::RecordingMessages messages;
            WindowSet set(messages);
            ASSERT_TRUE(testing::StartUp(set));
            if (window.id != W::frmmain) set.ShowPage(window.id);
            QMainWindow* from = set.window(window.id);
            const std::string where = from->objectName().toStdString() + " " + item.item;
            QAction* action = Child<QAction>(*from, item.item);
            ASSERT_NE(action, nullptr) << where;
            ASSERT_TRUE(action->isEnabled()) << where;
            action->trigger();
            std::vector<std::string> visible;
            for (W id : kWindowIds)
                if (set.visible(id)) visible.push_back(set.window(id)->objectName().toStdString());
            EXPECT_NE(std::find(visible.begin(), visible.end(), item.opens), visible.end())
                << where << " did not open the window it names";
        }
    }
}

} // namespace
} // namespace vora::shell
