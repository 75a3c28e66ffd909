// SPDX-License-Identifier: MIT
// Number conversions shared by every page.
//
// All three functions are independent of the system locale: the decimal point
// is always a full stop, on input and on output.
#pragma once

#include <string>
#include <string_view>

namespace vora::calc {

enum class ParseStatus {
    Ok,         // the text is a number and `value` holds it
    NotANumber, // empty, blank, or any character outside the grammar
    TooLarge,   // a number, but beyond the range of a double
};

struct Parsed {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;

    explicit operator bool() const { return status == ParseStatus::Ok; }
};

// Converts the whole text. Blanks before and after the number are allowed; the
// number is an optional sign, digits with an optional decimal point and
// fraction (".5" and "5." included), and an optional exponent: E or e, an
// optional sign and digits. Anything else fails. Values too small for a double
// become 0 (or the nearest subnormal); values too large fail with TooLarge.
Parsed ParseStrict(std::string_view text);

// Converts the leading number of the text and ignores the rest. Blanks, tabs
// and line feeds are skipped wherever they occur. "&H" and "&O" (either case)
// introduce a hexadecimal or octal integer. A text without a leading number
// reads as 0. Never fails; a number beyond the range of a double reads as
// plus or minus infinity, which callers report as too large.
double ParseLeading(std::string_view text);

// The text shown in a result label: rounded to 15 significant digits, no
// trailing zeros, fixed notation for decimal exponents -4 to 14, otherwise
// "1.5E+15" / "5E-06". Zero (either sign) is "0". Returns an empty text for
// infinity and NaN, which the pages never pass.
std::string FormatNumber(double value);

} // namespace vora::calc
