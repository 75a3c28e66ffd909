// SPDX-License-Identifier: MIT
#include "engineering.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vora::calc {
namespace {

// Prefixes from atto (10^-18) to exa (10^18); "µ" is the micro sign.
constexpr std::array<const char*, 13> kPrefixes{"a", "f", "p", "n", "µ", "m", "",
                                                "k", "M", "G", "T", "P", "E"};
constexpr int kLowest = -18;

std::string WithUnit(std::string number, std::string_view prefix, std::string_view unit) {
    if (!prefix.empty() || !unit.empty()) number += ' ';
    return number.append(prefix).append(unit);
}

} // namespace

std::string FormatEngineering(double value, std::string_view unit, int digits) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return WithUnit("0", "", unit);
    digits = std::clamp(digits, 1, 15);
    // The digits of the value as the result label shows it (15 significant
    // digits), rounded half away from zero to `digits`, as a student rounds
    // the shown 61.875 to 61.88; then the decimal point moved so that the
    // exponent is a multiple of three.
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14)
                         .ptr;
    std::string text(buffer.data(), end);
    const std::size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string kept;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9') kept += c;
    const std::size_t cut = static_cast<std::size_t>(digits);
    const bool up = cut < kept.size() && kept[cut] >= '5';
    kept.resize(static_cast<std::size_t>(digits));
    if (up) {
        int i = digits - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1'); // 9.9995 becomes 10.00
            kept.pop_back();
            ++exponent;
        }
    }
    const int shift = ((exponent % 3) + 3) % 3;
    const int engineering = exponent - shift;
    const int index = (engineering - kLowest) / 3;
    const bool negative = value < 0;
    if (engineering < kLowest || index >= static_cast<int>(kPrefixes.size())) {
        std::string mantissa = kept.substr(0, 1) + (kept.size() > 1 ? "." + kept.substr(1) : "");
        std::string power = std::to_string(std::abs(exponent));
        if (power.size() < 2) power.insert(0, "0");
        return WithUnit((negative ? "-" : "") + mantissa + "E" + (exponent < 0 ? "-" : "+") + power,
                        "", unit);
    }
    std::string digitsOnly = kept;
    // The first 1 + shift digits stand before the point.
    const std::size_t whole = static_cast<std::size_t>(1 + shift);
    while (digitsOnly.size() < whole)
        digitsOnly += '0';
    std::string number = digitsOnly.substr(0, whole);
    if (digitsOnly.size() > whole) number += "." + digitsOnly.substr(whole);
    return WithUnit((negative ? "-" : "") + number, kPrefixes[static_cast<std::size_t>(index)],
                    unit);
}

} // namespace vora::calc
