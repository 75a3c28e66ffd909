// SPDX-License-Identifier: MIT
#include "total_display.h"

#include "fields.h"
#include "number.h"
#include "units.h"

#include <cmath>

namespace vora::calc {

std::string ShowTotal(double total, int position, const TotalUnits& units, Working& working) {
    std::string label = FormatNumber(total);
    if (!InList(position, units.factors.size())) return label;
    const auto pos = static_cast<std::size_t>(position);
    const Parsed back = ParseStrict(label);
    const Term shown = Term::Named(units.total, back.value) * units.factors[pos];
    if (!back || !std::isfinite(shown.value()))
        FailCompute("The " + units.quantity + " is too large to show in " + units.names[pos] +
                    ". Choose a larger unit for the total.");
    if (units.factors[pos] != 1)
        working.Note(units.total + " in " + units.names[pos], shown, units.names[pos]);
    return FormatNumber(shown.value());
}

} // namespace vora::calc
