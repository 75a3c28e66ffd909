// SPDX-License-Identifier: MIT
// The event cases against the real pages: the benchmark is not run by the
// test suite, so this is where a renamed control or a changed rule shows up.
#include "event_cases.h"
#include "silent_messages.h"

#include <QMainWindow>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

namespace vora::bench {
namespace {

TEST(EventCases, CoverEveryComputeAndDoubleClickHandlerOnce) {
    std::map<std::string, int> perPage;
    std::set<std::string> names;
    for (const EventCase& c : EventCases()) {
        ++perPage[c.page];
        EXPECT_TRUE(names.insert(c.page + "/" + c.handler).second) << c.handler;
    }
    const std::map<std::string, int> expected{
        {"frmDC", 9},        {"frmDCC", 9},       {"frmDCL", 9},      {"FrmAC", 11},
        {"frmThreeLtop", 4}, {"FrmThreePtoL", 4}, {"frmTransient", 1}};
    EXPECT_EQ(perPage, expected);
}

// Each case computes without a message, and its alternating inputs change
// what the page shows, so that every measured event repaints.
TEST(EventCases, DriveTheirPageWithoutMessagesAndChangeTheResults) {
    for (const EventCase& c : EventCases()) {
        SCOPED_TRACE(c.page + "/" + c.handler);
        SilentMessages messages;
        EXPECT_NO_THROW(ReadyPage(c, messages, 3));
        EXPECT_EQ(messages.count, 0) << messages.first.toStdString();
    }
}

TEST(EventCases, ReadyPageRefusesCasesThatCannotBeMeasured) {
    const std::vector<EventCase> cases = EventCases();
    EventCase steady = cases.front();
    steady.varied.clear();
    SilentMessages messages;
    EXPECT_THROW(ReadyPage(steady, messages, 3), std::runtime_error);

    EventCase renamed = cases.front();
    renamed.varied = {{"txtNoSuchEntry", "1", "2"}};
    try {
        ReadyPage(renamed, messages, 3);
        ADD_FAILURE() << "a missing control was not reported";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("txtNoSuchEntry"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace vora::bench
