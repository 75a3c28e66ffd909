// SPDX-License-Identifier: MIT
// The benchmark groups; each registers its cases with Google Benchmark.
#pragma once

namespace vora::bench {

// Start-up against a bare Qt window, and each page's first creation, each
// measured in fresh processes.
void RegisterProcessBenchmarks();

// Every compute and double-click event of every page, and page creation
// repeated in this process. Needs a QApplication.
void RegisterPageBenchmarks();

} // namespace vora::bench
