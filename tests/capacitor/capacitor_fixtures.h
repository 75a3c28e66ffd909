// SPDX-License-Identifier: MIT
// Building the inputs of the capacitor page in tests.
#pragma once

#include "calc/capacitor/capacitor_vars.h"
#include "calc/element_network.h"

#include <array>
#include <string>

namespace vora::calc::testing {

// Entries with the given texts, unit positions and choices written like "SP-P".
inline NetworkEntries CapacitorEntries(std::array<std::string, 4> texts, const char* choices,
                                       std::array<int, 4> units = {0, 0, 0, 0}, int totalUnit = 0) {
    NetworkEntries e;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        e.values[i] = {texts[i], "txtC" + n, "C" + n + " Value"};
    }
    e.units = units;
    e.choices = ChoicesFrom<4>(choices);
    e.totalUnit = totalUnit;
    return e;
}

// A double-click on capacitor k's option ('s' or 'p') in the arrangement
// `choices`, with the source text and choice ('V' voltage, 'Q' charge, '-').
inline ElementClick CapacitorClick(int k, char option, const char* choices, char source,
                                   std::string text) {
    ElementClick c;
    c.element = k;
    c.option = option == 's' ? Choice::Series : Choice::Parallel;
    c.choices = ChoicesFrom<4>(choices);
    c.source = source == 'V' ? Source::Voltage : source == 'Q' ? Source::Current : Source::None;
    c.sourceField = {std::move(text), "txtIV", "Source Value"};
    return c;
}

} // namespace vora::calc::testing
