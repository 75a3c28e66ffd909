// SPDX-License-Identifier: MIT
// The calculation pages of the window registry, as the benchmarks and probes
// name them (their objectName).
#pragma once

#include "shell/window_set.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vora::bench {

using PageId = shell::WindowEntry;

inline constexpr auto kPages = [] {
    constexpr auto count = static_cast<std::size_t>(
        std::count_if(shell::kWindows.begin(), shell::kWindows.end(),
                      [](const PageId& row) { return row.calculationPage; }));
    std::array<const PageId*, count> pages{};
    std::size_t k = 0;
    for (const PageId& row : shell::kWindows)
        if (row.calculationPage) pages[k++] = &row;
    return pages;
}();

inline const PageId* FindPage(std::string_view name) {
    const PageId* row = shell::FindWindow(name);
    return row && row->calculationPage ? row : nullptr;
}

} // namespace vora::bench
