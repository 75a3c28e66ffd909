// SPDX-License-Identifier: MIT
// Thousands of random events on every page and across the window set. A
// failure prints the seed and the event, so that it can be replayed with
// VORA_RANDOM_SEED=<seed>.
#include "fresh_page.h"
#include "random_user.h"
#include "shell/window_set.h"
#include "support/startup.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>
#include <gtest/gtest.h>

namespace vora::testing {
namespace {

using shell::WindowId;

constexpr int kEventsPerPage = 5000;
constexpr int kFreshEvery = 7;

class RandomPageUser : public ::testing::TestWithParam<WindowId> {};

TEST_P(RandomPageUser, KeepsEveryPromise) {
    const unsigned seed = SeedFromEnvironment(20261209u + static_cast<unsigned>(GetParam()));
    RecordingMessages messages;
    shell::WindowSet windows(messages);
    windows.ShowPage(GetParam());
    QMainWindow* page = windows.window(GetParam());
    const std::vector<QMainWindow*> watched{page};
    RandomUser user(seed, messages);
    const int events = EventsFromEnvironment(kEventsPerPage);
    for (int i = 0; i < events; ++i) {
        const Snapshot before = Take(watched);
        const std::size_t shown = messages.shown.size();
        const std::string event = user.Act(page);
        const std::string problem = user.Check(watched, before, shown);
        ASSERT_EQ(problem, "") << "seed " << seed << ", event " << i << ": " << event;
        // Every result on screen is the result of the values on screen, or
        // marked out of date.
        if (i % kFreshEvery == 0) {
            ASSERT_EQ(ResultsAgreeWithAFreshPage(*page, GetParam()), "")
                << "seed " << seed << ", event " << i << ": " << event;
        }
    }
    std::printf("%s: %d events, %zu messages, seed %u\n", page->objectName().toUtf8().constData(),
                events, messages.shown.size(), seed);
}

std::string PageName(const ::testing::TestParamInfo<WindowId>& info) {
    return shell::Entry(info.param).name;
}

std::vector<WindowId> CalculationPages() {
    std::vector<WindowId> pages;
    for (const shell::WindowEntry& row : shell::kWindows)
        if (row.calculationPage) pages.push_back(row.id);
    return pages;
}

INSTANTIATE_TEST_SUITE_P(Pages, RandomPageUser, ::testing::ValuesIn(CalculationPages()), PageName);

// Navigation mixed with page events: menus of visible windows, title-bar
// closes, and events on whatever page is visible.
TEST(RandomShellUser, KeepsEveryPromiseAcrossWindows) {
    const unsigned seed = SeedFromEnvironment(777u);
    RecordingMessages messages;
    shell::WindowSet windows(messages);
    ASSERT_TRUE(StartUp(windows));
    RandomUser user(seed, messages);
    const int events = EventsFromEnvironment(5000);
    int navigations = 0;
    for (int i = 0; i < events; ++i) {
        std::vector<QMainWindow*> visible;
        for (std::size_t k = 0; k < shell::kWindowCount; ++k)
            if (windows.visible(static_cast<WindowId>(k)))
                visible.push_back(windows.window(static_cast<WindowId>(k)));
        if (visible.empty()) windows.ShowOnly(WindowId::frmmain);
        if (visible.empty()) continue;
        // Page events go to a visible calculation page when there is one.
        std::vector<QMainWindow*> pages;
        for (QMainWindow* v : visible)
            if (v->findChild<QLineEdit*>()) pages.push_back(v);
        QMainWindow* w = visible[user.Pick(visible.size())];
        QMainWindow* page = pages.empty() ? w : pages[user.Pick(pages.size())];
        const Snapshot before = Take(visible);
        const std::size_t shown = messages.shown.size();
        std::string event;
        if (user.Pick(3) == 0) {
            QList<QAction*> actions;
            for (QMenu* m : w->findChildren<QMenu*>())
                for (QAction* a : m->actions())
                    if (!a->menu() && a->isEnabled() && a->objectName() != "mnuExit") actions << a;
            // Closing the main window ends the program, so only others are closed.
            if (user.Pick(40) == 0 && w->objectName() != "frmmain") {
                w->close();
                event = "close " + w->objectName().toStdString();
            } else if (!actions.isEmpty()) {
                QAction* a = actions[static_cast<qsizetype>(user.Pick(actions.size()))];
                a->trigger();
                event = w->objectName().toStdString() + " menu " + a->objectName().toStdString();
            }
            ++navigations;
        } else {
            event = page->objectName().toStdString() + ": " + user.Act(page);
        }
        const std::string problem = user.Check(visible, before, shown);
        ASSERT_EQ(problem, "") << "seed " << seed << ", event " << i << ": " << event;
        ASSERT_TRUE(std::any_of(shell::kPageSet.begin(), shell::kPageSet.end(),
                                [&](WindowId id) { return windows.visible(id); }))
            << "no window of the page set visible after " << event;
    }
    std::printf("shell: %d events (%d navigations), seed %u\n", events, navigations, seed);
}

} // namespace
} // namespace vora::testing
