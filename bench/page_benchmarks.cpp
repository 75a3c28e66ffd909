// SPDX-License-Identifier: MIT
// Events through a real, shown page, and creating a page again and again in
// one process. Messages go to a facade that never blocks; a benchmark that
// made the page show a message measured a failure path and reports an error.
#include "benchmarks.h"
#include "event_cases.h"
#include "figures.h"
#include "page_ids.h"
#include "silent_messages.h"
#include "stats.h"

#include <QApplication>
#include <QMainWindow>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <vector>

namespace vora::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEventsPerCase = 300;
constexpr int kWarmupEvents = 4;
constexpr int kWarmCreations = 15;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void MeasureEvent(benchmark::State& state, const EventCase& c) {
    SilentMessages messages;
    std::unique_ptr<QMainWindow> page;
    try {
        page = ReadyPage(c, messages, kWarmupEvents);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    std::vector<double> samples, handlerSamples;
    samples.reserve(kEventsPerCase);
    handlerSamples.reserve(kEventsPerCase);
    int round = kWarmupEvents;
    for (auto _ : state) {
        Prepare(*page, c, round++);
        Settle();
        const auto start = Clock::now();
        c.event(*page);
        handlerSamples.push_back(MsSince(start));
        QApplication::processEvents(); // the repaint the event caused
        const double ms = MsSince(start);
        state.SetIterationTime(ms / 1e3);
        samples.push_back(ms);
    }
    if (messages.count > 0) {
        const std::string first = messages.first.toStdString();
        state.SkipWithError(("the page showed a message: " + first).c_str());
        return;
    }
    const double median = Median(samples);
    const double handlerMedian = Median(handlerSamples);
    state.counters["median_us"] = median * 1e3;
    state.counters["p95_us"] = Percentile(samples, 95) * 1e3;
    state.counters["handler_us"] = handlerMedian * 1e3;
    Figures::Instance().addEvent({c.page, c.handler, median, handlerMedian});
}

// The window set's own path: construction, load step, navigation menus.
void MeasureWarmCreation(benchmark::State& state, const PageId& page) {
    SilentMessages messages;
    std::vector<double> samples;
    for (auto _ : state) {
        auto windows = std::make_unique<shell::WindowSet>(messages);
        const auto start = Clock::now();
        windows->window(page.id);
        const double ms = MsSince(start);
        windows.reset();
        Settle();
        state.SetIterationTime(ms / 1e3);
        samples.push_back(ms);
    }
    state.counters["median_ms"] = Median(samples);
    Figures::Instance().setWarmCreation(page.name, Median(samples));
}

} // namespace

void RegisterPageBenchmarks() {
    for (const PageId* page : kPages)
        benchmark::RegisterBenchmark(("create_again/" + std::string(page->name)).c_str(),
                                     [page](benchmark::State& s) { MeasureWarmCreation(s, *page); })
            ->Iterations(kWarmCreations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    for (const EventCase& c : EventCases())
        benchmark::RegisterBenchmark(("event/" + c.page + "/" + c.handler).c_str(),
                                     [c](benchmark::State& s) { MeasureEvent(s, c); })
            ->Iterations(kEventsPerCase)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
}

} // namespace vora::bench
