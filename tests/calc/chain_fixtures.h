// SPDX-License-Identifier: MIT
// Building the inputs of the resistor and inductor pages in tests.
#pragma once

#include "calc/chain_total.h"

#include <array>
#include <string>

namespace vora::calc::testing {

// Entries with the given texts ("" for empty), all units at position 0, and
// choices written like "SP-P".
inline NetworkEntries Entries(std::array<std::string, 4> texts, const char* choices,
                            std::array<int, 4> units = {0, 0, 0, 0}, int totalUnit = 0,
                            char letter = 'R') {
    NetworkEntries e;
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k + 1);
        e.values[k] = {texts[k], std::string("txtR") + n, std::string(1, letter) + n + " Value"};
    }
    e.units = units;
    e.choices = ChoicesFrom<4>(choices);
    e.totalUnit = totalUnit;
    return e;
}

// The usual network of the tests: 10, 20, 30 and 40 in the base unit.
inline NetworkEntries Standard(const char* choices, int totalUnit = 0) {
    return Entries({"10", "20", "30", "40"}, choices, {0, 0, 0, 0}, totalUnit);
}

} // namespace vora::calc::testing
