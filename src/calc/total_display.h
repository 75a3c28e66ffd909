// SPDX-License-Identifier: MIT
// Showing a total in the unit chosen for it.
#pragma once

#include "term.h"

#include <array>
#include <string>
#include <vector>

namespace vora::calc {

struct TotalUnits {
    std::string total;              // the stored name, "RT"
    std::string quantity;           // "total resistance", for messages
    std::vector<std::string> names; // the unit list's items
    std::vector<double> factors;    // base unit value × factor = shown value
};

// The total label: the total in its base unit as FormatNumber text; then, by
// the position of the total's unit list, that text read back and
// scaled, so the shown value carries the digits the user could read. Any
// other position shows the base unit. Raises a failure when the text cannot
// be read back (the largest doubles round beyond the range) or the scaled
// value is not finite.
std::string ShowTotal(double total, int position, const TotalUnits& units, Working& working);

} // namespace vora::calc
