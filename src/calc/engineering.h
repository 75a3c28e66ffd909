// SPDX-License-Identifier: MIT
// Values in the form a student writes them: four significant digits and an
// SI prefix, "61.88 µC", "191.4 µJ", "1.804 nF". Shown beside the exact
// result (tool-tips, copied text, the working), never instead of it.
#pragma once

#include <string>
#include <string_view>

namespace vora::calc {

// `value` with the prefix that puts its mantissa in [1, 1000), rounded to
// `digits` significant digits (trailing zeros kept: "1.000 m"), then a blank
// and the unit. Rounding that reaches 1000 moves to the next prefix
// (999.95 µ is "1.000 m"). Zero is "0" and the unit. Beyond the prefixes
// (above 999.9 E, below 1 a) the exponent form "1.234E+21 W" is used. Empty
// for infinity and NaN. Independent of the system locale.
std::string FormatEngineering(double value, std::string_view unit, int digits = 4);

} // namespace vora::calc
