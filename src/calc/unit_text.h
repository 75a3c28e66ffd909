// SPDX-License-Identifier: MIT
// Units typed by hand into a unit list: the program's own names (KOhm, µF)
// and the usual SI spellings (kΩ, ohm, uF), read case-sensitively, so that
// m is milli and M is mega. A prefix alone (k, m, µ) means that multiple of
// the list's own unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vora::calc {

enum class UnitQuantity { Resistance, Capacitance, Inductance, Current, Voltage, Charge };

struct UnitMeaning {
    std::optional<UnitQuantity> quantity; // none for a prefix alone
    int power = 0;                        // the unit is 10^power base units

    bool operator==(const UnitMeaning&) const = default;
};

// What `text` (blanks around it allowed) names, or nothing when it is no
// unit this program knows.
std::optional<UnitMeaning> ReadUnitText(std::string_view text);

// The SI symbol of a unit, for messages: "kΩ", "µF", "mA".
std::string UnitSymbol(UnitQuantity quantity, int power);

} // namespace vora::calc
