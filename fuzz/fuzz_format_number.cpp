// SPDX-License-Identifier: MIT
// FormatNumber of any finite double has the documented shape and reads back
// with ParseStrict as the value rounded to 15 significant digits.
#include "calc/number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>
#include <string>

namespace {

// The value rounded to 15 significant digits; false when that rounding goes
// beyond the largest double (1.79769313486232E+308 > DBL_MAX).
bool RoundedTo15(double value, double& rounded) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    return std::from_chars(buf, end, rounded).ec == std::errc();
}

int DecimalExponent(double value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    const std::string s(buf, end);
    return std::stoi(s.substr(s.find('e') + 1));
}

int SignificantDigits(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c == 'E') break;
        if (c >= '0' && c <= '9') digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 1 : static_cast<int>(digits.size() - first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) {
        if (!vora::calc::FormatNumber(value).empty()) __builtin_trap();
        return 0;
    }
    const std::string text = vora::calc::FormatNumber(value);
    static const std::regex fixed(R"(^-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?$|^-?0\.0{0,3}[1-9]([0-9]*[1-9])?$)");
    static const std::regex exponent(R"(^-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3}$)");
    if (value == 0) {
        if (text != "0") __builtin_trap();
        return 0;
    }
    const int exp = DecimalExponent(value);
    const bool wantFixed = exp >= -4 && exp <= 14;
    if (!std::regex_match(text, wantFixed ? fixed : exponent)) __builtin_trap();
    if (SignificantDigits(text) > 15) __builtin_trap();
    const auto back = vora::calc::ParseStrict(text);
    double expected = 0;
    if (!RoundedTo15(value, expected)) {
        if (back.status != vora::calc::ParseStatus::TooLarge) __builtin_trap();
        return 0;
    }
    if (!back || back.value != expected) __builtin_trap();
    return 0;
}
