// SPDX-License-Identifier: MIT
// A page made as the program makes it, through its registry row, which
// gives the window its name, title and colour.
#pragma once

#include "shell/window_registry.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vora::testing {

// Every calculation page of the registry, a page added later included.
inline std::vector<shell::WindowId> CalculationPages() {
    std::vector<shell::WindowId> pages;
    for (const shell::WindowEntry& row : shell::kWindows)
        if (row.calculationPage) pages.push_back(row.id);
    return pages;
}

template <class P> std::unique_ptr<P> Registered(widgets::MessageBoxes& messages) {
    for (const shell::WindowEntry& row : shell::kWindows)
        if (row.create == &shell::MakePage<P>)
            return std::unique_ptr<P>(static_cast<P*>(shell::MakeWindow(row, nullptr, messages)));
    ADD_FAILURE() << "no registry row makes this page";
    return std::make_unique<P>(messages);
}

} // namespace vora::testing
