// SPDX-License-Identifier: MIT
// What the benchmarks found, gathered for the summary table printed after
// the run, with the goals each figure is held against.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vora::bench {

inline constexpr double kEventGoalMs = 1.0;
inline constexpr double kCreationGoalMs = 30.0;
inline constexpr double kStartupGoalRatio = 1.5;
inline constexpr double kMemoryGoalRatio = 1.3;

struct EventFigure {
    std::string page;
    std::string handler;
    double medianMs = 0;  // until the page has repainted what the event changed
    double handlerMs = 0; // until the handler returned
};

struct CreationFigure {
    std::string page;
    std::optional<double> firstMs; // median, each run in a fresh process
    std::optional<double> warmMs;  // median, again and again in one process
};

// Medians over the runs of one start-up probe.
struct Launch {
    double ms = 0;    // process start to main window shown
    double mib = 0;   // peak resident memory until then
    double cpuMs = 0; // CPU time used until then
};

struct StartupFigure {
    int runs = 0;
    Launch program; // vora's own start-up path
    Launch bare;    // an empty Qt main window: the yardstick of the goals
    Launch text;    // the same window with one line of text, for reference
};

class Figures {
public:
    static Figures& Instance();

    void addEvent(EventFigure figure) { events_.push_back(std::move(figure)); }
    void setFirstCreation(const std::string& page, double ms) { creation(page).firstMs = ms; }
    void setWarmCreation(const std::string& page, double ms) { creation(page).warmMs = ms; }
    void setStartup(const StartupFigure& figure) { startup_ = figure; }

    // A Markdown table: one row per page's events (the slowest median, with
    // and without the repaint), per
    // page creation, and the two start-up ratios; only what was measured.
    void printSummary(std::ostream& out) const;

private:
    CreationFigure& creation(const std::string& page);

    std::vector<EventFigure> events_;
    std::vector<CreationFigure> creations_;
    std::optional<StartupFigure> startup_;
};

// The 1, 5 and 15 minute load averages, as /proc/loadavg gives them.
std::string LoadAverage();

// The lines above the table: CPU, cores, Qt, compiler, build type, display,
// and the load of the machine when the run began.
void PrintMachine(std::ostream& out, const std::string& platform, const std::string& load);

} // namespace vora::bench
