// SPDX-License-Identifier: MIT
#include "figures.h"

#include <QtGlobal>
#include <algorithm>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <thread>

#ifndef VORA_BUILD_TYPE
#define VORA_BUILD_TYPE "unknown"
#endif

namespace vora::bench {

namespace {

std::string Fixed(double value, int decimals) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << value;
    return out.str();
}

// Milliseconds with three significant digits or so: 0.0412, 0.512, 18.3, 231.
std::string Ms(double ms) {
    const int decimals = ms < 0.1 ? 4 : ms < 1 ? 3 : ms < 100 ? 1 : 0;
    return Fixed(ms, decimals) + " ms";
}

std::string MiB(double mib) {
    return Fixed(mib, 1) + " MiB";
}

void Row(std::ostream& out, const std::string& measure, const std::string& figure,
         const std::string& goal, bool met) {
    out << "| " << measure << " | " << figure << " | " << goal << " | " << (met ? "yes" : "**no**")
        << " |\n";
}

std::string CpuModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

std::string Compiler() {
#if defined(__clang__)
    return "Clang " __clang_version__;
#elif defined(__GNUC__)
    return "GCC " __VERSION__;
#else
    return "unknown";
#endif
}

} // namespace

Figures& Figures::Instance() {
    static Figures figures;
    return figures;
}

CreationFigure& Figures::creation(const std::string& page) {
    for (CreationFigure& figure : creations_)
        if (figure.page == page) return figure;
    creations_.push_back({page, {}, {}});
    return creations_.back();
}

void Figures::printSummary(std::ostream& out) const {
    out << "| Measure | Figure | Goal | Met |\n|---|---|---|---|\n";

    std::vector<std::string> pages;
    for (const EventFigure& e : events_)
        if (std::find(pages.begin(), pages.end(), e.page) == pages.end()) pages.push_back(e.page);
    for (const std::string& page : pages) {
        const EventFigure* slowest = nullptr;
        double slowestHandler = 0;
        int count = 0;
        for (const EventFigure& e : events_) {
            if (e.page != page) continue;
            ++count;
            if (!slowest || e.medianMs > slowest->medianMs) slowest = &e;
            slowestHandler = std::max(slowestHandler, e.handlerMs);
        }
        Row(out, page + ": " + std::to_string(count) + " events, slowest median",
            Ms(slowest->medianMs) + " (" + slowest->handler + "); handlers alone at most " +
                Ms(slowestHandler),
            "< " + Fixed(kEventGoalMs, 0) + " ms each", slowest->medianMs < kEventGoalMs);
    }

    for (const CreationFigure& c : creations_) {
        if (!c.firstMs) continue;
        std::string figure = Ms(*c.firstMs);
        if (c.warmMs) figure += " (again in the same process: " + Ms(*c.warmMs) + ")";
        Row(out, c.page + ": first creation", figure, "< " + Fixed(kCreationGoalMs, 0) + " ms",
            *c.firstMs < kCreationGoalMs);
    }

    if (startup_) {
        const StartupFigure& s = *startup_;
        const double time = s.program.ms / s.bare.ms;
        const double memory = s.program.mib / s.bare.mib;
        Row(out, "Start-up to main window shown, vora / bare Qt window",
            Fixed(time, 2) + "× (" + Ms(s.program.ms) + " / " + Ms(s.bare.ms) + ", median of " +
                std::to_string(s.runs) + "; CPU time " + Fixed(s.program.cpuMs / s.bare.cpuMs, 2) +
                "×)",
            "≤ " + Fixed(kStartupGoalRatio, 1) + "×", time <= kStartupGoalRatio);
        Row(out, "Peak resident memory, vora / bare Qt window",
            Fixed(memory, 2) + "× (" + MiB(s.program.mib) + " / " + MiB(s.bare.mib) + ")",
            "≤ " + Fixed(kMemoryGoalRatio, 1) + "×", memory <= kMemoryGoalRatio);
        if (s.text.ms > 0)
            out << "| For reference: bare Qt window with one line of text / bare Qt window | "
                << Fixed(s.text.ms / s.bare.ms, 2) << "× time (" << Ms(s.text.ms) << "), "
                << Fixed(s.text.mib / s.bare.mib, 2) << "× memory (" << MiB(s.text.mib)
                << ") | | |\n";
    }
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void PrintMachine(std::ostream& out, const std::string& platform, const std::string& load) {
    out << "- CPU: " << CpuModel() << ", " << std::thread::hardware_concurrency() << " cores"
        << " (load average " << load << " at the start)\n"
        << "- Qt " << qVersion() << ", " << Compiler() << ", build type " << VORA_BUILD_TYPE
        << "\n- Display: " << platform << "\n";
}

} // namespace vora::bench
