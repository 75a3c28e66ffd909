// SPDX-License-Identifier: MIT
// The benchmark run: Google Benchmark's own table while it runs, then the
// machine and a summary of the figures against their goals.
//
// Run it under the display to be measured: `make bench` uses Xvfb when it is
// installed, else the offscreen platform.
#include "benchmarks.h"
#include "figures.h"

#include <QApplication>
#include <QStyleFactory>
#include <benchmark/benchmark.h>
#include <iostream>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    QApplication app(argc, argv);
    // The program's own style, so that pages paint as they do for the user.
    QApplication::setStyle(QStyleFactory::create("Fusion"));

    const std::string load = vora::bench::LoadAverage();
    vora::bench::RegisterProcessBenchmarks();
    vora::bench::RegisterPageBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::string display = QApplication::platformName().toStdString();
    if (display == "xcb") display += " on DISPLAY " + qEnvironmentVariable("DISPLAY").toStdString();
    std::cout << "\n";
    vora::bench::PrintMachine(std::cout, display, load);
    std::cout << "\n";
    vora::bench::Figures::Instance().printSummary(std::cout);
    return 0;
}
