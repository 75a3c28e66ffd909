// SPDX-License-Identifier: MIT
// The benchmark's own parts: statistics, the summary's goal checks, reading a
// child's report, and the probes, which must really end once the window is up.
#include "child_run.h"
#include "figures.h"
#include "stats.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace vora::bench {
namespace {

TEST(Stats, MedianAndPercentileOfUnsortedSamples) {
    EXPECT_EQ(Median({5, 1, 3}), 3);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
    EXPECT_TRUE(std::isnan(Median({})));
    const std::vector<double> hundred = [] {
        std::vector<double> v;
        for (int i = 100; i >= 1; --i)
            v.push_back(i);
        return v;
    }();
    EXPECT_EQ(Percentile(hundred, 95), 95);
    EXPECT_EQ(Percentile(hundred, 100), 100);
    EXPECT_EQ(Percentile({7}, 95), 7);
}

TEST(Summary, EachGoalIsMetOrMarkedMissed) {
    Figures figures;
    figures.addEvent({"frmDC", "cmdRT_Click", 0.2, 0.03});
    figures.addEvent({"frmDC", "optR1s_DblClick", 0.4, 0.02});
    figures.addEvent({"FrmAC", "cmdZT_Click", 1.5, 0.05});
    figures.setWarmCreation("frmDC", 5);
    figures.setFirstCreation("frmDC", 12);
    figures.setFirstCreation("FrmAC", 31);
    figures.setStartup({15, {300, 40, 90}, {200, 30, 60}, {240, 33, 70}});
    std::ostringstream out;
    figures.printSummary(out);
    const std::string table = out.str();

    EXPECT_NE(table.find("| frmDC: 2 events, slowest median | 0.400 ms (optR1s_DblClick); handlers"
                         " alone at most 0.0300 ms | < 1 ms each | yes |"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("| FrmAC: 1 events, slowest median | 1.5 ms (cmdZT_Click); handlers alone"
                         " at most 0.0500 ms | < 1 ms each | **no** |"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("| frmDC: first creation | 12.0 ms (again in the same process: 5.0 ms) |"
                         " < 30 ms | yes |"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("| FrmAC: first creation | 31.0 ms | < 30 ms | **no** |"),
              std::string::npos)
        << table;
    // 300 / 200 is exactly the limit; 40 / 30 is above it.
    EXPECT_NE(
        table.find("| 1.50× (300 ms / 200 ms, median of 15; CPU time 1.50×) | ≤ 1.5× | yes |"),
        std::string::npos)
        << table;
    EXPECT_NE(table.find("| 1.33× (40.0 MiB / 30.0 MiB) | ≤ 1.3× | **no** |"), std::string::npos)
        << table;
    EXPECT_NE(table.find("| 1.20× time (240 ms), 1.10× memory (33.0 MiB) | | |"), std::string::npos)
        << table;
}

TEST(ChildRun, ReadsTheReportLineAmongOtherOutput) {
    const auto words = FindReportLine("QStandardPaths: warning\nshownX 1\nshown 12 34\n", "shown");
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (std::vector<std::string>{"shown", "12", "34"}));
    EXPECT_FALSE(FindReportLine("created 5\n", "shown"));

    const ChildReport report =
        RunChild("/bin/sh", {"-c", "echo noise >&2; echo created 42"}, "created");
    EXPECT_EQ(report.words, (std::vector<std::string>{"created", "42"}));
    EXPECT_GT(report.startNs, 0);
    EXPECT_LE(report.startNs, MonotonicNs());
}

TEST(ChildRun, FailuresCarryTheChildsOutput) {
    const auto message = [](const std::vector<std::string>& args, int timeoutMs) {
        try {
            RunChild("/bin/sh", args, "created", timeoutMs);
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_NE(message({"-c", "echo created 1; echo broken; exit 3"}, 5000).find("broken"),
              std::string::npos);
    EXPECT_NE(message({"-c", "echo nothing to report"}, 5000).find("nothing to report"),
              std::string::npos);
    const std::int64_t start = MonotonicNs();
    EXPECT_NE(message({"-c", "echo waiting; exec sleep 30"}, 300).find("still running"),
              std::string::npos);
    EXPECT_LT(MonotonicNs() - start, 5'000'000'000LL); // killed, not waited for
    EXPECT_THROW(RunChild("/nonexistent/program", {}, "created"), std::runtime_error);
}

// The start-up probes end by themselves once their main window is shown and
// report a time after their start, a plausible peak memory and CPU time.
TEST(Probes, StartupProbesReportShownTimeAndMemory) {
    for (const char* program : {VORA_STARTUP_PROBE, VORA_BARE_WINDOW, VORA_TEXT_WINDOW}) {
        SCOPED_TRACE(program);
        const ChildReport report = RunChild(program, {}, "shown", 20'000);
        ASSERT_EQ(report.words.size(), 4u);
        EXPECT_GT(std::stoll(report.words[1]), report.startNs);
        EXPECT_GT(std::stol(report.words[2]), 1024); // KiB
        EXPECT_GT(std::stoll(report.words[3]), 0);
    }
}

TEST(Probes, PageProbeCreatesEveryPageAndRejectsOthers) {
    for (const char* page :
         {"frmDC", "frmDCC", "frmDCL", "FrmAC", "frmThreeLtop", "FrmThreePtoL", "frmTransient"}) {
        const ChildReport report = RunChild(VORA_PAGE_PROBE, {page}, "created", 20'000);
        ASSERT_EQ(report.words.size(), 2u) << page;
        EXPECT_GT(std::stoll(report.words[1]), 0) << page;
    }
    EXPECT_THROW(RunChild(VORA_PAGE_PROBE, {"frmHelp"}, "created"), std::runtime_error);
}

} // namespace
} // namespace vora::bench
