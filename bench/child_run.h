// SPDX-License-Identifier: MIT
// Starting a probe process and reading the one line it reports.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vora::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process.
std::int64_t MonotonicNs();

struct ChildReport {
    std::int64_t startNs = 0;       // MonotonicNs() just before the process was started
    std::vector<std::string> words; // the report line split at blanks, keyword first
};

// The words of the first line of `output` whose first word is `keyword`.
std::optional<std::vector<std::string>> FindReportLine(const std::string& output,
                                                       const std::string& keyword);

// Runs `program` with `args` (standard output and error captured together)
// and returns its `keyword` line. Throws std::runtime_error, carrying the
// child's output, when the program cannot start, fails, prints no such line
// or is still running after `timeoutMs` (it is then killed).
ChildReport RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::string& keyword, int timeoutMs = 30'000);

} // namespace vora::bench
