// SPDX-License-Identifier: MIT
// Measurements that need a fresh process each time: start-up of the program
// against a bare Qt main window, and the first creation of each page.
//
// The benchmark process stays connected to the display all the while, so an
// X server started without -noreset does not reset between two probes.
#include "benchmarks.h"
#include "child_run.h"
#include "figures.h"
#include "page_ids.h"
#include "stats.h"

#include <array>
#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace vora::bench {

namespace {

constexpr int kStartupRounds = 15;
constexpr int kFirstCreationRuns = 7;

Launch Start(const char* program) {
    const ChildReport report = RunChild(program, {}, "shown");
    if (report.words.size() != 4)
        throw std::runtime_error("malformed report of " + std::string(program));
    return {double(std::stoll(report.words[1]) - report.startNs) / 1e6,
            std::stod(report.words[2]) / 1024, std::stod(report.words[3]) / 1e6};
}

// The runs of one probe, and their medians.
struct Runs {
    const char* program;
    std::vector<Launch> launches;

    Launch median() const {
        std::vector<double> ms, mib, cpu;
        for (const Launch& l : launches) {
            ms.push_back(l.ms);
            mib.push_back(l.mib);
            cpu.push_back(l.cpuMs);
        }
        return {Median(ms), Median(mib), Median(cpu)};
    }
};

void MeasureStartup(benchmark::State& state) {
    std::array<Runs, 3> runs{
        {{VORA_STARTUP_PROBE, {}}, {VORA_BARE_WINDOW, {}}, {VORA_TEXT_WINDOW, {}}}};
    try {
        for (const Runs& r : runs)
            Start(r.program); // the first runs fill the file cache
        std::size_t round = 0;
        for (auto _ : state) {
            // Rotating which goes first evens out any drift of the machine.
            for (std::size_t i = 0; i < runs.size(); ++i) {
                Runs& r = runs[(round + i) % runs.size()];
                r.launches.push_back(Start(r.program));
            }
            ++round;
            state.SetIterationTime(runs[0].launches.back().ms / 1e3);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const StartupFigure figure{kStartupRounds, runs[0].median(), runs[1].median(),
                               runs[2].median()};
    state.counters["vora_ms"] = figure.program.ms;
    state.counters["bare_ms"] = figure.bare.ms;
    state.counters["text_ms"] = figure.text.ms;
    state.counters["time_ratio"] = figure.program.ms / figure.bare.ms;
    state.counters["vora_cpu_ms"] = figure.program.cpuMs;
    state.counters["bare_cpu_ms"] = figure.bare.cpuMs;
    state.counters["vora_MiB"] = figure.program.mib;
    state.counters["bare_MiB"] = figure.bare.mib;
    state.counters["text_MiB"] = figure.text.mib;
    state.counters["memory_ratio"] = figure.program.mib / figure.bare.mib;
    Figures::Instance().setStartup(figure);
}

void MeasureFirstCreation(benchmark::State& state, const PageId& page) {
    std::vector<double> samples;
    try {
        RunChild(VORA_PAGE_PROBE, {page.name}, "created");
        for (auto _ : state) {
            const ChildReport report = RunChild(VORA_PAGE_PROBE, {page.name}, "created");
            const double ms = std::stod(report.words.at(1)) / 1e6;
            state.SetIterationTime(ms / 1e3);
            samples.push_back(ms);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["median_ms"] = Median(samples);
    Figures::Instance().setFirstCreation(page.name, Median(samples));
}

} // namespace

void RegisterProcessBenchmarks() {
    benchmark::RegisterBenchmark("startup/vora_vs_bare_window", MeasureStartup)
        ->Iterations(kStartupRounds)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const PageId* page : kPages)
        benchmark::RegisterBenchmark(
            ("create_first/" + std::string(page->name)).c_str(),
            [page](benchmark::State& s) { MeasureFirstCreation(s, *page); })
            ->Iterations(kFirstCreationRuns)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace vora::bench
